#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "FakeUserInterface.h"
#include "PageTestSupport.h"
#include "core/Register.h"
#include "pages/HeadsetKonfig.h"
#include "pages/NFMute.h"
#include "pages/Sendezeitbegrenzung.h"
#include "pages/TonbandrelaisKonfig.h"

namespace orvan {
namespace {

using pagetest::Button;
using pagetest::Group;

// Replaces the field's text as a user does, the field keeping the focus.
void Type(QLineEdit& field, const char* text) {
    field.setFocus();
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClicks(&field, text);
}

class PageFieldPagesTest : public ::testing::Test {
  protected:
    Register image;
    FakeUserInterface ui;
};

TEST_F(PageFieldPagesTest, TransmitterTimesNormalisedOnLeavingAndOnEnterInAField) {
    image.SetValue(51, "120");
    image.SetValue(55, "101000");
    Sendezeitbegrenzung page(image, ui);
    pagetest::ShowActive(page);
    EXPECT_EQ(page.windowTitle(), "Sendereinstellungen");
    auto field = [&](const char* label) -> QLineEdit& {
        return pagetest::Field<QLineEdit>(page, label);
    };
    QLineEdit& limit = field("Sendezeitbegrenzung in s:");
    QLineEdit& lead = field("Vorlaufzeit vor Tonfolge / FMS in ms:");
    QLineEdit& trailing = field("Nachaufzeit nach Tonfolge / FMS in ms:");
    QLineEdit& preKeying = field("Vortastzeit ohne NF in ms:");
    EXPECT_EQ(limit.text(), "120");
    EXPECT_EQ(lead.text(), "100");
    EXPECT_EQ(trailing.text(), "100");
    EXPECT_EQ(preKeying.text(), "000");

    Type(preKeying, "2000");
    EXPECT_EQ(preKeying.text(), "200") << "three digits at most";
    QTest::keyClick(&preKeying, Qt::Key_Tab);
    EXPECT_EQ(preKeying.text(), "100") << "capped at the lead time";
    Type(lead, "255");
    QTest::keyClick(&lead, Qt::Key_Tab);
    EXPECT_EQ(lead.text(), "250");
    Type(limit, "5");
    QTest::keyClick(&limit, Qt::Key_Tab);
    EXPECT_EQ(limit.text(), "5") << "the limit is padded at OK only";
    Type(trailing, "7");
    QTest::keyClick(&trailing, Qt::Key_Return);
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(image.Value(51), "005");
    EXPECT_EQ(image.Value(55), "257010");
    EXPECT_TRUE(image.changed);
}

TEST_F(PageFieldPagesTest, TapeRelayRefusesAFollowOnTimeOutOfRangeAndStaysOpen) {
    image.SetValue(12, "101");
    image.SetValue(13, "005");
    TonbandrelaisKonfig page(image, ui);
    pagetest::ShowActive(page);
    EXPECT_EQ(page.windowTitle(), "Tonbandrelais Konfiguration");
    EXPECT_TRUE(Button(page, "REL mit TX an").isChecked());
    EXPECT_FALSE(Button(page, "REL mit jedem SQL an").isChecked());
    EXPECT_TRUE(Button(page, "REL mit SQL auf aktiviertem Kreis an").isChecked());
    auto& followOn = pagetest::Field<QLineEdit>(page, "Nachlaufzeit in s:");
    EXPECT_EQ(followOn.text(), "5");

    Button(page, "REL mit jedem SQL an").click();
    for (const char* typed : {"656", ""}) {
        Type(followOn, typed);
        Button(page, "REL mit TX an").setFocus();
        Button(page, "OK").click();
        EXPECT_TRUE(page.isVisible()) << typed;
        EXPECT_TRUE(followOn.hasFocus()) << typed;
    }
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Geben Sie eine ganze Zahl zwischen 0 und 655 ein.");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(ui.messages[1].text, "Geben Sie eine ganze Zahl ein.");
    EXPECT_EQ(image.Value(12), "101");
    EXPECT_EQ(image.Value(13), "005");
    EXPECT_FALSE(image.changed);

    Type(followOn, "0");
    QTest::keyClick(&followOn, Qt::Key_Return);
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(image.Value(12), "111");
    EXPECT_EQ(image.Value(13), "000");
    EXPECT_TRUE(image.changed);
}

TEST_F(PageFieldPagesTest, TapeRelayCancelAfterARefusedOkWritesNothing) {
    image.SetValue(13, "005");
    TonbandrelaisKonfig page(image, ui);
    pagetest::ShowActive(page);
    Type(pagetest::Field<QLineEdit>(page, "Nachlaufzeit in s:"), "656");
    Button(page, "OK").click();
    Button(page, "Abbrechen").click();
    EXPECT_EQ(page.result(), QDialog::Rejected);
    EXPECT_EQ(image.Value(13), "005");
    EXPECT_FALSE(image.changed);
}

TEST_F(PageFieldPagesTest, HeadsetListsAndThresholdFilledOnTheRightAtOk) {
    image.SetValue(14, "20");
    image.SetValue(15, "975");
    HeadsetKonfig page(image, ui);
    pagetest::ShowActive(page);
    EXPECT_EQ(page.windowTitle(), "Headset Konfiguration");
    auto& ptt = pagetest::Field<QComboBox>(page, "Mikro für SH-Taste (PTT):");
    auto& foot = pagetest::Field<QComboBox>(page, "Mikro für HS-Taste (Fußtaster):");
    EXPECT_EQ(ptt.currentText(), "SH/HS Mikro*");
    EXPECT_EQ(foot.currentText(), "SH-Mikro");
    auto& threshold =
        pagetest::Field<QLineEdit>(Group(page, "Schwellwertspannung"),
                                   "Schwellwertspannung für AD-Wandler für Headseterkennung:");
    EXPECT_EQ(threshold.text(), "975");

    foot.setFocus();
    QTest::keyClick(&foot, Qt::Key_Down);
    Type(threshold, "5");
    QTest::keyClick(&threshold, Qt::Key_Return);
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(image.Value(14), "21");
    EXPECT_EQ(image.Value(15), "500");
    EXPECT_TRUE(image.changed);
}

class PageNFMuteTest : public PageFieldPagesTest {
  protected:
    void SetUp() override {
        const char* pairs[] = {"0320", "0420", "0525", "0630"};
        for (int circuit = 0; circuit < 4; ++circuit)
            image.SetValue(210 + circuit, pairs[circuit]);
    }

