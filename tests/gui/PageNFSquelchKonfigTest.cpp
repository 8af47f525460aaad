#include <QLineEdit>

#include <gtest/gtest.h>

#include "FakeUserInterface.h"
#include "PageTestSupport.h"
#include "core/Register.h"
#include "pages/NFSquelchKonfig.h"

namespace orvan {
namespace {

using pagetest::Button;
using pagetest::Group;

const QString kPresenceLevel = "NF wird erkannt ab Schwellwert:";
const QString kPresenceTime = "Squelch aktiv, wenn NF erkannt für:";
const QString kAbsenceLevel = "NF nicht vorhanden unter Schwellwert:";
const QString kAbsenceTime = "Squelch deaktiviert,\nwenn NF nicht vorhanden für:";

class PageNFSquelchKonfigTest : public ::testing::Test {
  protected:
    void SetUp() override { pagetest::ShowActive(page); }

    QLineEdit& Field(std::size_t circuit, const QString& label) {
        return pagetest::Field<QLineEdit>(
            Group(page, QStringLiteral("Funkkreis %1").arg(circuit + 1)), label);
    }

    // The page copies the registers when it is built, so they are loaded first.
    static Register& Loaded(Register& image) {
        for (int reg = 214; reg <= 217; ++reg)
            image.SetValue(reg, "02604010");
        return image;
    }

    Register image;
    FakeUserInterface ui;
    NFSquelchKonfig page{Loaded(image), ui, {'2', '0', '2', '1'}};
};

TEST_F(PageNFSquelchKonfigTest, ShowsTheFieldsAndUnlocksOnlyAudioCarrierCircuits) {
    EXPECT_EQ(page.windowTitle(), "Konfiguration NF-Squelch");
    EXPECT_EQ(Field(0, kPresenceTime).text(), "02");
    EXPECT_EQ(Field(0, kPresenceLevel).text(), "60");
    EXPECT_EQ(Field(0, kAbsenceTime).text(), "40");
    EXPECT_EQ(Field(0, kAbsenceLevel).text(), "10");
    EXPECT_TRUE(Field(0, kPresenceLevel).isEnabled());
    EXPECT_FALSE(Field(1, kPresenceLevel).isEnabled());
    EXPECT_TRUE(Field(2, kAbsenceTime).isEnabled());
    EXPECT_FALSE(Group(page, "Funkkreis 4").isEnabled());
    EXPECT_EQ(Field(0, kAbsenceTime).accessibleName(),
              "Squelch deaktiviert, wenn NF nicht vorhanden für:");
}

TEST_F(PageNFSquelchKonfigTest, FieldsTakeTwoDigitsAndAreFilledWhenLeft) {
    QLineEdit& field = Field(2, kAbsenceLevel);
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, "a7b95");
    EXPECT_EQ(field.text(), "79");
    field.selectAll();
    QTest::keyClicks(&field, "7");
    QTest::keyClick(&field, Qt::Key_Tab);
    EXPECT_FALSE(field.hasFocus());
    EXPECT_EQ(field.text(), "07");
}

TEST_F(PageNFSquelchKonfigTest, EnterInAHalfTypedFieldStoresItPadded) {
    QLineEdit& field = Field(0, kPresenceTime);
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, "5");
    QTest::keyClick(&field, Qt::Key_Return);
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(image.Value(214), "05604010");
    EXPECT_EQ(image.Value(215), "02604010");
    EXPECT_TRUE(image.changed);
}

TEST_F(PageNFSquelchKonfigTest, CancelLeavesTheImageAlone) {
    QLineEdit& field = Field(2, kPresenceLevel);
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, "99");
    Button(page, "Abbrechen").click();
    EXPECT_EQ(page.result(), QDialog::Rejected);
    EXPECT_EQ(image.Value(216), "02604010");
    EXPECT_FALSE(image.changed);
}

TEST_F(PageNFSquelchKonfigTest, HelpButtonHasItsLeadingBlankAndTheSquelchCaption) {
    pagetest::ExpectHelp(page, " Hilfe...", ui, "Hilfe Squelchkonfiguration",
                         "Konfiguration NF-Squelch:\n\n");
}

}  // namespace
}  // namespace orvan
