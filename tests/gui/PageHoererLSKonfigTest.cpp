#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "FakeUserInterface.h"
#include "PageTestSupport.h"
#include "core/Register.h"
#include "pages/HoererLSKonfig.h"

namespace orvan {
namespace {

using pagetest::Button;
using pagetest::Group;

const QString kState = "LS-Status ist bei Schwanenhals-PTT und abgehobenem Hörer";
const QString kVolume = "Max. Lautstärke bei Schwanenhals-PTT:";

class PageHoererLSKonfigTest : public ::testing::Test {
  protected:
    void SetUp() override { pagetest::ShowActive(page); }

    QGroupBox& Circuit(int circuit) {
        return Group(Group(page, "TETRA-Funktion"), QStringLiteral("Funkkreis %1").arg(circuit));
    }
    QAbstractButton& State(int circuit, const QString& text) {
        return Button(Group(Circuit(circuit), kState), text);
    }
    QLineEdit& Volume(int circuit) { return pagetest::Field<QLineEdit>(Circuit(circuit), kVolume); }

    static Register& Loaded(Register& image) {
        image.SetValue(16, "01xy");
        image.SetValue(270, "0ab01234");
        image.SetValue(271, "1cd00000");
        image.SetValue(272, "9ef32767");
        image.SetValue(273, "1gh00010z");
        return image;
    }

    Register image;
    FakeUserInterface ui;
    HoererLSKonfig page{Loaded(image), ui};
};

TEST_F(PageHoererLSKonfigTest, ShowsTheSwitchesAndTheTetraCircuits) {
    EXPECT_EQ(page.windowTitle(), "Hörer- und Lautsprecherkonfiguration");
    EXPECT_TRUE(Button(Group(page, "Hörer"), "Hörer aus wenn aufgelegt").isChecked());
    EXPECT_TRUE(Button(Group(page, "Lautsprecher"), "Lautsprecher immer an").isChecked());
    EXPECT_TRUE(State(1, "wie oben eingestellt").isChecked());
    EXPECT_TRUE(State(2, "immer aktiv").isChecked());
    EXPECT_TRUE(State(3, "wie oben eingestellt").isChecked());
    EXPECT_EQ(Volume(1).text(), "01234");
    EXPECT_EQ(Volume(3).text(), "32767");
    // Circuits 1 and 3 side by side above 2 and 4.
    EXPECT_LT(Circuit(1).y(), Circuit(2).y());
    EXPECT_EQ(Circuit(1).y(), Circuit(3).y());
    EXPECT_LT(Circuit(1).x(), Circuit(3).x());
    EXPECT_EQ(Circuit(2).x(), Circuit(1).x());
}

TEST_F(PageHoererLSKonfigTest, VolumesArePaddedOrSwitchedOffWhenLeft) {
    QLineEdit& field = Volume(2);
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, "7a");
    QTest::keyClick(&field, Qt::Key_Tab);
    EXPECT_EQ(field.text(), "00007");
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, "400001");
    EXPECT_EQ(field.text(), "40000");
    QTest::keyClick(&field, Qt::Key_Tab);
    EXPECT_EQ(field.text(), "00000");
}

TEST_F(PageHoererLSKonfigTest, OkWritesTheClickedSwitchesAndATypedVolumeOnEnter) {
    Button(Group(page, "Hörer"), "Hörer immer an").click();
    Button(Group(page, "Lautsprecher"), "Lautsprecher aus wenn Hörer abgehoben").click();
    State(4, "wie oben eingestellt").click();
    State(1, "immer aktiv").click();
    QLineEdit& field = Volume(4);
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, "12");
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(image.Value(16), "10xy");
    EXPECT_EQ(image.Value(270), "1ab01234");
    EXPECT_EQ(image.Value(271), "1cd00000");
    EXPECT_EQ(image.Value(272), "0ef32767");
    EXPECT_EQ(image.Value(273), "0gh00012z");
    EXPECT_TRUE(image.changed);
}

TEST_F(PageHoererLSKonfigTest, CancelLeavesTheImageAlone) {
    Button(Group(page, "Hörer"), "Hörer immer an").click();
    State(2, "wie oben eingestellt").click();
    Button(page, "Abbrechen").click();
    EXPECT_EQ(page.result(), QDialog::Rejected);
    EXPECT_EQ(image.Value(16), "01xy");
    EXPECT_EQ(image.Value(271), "1cd00000");
    EXPECT_FALSE(image.changed);
}

TEST_F(PageHoererLSKonfigTest, HelpIsAPlainBoxWithoutIcon) {
    Button(page, "Hilfe...").click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(ui.messages[0].text.startsWith("Hörerkonfiguration: \n"));
}

}  // namespace
}  // namespace orvan
