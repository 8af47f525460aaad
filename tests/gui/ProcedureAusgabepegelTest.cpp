#include <QLineEdit>

#include <gtest/gtest.h>

#include "FakeUserInterface.h"
#include "PageTestSupport.h"
#include "core/Register.h"
#include "procedures/Ausgabepegel.h"
#include "procedures/AusgabepegelAendern.h"

namespace orvan {
namespace {

using pagetest::Button;
using pagetest::Group;

const QString kLevel = "Neuer Pegel\n00000 (= aus) bis 32767:";

class ProcedureAusgabepegelTest : public ::testing::Test {
  protected:
    void SetUp() override { pagetest::ShowActive(page); }

    static Register& Loaded(Register& image) {
        for (int reg = 222; reg <= 253; ++reg)
            image.SetValue(reg, "ab012345");
        return image;
    }

    // Runs "Ändern..." and types text into the change dialog's field before closing it.
    QString Change(const QString& text, const QString& close) {
        QString frame;
        pagetest::OnNextModal(
            [&](QDialog& change) {
                EXPECT_EQ(change.windowTitle(), "Ausgabepegel ändern:");
                auto* group = change.findChild<QGroupBox*>();
                frame = group->title();
                QLineEdit& field = pagetest::Field<QLineEdit>(change, kLevel);
                EXPECT_EQ(field.text(), "12345");
                field.selectAll();
                QTest::keyClicks(&field, text);
            },
            close);
        Button(page, "Ändern...").click();
        return frame;
    }

    Register image;
    FakeUserInterface ui;
    Ausgabepegel page{Loaded(image), ui};
};

TEST_F(ProcedureAusgabepegelTest, StartsOnRuftonAndLautsprecher) {
    EXPECT_EQ(page.windowTitle(), "Digitale Ausgabepegel");
    EXPECT_TRUE(Button(Group(page, "Quelle"), "Rufton").isChecked());
    EXPECT_TRUE(Button(Group(page, "Ziel"), "Lautsprecher").isChecked());
    EXPECT_EQ(Change("7", "OK"), "Rufton -> Lautsprecher");
    EXPECT_EQ(image.Value(222), "ab000007");
}

TEST_F(ProcedureAusgabepegelTest, ChangeWritesTheCheckedLevelOnlyAndKeepsItAfterCancel) {
    Button(Group(page, "Quelle"), "Weckton").click();
    Button(Group(page, "Ziel"), "Hörer / Headset").click();
    EXPECT_EQ(Change("01000", "OK"), "Weckton -> Hörer / Headset");
    EXPECT_EQ(image.Value(233), "ab001000");
    for (int reg : {222, 223, 232, 242, 243, 252, 253})
        EXPECT_EQ(image.Value(reg), "ab012345") << reg;
    EXPECT_TRUE(image.changed);
    Button(page, "Abbrechen").click();
    EXPECT_EQ(image.Value(233), "ab001000");
}

TEST_F(ProcedureAusgabepegelTest, CancelInTheChangeDialogWritesNothing) {
    Button(Group(page, "Ziel"), "Tonband").click();
    Change("777", "Abbrechen");
    EXPECT_EQ(image.Value(242), "ab012345");
    EXPECT_FALSE(image.changed);
}

TEST_F(ProcedureAusgabepegelTest, SummaryNamesTheRadioTargetInFullAndLeavesTheChoice) {
    Button(Group(page, "Ziel"), "Funk (NF-out)").click();
    Button(page, "Alle anzeigen...").click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Alle Ausgabepegel auf einen Blick");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::None);
    EXPECT_TRUE(
        ui.messages[0].text.contains("Rufton\t->  Funk (NF-out):\t12345\t(Standard:  10640)\n"));
    EXPECT_EQ(Change("40000", "OK"), "Rufton -> Funk");
    EXPECT_EQ(image.Value(252), "ab032767");
}

TEST_F(ProcedureAusgabepegelTest, LeavingTheLevelFieldCapsIt) {
    AusgabepegelAendern change(image, {'2', '1'});
    pagetest::ShowActive(change);
    QLineEdit& field = pagetest::Field<QLineEdit>(change, kLevel);
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, "4x00001");
    EXPECT_EQ(field.text(), "40000");
    QTest::keyClick(&field, Qt::Key_Tab);
    EXPECT_EQ(field.text(), "32767");
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, "7");
    QTest::keyClick(&field, Qt::Key_Tab);
    EXPECT_EQ(field.text(), "00007");
}

TEST_F(ProcedureAusgabepegelTest, HelpAndOkOnlyClose) {
    pagetest::ExpectHelp(page, "Hilfe...", ui, "Hilfe Ausgabepegel",
                         "Hier kann die Lautstärke von Weckton und Rufton");
    Button(page, "OK").click();
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_FALSE(image.changed);
}

}  // namespace
}  // namespace orvan
