#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "FakeUserInterface.h"
#include "PageTestSupport.h"
#include "core/Register.h"
#include "pages/NFSquelchKonfig.h"
#include "pages/Squelchkonfiguration.h"

namespace orvan {
namespace {

using pagetest::Button;
using pagetest::Group;

// A radio button of one circuit's "SQL" or "NF" group.
QAbstractButton& Radio(QWidget& page, std::size_t circuit, const QString& group,
                       const QString& text) {
    return Button(Group(Group(page, QStringLiteral("Funkkreis %1").arg(circuit + 1)), group), text);
}

class PageSquelchkonfigurationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        image.SetValue(2, "10290000");
        image.SetValue(3, "10000000");
        image.SetValue(214, "02604010");
    }

    Register image;
    FakeUserInterface ui;
};

TEST_F(PageSquelchkonfigurationTest, WithoutTheOptionAudioCarrierIsShownButLocked) {
    Squelchkonfiguration page(image, ui);
    pagetest::ShowActive(page);
    EXPECT_EQ(page.windowTitle(), "Squelchkonfiguration");
    EXPECT_TRUE(Radio(page, 0, "SQL", "SQL aktiv high").isChecked());
    EXPECT_TRUE(Radio(page, 1, "SQL", "SQL aktiv low").isChecked());
    EXPECT_TRUE(Radio(page, 0, "NF", "NF an nur bei SQL").isChecked());
    EXPECT_TRUE(Radio(page, 1, "NF", "NF immer an").isChecked());
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        QAbstractButton& fromAudio = Radio(page, circuit, "SQL", "SQL aktiv bei NF*");
        EXPECT_FALSE(fromAudio.isEnabled());
        EXPECT_EQ(fromAudio.isChecked(), circuit >= 2);
    }
    EXPECT_FALSE(Button(page, "Konfiguration NF-Squelch*...").isEnabled());
    EXPECT_FALSE(pagetest::Find<QLabel>(page, "* Programmierung nur mit Option NF-Squelch möglich!")
                     ->isEnabled());

    Button(page, "OK").click();
    EXPECT_EQ(image.Value(2), "10290000");
    EXPECT_TRUE(image.changed);
}

TEST_F(PageSquelchkonfigurationTest, OkWritesTheClickedModes) {
    image.hasAfSquelch = true;
    Squelchkonfiguration page(image, ui);
    pagetest::ShowActive(page);
    EXPECT_TRUE(Radio(page, 0, "SQL", "SQL aktiv bei NF*").isEnabled());
    EXPECT_TRUE(Button(page, "Konfiguration NF-Squelch*...").isEnabled());
    Radio(page, 0, "SQL", "SQL aktiv low").click();
    Radio(page, 3, "SQL", "SQL aktiv high").click();
    Radio(page, 2, "NF", "NF an nur bei SQL").click();
    Radio(page, 0, "NF", "NF immer an").click();
    Button(page, "OK").click();
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(image.Value(2), "00210000");
    EXPECT_EQ(image.Value(3), "00100000");
}

TEST_F(PageSquelchkonfigurationTest, CancelLeavesTheImageAlone) {
    Squelchkonfiguration page(image, ui);
    pagetest::ShowActive(page);
    Radio(page, 0, "SQL", "SQL aktiv low").click();
    Radio(page, 0, "NF", "NF immer an").click();
    Button(page, "Abbrechen").click();
    EXPECT_EQ(page.result(), QDialog::Rejected);
    EXPECT_EQ(image.Value(2), "10290000");
    EXPECT_EQ(image.Value(3), "10000000");
    EXPECT_FALSE(image.changed);
}

TEST_F(PageSquelchkonfigurationTest, AfSquelchPageGetsTheWorkingModesAndCommitsOnItsOwn) {
    image.hasAfSquelch = true;
    image.SetValue(2, "11010000");
    Squelchkonfiguration page(image, ui);
    pagetest::ShowActive(page);
    Radio(page, 1, "SQL", "SQL aktiv bei NF*").click();

    bool opened = false;
    pagetest::OnNextModal(
        [&](QDialog& afSquelch) {
            opened = qobject_cast<NFSquelchKonfig*>(&afSquelch) != nullptr;
            EXPECT_FALSE(Group(afSquelch, "Funkkreis 1").isEnabled());
            EXPECT_TRUE(Group(afSquelch, "Funkkreis 2").isEnabled());
            EXPECT_FALSE(Group(afSquelch, "Funkkreis 3").isEnabled());
            auto& level = pagetest::Field<QLineEdit>(Group(afSquelch, "Funkkreis 2"),
                                                     "NF wird erkannt ab Schwellwert:");
            level.setFocus();
            level.selectAll();
            QTest::keyClicks(&level, "7");
        },
        "OK");
    Button(page, "Konfiguration NF-Squelch*...").click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(image.Value(215), "00070000");
    EXPECT_TRUE(page.isVisible());

    Button(page, "Abbrechen").click();
    EXPECT_EQ(image.Value(2), "11010000");
    EXPECT_EQ(image.Value(215), "00070000");
}

TEST_F(PageSquelchkonfigurationTest, HelpGoesThroughTheUserInterface) {
    Squelchkonfiguration page(image, ui);
    pagetest::ShowActive(page);
    pagetest::ExpectHelp(page, "Hilfe...", ui, "Hilfe Squelchkonfiguration",
                         "Squelchkonfiguration:\n\n");
}

}  // namespace
}  // namespace orvan
