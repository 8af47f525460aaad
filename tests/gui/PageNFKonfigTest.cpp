#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>

#include "FakeUserInterface.h"
#include "PageTestSupport.h"
#include "app/Topics.h"
#include "core/Register.h"
#include "pages/NFKonfig.h"
#include "pages/NFKonfigHoerer.h"
#include "pages/NFKonfigTonband.h"

namespace orvan {
namespace {

using pagetest::Button;
using pagetest::Group;

class PageNFKonfigTest : public ::testing::Test {
  protected:
    void SetUp() override {
        image.SetValue(10, "3x210123");
        image.SetValue(11, "22221111");
        image.SetValue(12, "abc93210");
        image.SetValue(13, "abc90000");
    }

    static QComboBox& List(QWidget& page, const QString& group, int circuit) {
        return pagetest::Field<QComboBox>(Group(page, group),
                                          QStringLiteral("Funkkreis %1:").arg(circuit));
    }

    Register image;
    FakeUserInterface ui;
};

TEST_F(PageNFKonfigTest, ListsShowTheStoredRoutesAndNothingForOtherCharacters) {
    NFKonfig page(image, ui);
    pagetest::ShowActive(page);
    EXPECT_EQ(page.windowTitle(), "NF-Eingangskonfiguration für Lautsprecherausgabe");
    QComboBox& first = List(page, "Deaktivierter Kreis", 1);
    ASSERT_EQ(first.count(), 4);
    EXPECT_EQ(first.itemText(0), "Kreis gemutet");
    EXPECT_EQ(first.itemText(3), "MH + max. Lautstärke");
    EXPECT_TRUE(first.isEditable());
    EXPECT_EQ(first.currentText(), "MH + max. Lautstärke");
    EXPECT_EQ(List(page, "Deaktivierter Kreis", 2).currentIndex(), -1);
    EXPECT_EQ(List(page, "Deaktivierter Kreis", 2).currentText(), "");
    EXPECT_EQ(List(page, "Deaktivierter Kreis", 4).currentText(), "Mithörlautstärke");
    EXPECT_EQ(List(page, "Aktivierter Kreis", 3).currentText(), "Maximale Lautstärke");
}

TEST_F(PageNFKonfigTest, ChoosingAnEntryChangesItsCircuitOnlyAndOkWritesTheTapeCharacters) {
    NFKonfigTonband page(image, ui);
    pagetest::ShowActive(page);
    EXPECT_EQ(page.windowTitle(), "NF-Eingangskonfiguration für Tonbandausgabe");
    EXPECT_EQ(List(page, "Deaktivierter Kreis", 1).currentText(), "MH + max. Lautstärke");
    QComboBox& list = List(page, "Aktivierter Kreis", 2);
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.currentText(), "Mithörlautstärke");
    Button(page, "OK").click();
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(image.Value(12), "abc93210");
    EXPECT_EQ(image.Value(13), "abc90100");
    EXPECT_EQ(image.Value(10), "3x210123");
    EXPECT_TRUE(image.changed);
}

TEST_F(PageNFKonfigTest, TextTypedIntoAListChangesNoSettingAndEnterStillMeansOk) {
    NFKonfigHoerer page(image, ui);
    pagetest::ShowActive(page);
    QComboBox& left = List(page, "Deaktivierter Kreis", 3);
    left.setFocus();
    left.lineEdit()->selectAll();
    QTest::keyClicks(left.lineEdit(), "Kreis gemutet");
    QTest::keyClick(left.lineEdit(), Qt::Key_Tab);
    EXPECT_FALSE(left.hasFocus());
    QComboBox& list = List(page, "Deaktivierter Kreis", 2);
    EXPECT_EQ(list.currentText(), "Mithörlautstärke");
    list.setFocus();
    list.lineEdit()->selectAll();
    QTest::keyClicks(list.lineEdit(), "Kreis gemutet");
    QTest::keyClick(list.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(image.Value(10), "3x210123");
    EXPECT_TRUE(image.changed);
}

TEST_F(PageNFKonfigTest, CancelAfterAChoiceLeavesTheImageAlone) {
    NFKonfigHoerer page(image, ui);
    pagetest::ShowActive(page);
    QComboBox& list = List(page, "Aktivierter Kreis", 4);
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Up);
    Button(page, "Abbrechen").click();
    EXPECT_EQ(page.result(), QDialog::Rejected);
    EXPECT_EQ(image.Value(11), "22221111");
    EXPECT_FALSE(image.changed);
}

TEST_F(PageNFKonfigTest, HelpNamesTheOutput) {
    NFKonfigHoerer page(image, ui);
    pagetest::ShowActive(page);
    pagetest::ExpectHelp(page, "Hilfe...", ui, "Hilfe NF-Eingangskonfiguration Hörer",
                         "NF-Eingangskonfiguration Hörer:\n\nPro Funkkreis");
}

// The tree's topics of the audio and level pages open them.
TEST(AudioAndLevelTopics, OpenTheirPages) {
    struct Case {
        const char* topic;
        const char* title;
    };
    const Case cases[] = {
        {"NF zum Lautsprecher", "NF-Eingangskonfiguration für Lautsprecherausgabe"},
        {"NF zum Hörer", "NF-Eingangskonfiguration für Hörerausgabe"},
        {"NF zum Tonband", "NF-Eingangskonfiguration für Tonbandausgabe"},
        {"Hörer-/LS-Konfiguration (+TETRA)", "Hörer- und Lautsprecherkonfiguration"},
        {"Ausgabepegel", "Digitale Ausgabepegel"},
        {"Eingangsverstärkung", "Eingangsverstärkung"},
    };
    Register image;
    FakeUserInterface ui;
    for (const Case& c : cases) {
        const PageFactory factory = FindPage(DispatchTable(), c.topic);
        ASSERT_NE(factory, nullptr) << c.topic;
        EXPECT_EQ(factory(image, ui)->windowTitle(), QString::fromUtf8(c.title));
    }
    EXPECT_FALSE(image.changed);
}

}  // namespace
}  // namespace orvan
