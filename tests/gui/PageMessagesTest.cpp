#include <QBoxLayout>
#include <QDialog>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "FakeUserInterface.h"
#include "PageTestSupport.h"
#include "pages/PageMessages.h"
#include "pages/model/FieldChecks.h"

namespace orvan {
namespace {

TEST(PageMessages, InvalidFieldShowsTheWarningAndTakesTheFocusBack) {
    QDialog page;
    auto* layout = new QVBoxLayout(&page);
    auto* failing = new QLineEdit(&page);
    auto* other = new QLineEdit(&page);
    layout->addWidget(failing);
    layout->addWidget(other);
    pagetest::ShowActive(page);
    other->setFocus();

    FakeUserInterface ui;
    ReportInvalidField(ui, *failing, *WholeNumberProblem("656", 0, 655));

    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "Geben Sie eine ganze Zahl zwischen 0 und 655 ein.");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(ui.messages[0].caption.isEmpty());
    EXPECT_TRUE(failing->hasFocus());
    EXPECT_TRUE(page.isVisible());
}

}  // namespace
}  // namespace orvan
