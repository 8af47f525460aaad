#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "PageTestSupport.h"
#include "core/Register.h"
#include "pages/TonrufauswerterKonfig.h"

namespace orvan {
namespace {

using pagetest::Button;
using pagetest::Group;

const QString kInInterval = "Auswerten, wenn Tonlänge im Intervall";
const QString kAtMinimum = "Auswerten sobald Minimallänge erreicht";
const QString kLevelText = "für alle Funkkreise einheitlich  (0-32767) Standard: 00128";

class PageTonrufauswerterKonfigTest : public ::testing::Test {
  protected:
    void SetUp() override { pagetest::ShowActive(page); }

    QLineEdit& Minimum() {
        return pagetest::Field<QLineEdit>(Group(page, "Funkkreis 2"), "min. Tonlänge:");
    }
    QLineEdit& Maximum() {
        return pagetest::Field<QLineEdit>(Group(page, "Funkkreis 2"), "max. Tonlänge:");
    }
    QLineEdit& Level() { return pagetest::Field<QLineEdit>(page, kLevelText); }
    // Types text over the field's content; the focus stays in the field.
    static void Type(QLineEdit& field, const QString& text) {
        field.setFocus();
        field.selectAll();
        QTest::keyClicks(&field, text);
    }
    // With the mouse, so that the field that had the focus is left first, as for a user.
    void Choose(const QString& radio) { QTest::mouseClick(&Button(page, radio), Qt::LeftButton); }

    static Register& Loaded(Register& image) {
        for (int reg = 83; reg <= 86; ++reg)
            image.SetValue(reg, "abcd0500");
        image.SetValue(89, "xyz00128");
        return image;
    }

    Register image;
    TonrufauswerterKonfig page{Loaded(image), 1};
};

TEST_F(PageTonrufauswerterKonfigTest, MaximumOfZeroShowsEvaluationAtTheMinimum) {
    EXPECT_EQ(page.windowTitle(), "Tonrufauswerter Konfiguration");
    EXPECT_EQ(Minimum().text(), "05");
    EXPECT_EQ(Maximum().text(), "00");
    EXPECT_FALSE(Maximum().isEnabled());
    EXPECT_TRUE(Button(page, kAtMinimum).isChecked());
    EXPECT_FALSE(Button(page, "für alle 4 Kreise übernehmen").isChecked());
    EXPECT_EQ(Level().text(), "00128");
    EXPECT_EQ(Level().accessibleName(),
              "für alle Funkkreise einheitlich (0-32767) Standard: 00128");
    QStringList buttons;
    for (QPushButton* button : page.findChildren<QPushButton*>())
        buttons << button->text();
    EXPECT_EQ(buttons, (QStringList{"OK", "Abbrechen"}));
}

TEST_F(PageTonrufauswerterKonfigTest, IntervalWritesTheLengthsOfItsCircuitOnly) {
    Choose(kInInterval);
    ASSERT_TRUE(Maximum().isEnabled());
    Type(Maximum(), "20");
    Button(page, "OK").click();
    EXPECT_EQ(page.result(), QDialog::Accepted);
    for (int reg = 83; reg <= 86; ++reg)
        EXPECT_EQ(image.Value(reg), reg == 84 ? "abcd0520" : "abcd0500") << reg;
    EXPECT_EQ(image.Value(89), "xyz00128");
    EXPECT_TRUE(image.changed);
}

TEST_F(PageTonrufauswerterKonfigTest, TakingOverForAllCircuitsWritesAllFour) {
    Choose(kInInterval);
    Type(Maximum(), "20");
    Button(page, "für alle 4 Kreise übernehmen").click();
    Type(Level(), "300");
    Button(page, "OK").click();
    for (int reg = 83; reg <= 86; ++reg)
        EXPECT_EQ(image.Value(reg), "abcd0520") << reg;
    EXPECT_EQ(image.Value(89), "xyz00300");
}

TEST_F(PageTonrufauswerterKonfigTest, LeavingFieldsCorrectsThemSilently) {
    Choose(kInInterval);
    Type(Maximum(), "20");
    Type(Minimum(), "30");
    ASSERT_EQ(Maximum().text(), "20");
    QTest::keyClick(&Minimum(), Qt::Key_Tab);
    EXPECT_EQ(Maximum().text(), "00");
    EXPECT_TRUE(Button(page, kAtMinimum).isChecked());
    EXPECT_FALSE(Maximum().isEnabled());

    Type(Minimum(), "0");
    QTest::keyClick(&Minimum(), Qt::Key_Tab);
    EXPECT_EQ(Minimum().text(), "10");

    Type(Level(), "40000");
    QTest::keyClick(&Level(), Qt::Key_Tab);
    EXPECT_EQ(Level().text(), "00128");

    Choose(kAtMinimum);
    Choose(kInInterval);
    Type(Maximum(), "5");
    QTest::keyClick(&Maximum(), Qt::Key_Tab);
    EXPECT_EQ(Maximum().text(), "00");
    EXPECT_FALSE(Maximum().isEnabled());
}

TEST_F(PageTonrufauswerterKonfigTest, EnterInAHalfTypedFieldStoresItNormalised) {
    Type(Minimum(), "7");
    QTest::keyClick(&Minimum(), Qt::Key_Return);
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(image.Value(84), "abcd0700");

    Register other;
    other.SetValue(85, "00001030");
    TonrufauswerterKonfig enter(other, 2);
    pagetest::ShowActive(enter);
    auto& level = pagetest::Field<QLineEdit>(enter, kLevelText);
    Type(level, "99999");
    QTest::keyClick(&level, Qt::Key_Enter);
    EXPECT_EQ(enter.result(), QDialog::Accepted);
    EXPECT_EQ(other.Value(89), "00000128");
}

TEST_F(PageTonrufauswerterKonfigTest, CancelLeavesTheImageAlone) {
    Choose(kInInterval);
    Type(Maximum(), "30");
    Button(page, "für alle 4 Kreise übernehmen").click();
    Type(Level(), "1");
    Button(page, "Abbrechen").click();
    EXPECT_EQ(page.result(), QDialog::Rejected);
    for (int reg = 83; reg <= 86; ++reg)
        EXPECT_EQ(image.Value(reg), "abcd0500");
    EXPECT_EQ(image.Value(89), "xyz00128");
    EXPECT_FALSE(image.changed);
}

}  // namespace
}  // namespace orvan
