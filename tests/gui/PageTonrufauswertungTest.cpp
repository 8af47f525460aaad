#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "FakeUserInterface.h"
#include "PageTestSupport.h"
#include "core/Register.h"
#include "pages/TonrufauswerterKonfig.h"
#include "pages/Tonrufauswertung.h"

namespace orvan {
namespace {

using pagetest::Button;
using pagetest::Group;

class PageTonrufauswertungTest : public ::testing::Test {
  protected:
    void SetUp() override { pagetest::ShowActive(page); }

    QGroupBox& Circuit(std::size_t circuit) {
        return Group(page, QStringLiteral("Kreis %1").arg(circuit + 1));
    }
    QAbstractButton& Radio(std::size_t circuit, const QString& text) {
        return Button(Circuit(circuit), text);
    }
    QComboBox& ToneCall(std::size_t circuit) {
        return pagetest::Field<QComboBox>(Circuit(circuit), "Auszuwertender Tonruf:");
    }
    QComboBox& Condition(std::size_t circuit) {
        return pagetest::Field<QComboBox>(Circuit(circuit), "Funkkreisaktivierung:");
    }

    // The page copies the registers when it is built, so they are loaded first.
    static Register& Loaded(Register& image) {
        image.SetValue(41, "36312345");
        image.SetValue(42, "12200000");
        image.SetValue(43, "0110");
        image.SetValue(44, "x9x");
        return image;
    }

    Register image;
    FakeUserInterface ui;
    Tonrufauswertung page{Loaded(image), ui};
};

TEST_F(PageTonrufauswertungTest, ShowsEachCircuitInItsCornerFromItsThreeCharacters) {
    EXPECT_EQ(page.windowTitle(), "Tonrufauswertung");
    const QPoint one = Circuit(0).geometry().topLeft();
    EXPECT_EQ(Circuit(1).geometry().left(), one.x());
    EXPECT_GT(Circuit(1).geometry().top(), one.y());
    EXPECT_GT(Circuit(2).geometry().left(), one.x());
    EXPECT_EQ(Circuit(2).geometry().top(), one.y());
    EXPECT_EQ(Circuit(3).geometry().topLeft(),
              QPoint(Circuit(2).geometry().left(), Circuit(1).geometry().top()));

    EXPECT_EQ(ToneCall(0).currentText(), "1 und 2");
    EXPECT_EQ(Condition(0).currentText(), "Nur wenn kein TX");
    EXPECT_TRUE(Radio(0, "Neuen Kreis zusätzlich an").isChecked());
    EXPECT_TRUE(Radio(0, "Squelch-LED blinkt").isChecked());
    EXPECT_TRUE(Radio(0, "Weckton").isChecked());

    EXPECT_EQ(ToneCall(1).currentText(), "1");
    EXPECT_TRUE(Radio(1, "Nur neuen Kreis an").isChecked());
    EXPECT_TRUE(Radio(1, "Squelch-LED blinkt").isChecked());
    EXPECT_TRUE(Radio(1, "kein Weckton").isChecked());

    EXPECT_EQ(ToneCall(2).currentText(), "Keiner");
    EXPECT_EQ(Condition(2).currentText(), "Nur wenn kein TX und HA aufliegt");
    EXPECT_TRUE(Radio(2, "Squelch-LED blinkt nicht").isChecked());
    EXPECT_TRUE(Radio(2, "Weckton").isChecked());

    // Odd characters: nothing chosen where no option matches.
    EXPECT_EQ(ToneCall(3).currentIndex(), -1);
    EXPECT_EQ(Condition(3).currentIndex(), -1);
    EXPECT_TRUE(Radio(3, "Neuen Kreis zusätzlich an").isChecked());
    for (const char* text :
         {"Squelch-LED blinkt", "Squelch-LED blinkt nicht", "Weckton", "kein Weckton"})
        EXPECT_FALSE(Radio(3, text).isChecked()) << text;

    QStringList conditions;
    for (int item = 0; item < Condition(0).count(); ++item)
        conditions << Condition(0).itemText(item);
    EXPECT_EQ(conditions, (QStringList{"Immer", "Keine Aktivierung", "Nur wenn kein TX",
                                       "Nur wenn kein TX und HA aufliegt"}));
    EXPECT_EQ(Condition(0).accessibleName(), "Funkkreisaktivierung:");
}

TEST_F(PageTonrufauswertungTest, OkWritesEachKindOfChangeAndMarksTheImage) {
    QTest::keyClick(&ToneCall(1), Qt::Key_Down);
    QTest::keyClick(&Condition(1), Qt::Key_Down);
    Radio(1, "Neuen Kreis zusätzlich an").click();
    Radio(1, "Weckton").click();
    Radio(3, "Squelch-LED blinkt nicht").click();
    EXPECT_TRUE(Radio(3, "kein Weckton").isChecked());
    Button(page, "OK").click();

    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(image.Value(41), "36312345");
    EXPECT_EQ(image.Value(42), "25300000");
    EXPECT_EQ(image.Value(43), "0110");
    EXPECT_EQ(image.Value(44), "x90");
    EXPECT_TRUE(image.changed);
}

TEST_F(PageTonrufauswertungTest, CancelLeavesTheImageAlone) {
    QTest::keyClick(&ToneCall(0), Qt::Key_Up);
    Radio(0, "Nur neuen Kreis an").click();
    Radio(2, "Squelch-LED blinkt").click();
    Button(page, "Abbrechen").click();
    EXPECT_EQ(page.result(), QDialog::Rejected);
    EXPECT_EQ(image.Value(41), "36312345");
    EXPECT_EQ(image.Value(43), "0110");
    EXPECT_FALSE(image.changed);
}

TEST_F(PageTonrufauswertungTest, KonfigOpensTheCircuitsEvaluatorWhichWritesOnItsOwnOk) {
    image.SetValue(85, "ABCD0500");
    bool opened = false;
    pagetest::OnNextModal(
        [&](QDialog& evaluator) {
            opened = qobject_cast<TonrufauswerterKonfig*>(&evaluator) != nullptr;
            auto& minimum =
                pagetest::Field<QLineEdit>(Group(evaluator, "Funkkreis 3"), "min. Tonlänge:");
            EXPECT_EQ(minimum.text(), "05");
            minimum.setFocus();
            minimum.selectAll();
            QTest::keyClicks(&minimum, "7");
        },
        "OK");
    Button(Circuit(2), "Konfig...").click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(image.Value(85), "ABCD0700");
    EXPECT_TRUE(page.isVisible());

    pagetest::OnNextModal(
        [](QDialog& evaluator) {
            auto& minimum =
                pagetest::Field<QLineEdit>(Group(evaluator, "Funkkreis 1"), "min. Tonlänge:");
            minimum.setFocus();
            minimum.selectAll();
            QTest::keyClicks(&minimum, "9");
        },
        "Abbrechen");
    Button(Circuit(0), "Konfig...").click();
    EXPECT_EQ(image.Value(83), "00000000");

    Button(page, "Abbrechen").click();
    EXPECT_EQ(image.Value(85), "ABCD0700");
    EXPECT_EQ(image.Value(41), "36312345");
}

TEST_F(PageTonrufauswertungTest, HelpIsAPlainBoxUnderTheProgramsTitle) {
    Button(page, "Hilfe...").click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(ui.messages[0].text.startsWith("Allgemein:\n"));
    EXPECT_TRUE(page.isVisible());
}

}  // namespace
}  // namespace orvan