    static QLineEdit& Field(QWidget& page, int circuit, const char* label) {
        return pagetest::Field<QLineEdit>(Group(page, QString("Funkkreis %1").arg(circuit)), label);
    }

    static constexpr const char* kMute = "Wert, unter dem NF-Mute aktiviert wird:";
    static constexpr const char* kRelease = "Wert, über dem \nNF-Mute deaktiviert wird:";
};

TEST_F(PageNFMuteTest, ForAllLocksTheOtherCircuitsAndOkWritesCircuitOnesPairEverywhere) {
    NFMute page(image, ui);
    pagetest::ShowActive(page);
    EXPECT_EQ(page.windowTitle(), "Geräuschunterdrückung (NF-Mute)");
    EXPECT_EQ(Field(page, 3, kMute).text(), "05");
    EXPECT_EQ(Field(page, 4, kRelease).text(), "30");
    auto& forAll = Button(Group(page, "Funkkreis 1"), "Für alle Funkkreise übernehmen");
    EXPECT_FALSE(forAll.isChecked());
    forAll.click();
    EXPECT_FALSE(Field(page, 2, kMute).isEnabled());
    EXPECT_FALSE(Field(page, 4, kRelease).isEnabled());
    EXPECT_TRUE(Field(page, 1, kRelease).isEnabled());
    EXPECT_EQ(Field(page, 3, kMute).text(), "05");
    Button(page, "OK").click();
    for (int reg = 210; reg <= 213; ++reg)
        EXPECT_EQ(image.Value(reg), "0320") << reg;
    EXPECT_TRUE(image.changed) << "an edit here must reach the save question at exit";
}

TEST_F(PageNFMuteTest, UncheckingForAllAgainWritesEachCircuitsOwnPair) {
    NFMute page(image, ui);
    pagetest::ShowActive(page);
    auto& forAll = Button(page, "Für alle Funkkreise übernehmen");
    forAll.click();
    forAll.click();
    EXPECT_TRUE(Field(page, 3, kMute).isEnabled());
    QLineEdit& field = Field(page, 2, kMute);
    Type(field, "5");
    QTest::keyClick(&field, Qt::Key_Tab);
    EXPECT_EQ(field.text(), "05");
    QLineEdit& release = Field(page, 4, kRelease);
    Type(release, "7");
    QTest::keyClick(&release, Qt::Key_Return);
    EXPECT_EQ(page.result(), QDialog::Accepted);
    EXPECT_EQ(image.Value(210), "0320");
    EXPECT_EQ(image.Value(211), "0520");
    EXPECT_EQ(image.Value(212), "0525");
    EXPECT_EQ(image.Value(213), "0607");
}

TEST_F(PageNFMuteTest, CancelLeavesTheImageAlone) {
    NFMute page(image, ui);
    pagetest::ShowActive(page);
    Button(page, "Für alle Funkkreise übernehmen").click();
    Type(Field(page, 1, kMute), "9");
    QTest::keyClick(&page, Qt::Key_Escape);
    EXPECT_EQ(page.result(), QDialog::Rejected);
    EXPECT_EQ(image.Value(211), "0420");
    EXPECT_EQ(image.Value(210), "0320");
    EXPECT_FALSE(image.changed);
}

TEST_F(PageFieldPagesTest, HelpOfEachPage) {
    Sendezeitbegrenzung transmitter(image, ui);
    pagetest::ShowActive(transmitter);
    pagetest::ExpectHelp(transmitter, "Hilfe...", ui, "Hilfe Sendezeitbegrenzung",
                         "Sendezeitbegrenzung:\nHier kann");
    ui.messages.clear();
    TonbandrelaisKonfig tapeRelay(image, ui);
    pagetest::ShowActive(tapeRelay);
    pagetest::ExpectHelp(tapeRelay, "Hilfe...", ui, "Hilfe Tonbandrelais Konfiguration",
                         "Tonbandrelais Konfiguration:\n\n");
    ui.messages.clear();
    HeadsetKonfig headset(image, ui);
    pagetest::ShowActive(headset);
    pagetest::ExpectHelp(headset, "Hilfe...", ui, "Hilfe Headsetkonfiguration",
                         "Headset Konfiguration:\n\n");
    ui.messages.clear();
    NFMute noise(image, ui);
    pagetest::ShowActive(noise);
    Button(noise, "Hilfe...").click();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "Hilfe Geräuschunterdrückung (NF-Mute)");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(ui.messages[0].text.endsWith("separat definiert werden.\n\n"));
}

}  // namespace
}  // namespace orvan
