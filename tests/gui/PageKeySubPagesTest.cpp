// The pages the key functions page opens: five-tone sequence timing and FMS detail.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <string>

#include "FakeUserInterface.h"
#include "PageTestSupport.h"
#include "core/Register.h"
#include "pages/DetailFMS.h"
#include "pages/TonfolgeKonfig.h"

namespace orvan {
namespace {

using pagetest::Button;

class PageTonfolgeKonfigTest : public ::testing::Test {
  protected:
    void SetUp() override { pagetest::ShowActive(page); }

    QLineEdit& Field(const QString& label) { return pagetest::Field<QLineEdit>(page, label); }
    QComboBox& System() { return pagetest::Field<QComboBox>(page, "Tonrufsystem:"); }

    static Register& Loaded(Register& image) {
        image.SetValue(81, "ABCD3FGH");
        image.SetValue(82, "07707XYZ");
        return image;
    }

    Register image;
    FakeUserInterface ui;
    TonfolgeKonfig page{Loaded(image), ui};
};

TEST_F(PageTonfolgeKonfigTest, ShowsSystemAndLengthsAndHasNoHelp) {
    EXPECT_EQ(page.windowTitle(), "5-Tonfolge Konfiguration");
    EXPECT_EQ(System().currentText(), "EEA");
    QStringList items;
    for (int item = 0; item < System().count(); ++item)
        items << System().itemText(item);
    EXPECT_EQ(items, (QStringList{"CCIR", "EEA", "ZVEI", "ZVEI2", "ZVEI3"}));
    EXPECT_EQ(Field("Tonlänge erster Ton:").text(), "07");
    EXPECT_EQ(Field("Tonlänge ab 2. Ton:").text(), "7");
    EXPECT_EQ(Field("Pausenlänge:").text(), "07");
    EXPECT_EQ(Field("Tonlänge ab 2. Ton:").maxLength(), 1);
    QStringList buttons;
    for (QPushButton* button : page.findChildren<QPushButton*>())
        buttons << button->text();
    EXPECT_EQ(buttons, (QStringList{"OK", "Abbrechen"}));
}

TEST_F(PageTonfolgeKonfigTest, LeavingAFieldGivesItsLength) {
    QLineEdit& first = Field("Tonlänge erster Ton:");
    first.setFocus();
    first.selectAll();
    QTest::keyClicks(&first, "5");
    QTest::keyClick(&first, Qt::Key_Tab);
    EXPECT_EQ(first.text(), "05");
    QLineEdit& later = Field("Tonlänge ab 2. Ton:");
    EXPECT_TRUE(later.hasFocus());
    later.selectAll();
    QTest::keyClicks(&later, "0");
    QTest::keyClick(&later, Qt::Key_Tab);
    EXPECT_EQ(later.text(), "7");
}

TEST_F(PageTonfolgeKonfigTest, EnterInAHalfTypedFieldWritesItFilled) {
    System().setFocus();
    QTest::keyClick(&System(), Qt::Key_Up);
    EXPECT_EQ(System().currentText(), "CCIR");
    QLineEdit& pause = Field("Pausenlänge:");
    pause.setFocus();
    pause.selectAll();
    QTest::keyClicks(&pause, "4");
    QTest::keyClick(&pause, Qt::Key_Return);
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(image.Value(81), "ABCD1FGH");
    EXPECT_EQ(image.Value(82), "07704XYZ");
    EXPECT_TRUE(image.changed);
}

TEST_F(PageTonfolgeKonfigTest, CancelLeavesTheImageAlone) {
    QLineEdit& first = Field("Tonlänge erster Ton:");
    first.setFocus();
    first.selectAll();
    QTest::keyClicks(&first, "99");
    Button(page, "Abbrechen").click();
    EXPECT_EQ(page.result(), QDialog::Rejected);
    EXPECT_EQ(image.Value(82), "07707XYZ");
    EXPECT_FALSE(image.changed);
}

class PageDetailFMSTest : public ::testing::Test {
  protected:
    void SetUp() override { pagetest::ShowActive(page); }

    QComboBox& List(const QString& label) { return pagetest::Field<QComboBox>(page, label); }
    QLineEdit& Field(const QString& label) { return pagetest::Field<QLineEdit>(page, label); }
    QComboBox& Status() {
        return *pagetest::Group(page, "Status oder Anweisung").findChild<QComboBox*>();
    }

    std::string text = "6A1234567C";
    FakeUserInterface ui;
    DetailFMS page{text, ui};
};

TEST_F(PageDetailFMSTest, ShowsTheFieldsOfTheText) {
    EXPECT_EQ(page.windowTitle(), "Detail FMS");
    EXPECT_EQ(List("BOS-Kennung:").currentText(), "6: Feuerwehr");
    EXPECT_EQ(List("BOS-Kennung:").count(), 16);
    EXPECT_EQ(List("Landeskennung:").currentText(), "A: Rheinland-Pfalz");
    EXPECT_EQ(Field("Ortskennung:").text(), "12");
    EXPECT_EQ(Field("Fahrzeugkennung:").text(), "3456");
    EXPECT_EQ(Field("Fahrzeugkennung:").maxLength(), 4);
    EXPECT_EQ(Status().currentText(), "7");
    EXPECT_TRUE(Button(page, "TKI4").isChecked());
    EXPECT_TRUE(Button(page, "Status").isChecked());
    EXPECT_TRUE(Button(page, "Baustufe 1").isChecked());
    EXPECT_FALSE(Button(page, "TKI 1").isChecked());
}

TEST_F(PageDetailFMSTest, OkEditsTheCallersText) {
    QComboBox& bos = List("BOS-Kennung:");
    bos.setFocus();
    QTest::keyClick(&bos, Qt::Key_Down);
    Status().setFocus();
    QTest::keyClick(&Status(), Qt::Key_Down);
    QLineEdit& location = Field("Ortskennung:");
    location.setFocus();
    location.selectAll();
    QTest::keyClicks(&location, "5");
    QLineEdit& vehicle = Field("Fahrzeugkennung:");
    vehicle.setFocus();
    vehicle.selectAll();
    QTest::keyClicks(&vehicle, "12");
    Button(page, "TKI3").click();
    Button(page, "Anweisung").click();
    Button(page, "Baustufe 2").click();
    Button(page, "OK").click();
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(text, "7A0500128B");
}

TEST_F(PageDetailFMSTest, CancelLeavesTheTextAlone) {
    Button(page, "Anweisung").click();
    QLineEdit& location = Field("Ortskennung:");
    location.setFocus();
    location.selectAll();
    QTest::keyClicks(&location, "FF");
    Button(page, "Abbrechen").click();
    EXPECT_EQ(text, "6A1234567C");
}

TEST_F(PageDetailFMSTest, HelpIsAPlainBoxUnderTheProgramsTitle) {
    Button(page, "Hilfe...").click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::None);
    EXPECT_TRUE(ui.messages[0].text.startsWith("BOS-Kennung:\n"));
}

}  // namespace
}  // namespace orvan
