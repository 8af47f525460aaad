#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "FakeUserInterface.h"
#include "PageTestSupport.h"
#include "core/Register.h"
#include "pages/Funkkreiskonfiguration.h"

namespace orvan {
namespace {

using pagetest::Button;
using pagetest::Find;
using pagetest::Group;

class PageFunkkreiskonfigurationTest : public ::testing::Test {
  protected:
    // The left column's boxes; the same texts stand again beside "Letzter Kreis nach
    // Einschalten:".
    QCheckBox& Allowed(std::size_t circuit) {
        return *Find<QCheckBox>(page, QStringLiteral("Funkkreis %1 erlaubt").arg(circuit + 1),
                                Qt::FindDirectChildrenOnly);
    }
    QCheckBox& OnAtPowerUp(std::size_t circuit) {
        return *Find<QCheckBox>(
            page, QStringLiteral("Funkkreis %1 beim Einschalten an").arg(circuit + 1));
    }
    QCheckBox& LastCircuit(std::size_t circuit) {
        return *Find<QCheckBox>(Group(page, "Automatische Kreisaktivierung"),
                                QStringLiteral("Funkkreis %1 erlaubt").arg(circuit + 1));
    }
    QComboBox& Activation() {
        return pagetest::Field<QComboBox>(page, "Automatische Kreisaktivierung:");
    }

    // The page copies the registers when it is built, so they are loaded first.
    static Register& Loaded(Register& image) {
        image.SetValue(0, "11110050");
        image.SetValue(1, "10001000");
        return image;
    }

    Register image;
    FakeUserInterface ui;
    Funkkreiskonfiguration page{Loaded(image), ui};
};

TEST_F(PageFunkkreiskonfigurationTest, ShowsTheRegistersWithTheirEnabling) {
    pagetest::ShowActive(page);
    EXPECT_EQ(page.windowTitle(), "Funkkreiskonfiguration");
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        EXPECT_TRUE(Allowed(circuit).isChecked());
        EXPECT_EQ(OnAtPowerUp(circuit).isChecked(), circuit == 0);
        EXPECT_FALSE(OnAtPowerUp(circuit).isEnabled());
        EXPECT_EQ(LastCircuit(circuit).isChecked(), circuit == 0 || circuit == 2);
        EXPECT_TRUE(LastCircuit(circuit).isEnabled());
    }
    EXPECT_FALSE(Button(page, "Mehrere aktive Kreise möglich").isChecked());
    EXPECT_TRUE(Button(page, "Letzte aktive Kreise").isChecked());
    EXPECT_FALSE(Button(page, "Einschaltkreise").isChecked());
    EXPECT_EQ(Activation().currentText(), "Letzten Kreis aktivieren");
    EXPECT_EQ(Activation().accessibleName(), "Automatische Kreisaktivierung:");
}

TEST_F(PageFunkkreiskonfigurationTest, ListShowsNoItemForAnUnknownCode) {
    image.SetValue(0, "00000200");
    Funkkreiskonfiguration unknown(image, ui);
    unknown.show();
    auto& list = pagetest::Field<QComboBox>(unknown, "Automatische Kreisaktivierung:");
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_FALSE(
        Find<QCheckBox>(Group(unknown, "Automatische Kreisaktivierung"), "Funkkreis 1 erlaubt")
            ->isEnabled());
}

TEST_F(PageFunkkreiskonfigurationTest, OkWritesEveryControlAndMarksTheImageChanged) {
    pagetest::ShowActive(page);
    Allowed(1).click();
    Button(page, "Mehrere aktive Kreise möglich").click();
    Button(page, "Einschaltkreise").click();
    ASSERT_TRUE(OnAtPowerUp(2).isEnabled());
    OnAtPowerUp(2).click();
    LastCircuit(3).click();
    QTest::keyClick(&Activation(), Qt::Key_Down);
    EXPECT_EQ(Activation().currentText(), "Fehlerton");
    EXPECT_FALSE(LastCircuit(3).isEnabled());
    Button(page, "OK").click();

    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(image.Value(0), "101111D0");
    EXPECT_EQ(image.Value(1), "10100000");
    EXPECT_TRUE(image.changed);
}

TEST_F(PageFunkkreiskonfigurationTest, CancelLeavesTheImageAlone) {
    pagetest::ShowActive(page);
    Allowed(0).click();
    Button(page, "Einschaltkreise").click();
    QTest::keyClick(&Activation(), Qt::Key_Down);
    Button(page, "Abbrechen").click();

    EXPECT_EQ(page.result(), QDialog::Rejected);
    EXPECT_EQ(image.Value(0), "11110050");
    EXPECT_EQ(image.Value(1), "10001000");
    EXPECT_FALSE(image.changed);
}

TEST_F(PageFunkkreiskonfigurationTest, HelpGoesThroughTheUserInterface) {
    pagetest::ShowActive(page);
    pagetest::ExpectHelp(page, "Hilfe...", ui, "Hilfe Funkkreiskonfiguration",
                         "Funkkreiskonfiguration:\n\n");
}

TEST_F(PageFunkkreiskonfigurationTest, TabOrderFollowsTheColumnsThenTheGroup) {
    pagetest::ShowActive(page);
    QStringList boxes;
    QWidget* widget = &Allowed(0);
    do {
        if (auto* box = qobject_cast<QCheckBox*>(widget))
            boxes << box->text();
        widget = widget->nextInFocusChain();
    } while (widget != &Allowed(0));
    QStringList expected;
    for (const char* column : {"%1 erlaubt", "%1 beim Einschalten an", "%1 erlaubt"}) {
        for (int circuit = 1; circuit <= 4; ++circuit) {
            expected << QString(column).arg(QStringLiteral("Funkkreis %1").arg(circuit));
        }
        if (expected.size() == 4)
            expected << "Mehrere aktive Kreise möglich";
    }
    EXPECT_EQ(boxes, expected);
}

}  // namespace
}  // namespace orvan
