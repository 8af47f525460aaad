#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "CatalogueTestSupport.h"
#include "core/Register.h"
#include "pages/model/TonrufauswertungModel.h"

namespace orvan {
namespace {

// The activation digit of circuit 1 as the page reads it, and what an untouched OK writes.
struct ActivationRow {
    char stored;
    std::string_view condition;  // the list's text, empty when none is shown
    bool addsCircuit;
};

TEST(TonrufauswertungModel, ActivationDigitIsConditionPlusFourTimesMode) {
    const ActivationRow rows[] = {
        {'0', "Keine Aktivierung", false},
        {'1', "Nur wenn kein TX und HA aufliegt", false},
        {'2', "Nur wenn kein TX", false},
        {'3', "Immer", false},
        {'4', "Keine Aktivierung", true},
        {'5', "Nur wenn kein TX und HA aufliegt", true},
        {'6', "Nur wenn kein TX", true},
        {'7', "Immer", true},
        // No combination: nothing shown, the mode as its hexadecimal value says.
        {'8', "", true},
        {'C', "", true},
        {'F', "", true},
        {'a', "", false},
        {'x', "", false},
    };
    for (const ActivationRow& row : rows) {
        SCOPED_TRACE(std::string("stored ") + row.stored);
        Register image;
        image.SetValue(41, std::string("1") + row.stored + "2ABCDE");
        TonrufauswertungModel model(image);
        EXPECT_EQ(model.Activation(0).Condition().ShownText(), row.condition);
        EXPECT_EQ(model.Activation(0).AddsCircuit(), row.addsCircuit);
        model.Commit(image);
        EXPECT_EQ(image.Value(41), std::string("1") + row.stored + "2ABCDE");
    }
}

TEST(TonrufauswertungModel, ChosenConditionAndModeAreCombined) {
    struct Row {
        char stored;
        std::optional<std::string_view> condition;  // chosen from the list
        std::optional<bool> addsCircuit;            // clicked
        char written;
    };
    const Row rows[] = {
        {'2', std::nullopt, true, '6'},
        {'6', "Immer", false, '3'},
        {'6', "Keine Aktivierung", std::nullopt, '4'},
        {'0', "Nur wenn kein TX und HA aufliegt", true, '5'},
        {'9', "Nur wenn kein TX", std::nullopt, '6'},
        {'x', "Immer", std::nullopt, '3'},
        // An odd digit stays until a condition is chosen; no sum would give it back.
        {'C', std::nullopt, true, 'C'},
        {'9', std::nullopt, false, '9'},
        {'x', "not an option", true, 'x'},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("stored ") + row.stored);
        Register image;
        image.SetValue(43, std::string("0") + row.stored + "0");
        TonrufauswertungModel model(image);
        if (row.condition)
            model.Activation(2).Condition().ChooseText(*row.condition);
        if (row.addsCircuit)
            model.Activation(2).SetAddsCircuit(*row.addsCircuit);
        model.Commit(image);
        EXPECT_EQ(image.CharAt(43, 1), row.written);
    }
}

TEST(TonrufauswertungModel, ConditionListIsSortedWithImmerFirst) {
    Register image;
    TonrufauswertungModel model(image);
    std::vector<std::string_view> texts;
    for (const ChoiceOption& option : model.Activation(0).Condition().Options())
        texts.push_back(option.text);
    EXPECT_EQ(texts,
              (std::vector<std::string_view>{"Immer", "Keine Aktivierung", "Nur wenn kein TX",
                                             "Nur wenn kein TX und HA aufliegt"}));
}

TEST(TonrufauswertungModel, NotificationBitsAreWakeUpToneOneAndBlinkingLedTwo) {
    struct Row {
        char stored;
        std::optional<bool> ledBlinks;
        std::optional<bool> wakeUpTone;
    };
    const Row rows[] = {{'0', false, false},
                        {'1', false, true},
                        {'2', true, false},
                        {'3', true, true},
                        {'4', std::nullopt, std::nullopt},
                        {'x', std::nullopt, std::nullopt}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("stored ") + row.stored);
        Register image;
        image.SetValue(44, std::string("00") + row.stored);
        TonrufauswertungModel model(image);
        EXPECT_EQ(model.Notification(3).LedBlinks(), row.ledBlinks);
        EXPECT_EQ(model.Notification(3).WakeUpTone(), row.wakeUpTone);
        model.Commit(image);
        EXPECT_EQ(image.CharAt(44, 2), row.stored);
    }
}

TEST(TonrufauswertungModel, SettingOneNotificationKeepsTheOther) {
    Register image;
    image.SetValue(41, "002");
    image.SetValue(42, "001");
    image.SetValue(43, "00x");
    TonrufauswertungModel model(image);
    model.Notification(0).SetWakeUpTone(true);
    model.Notification(1).SetLedBlinks(true);
    model.Notification(1).SetWakeUpTone(false);
    // An odd character: the other pair counts as off, as the page then shows it.
    model.Notification(2).SetLedBlinks(true);
    EXPECT_EQ(model.Notification(2).WakeUpTone(), false);
    model.Commit(image);
    EXPECT_EQ(image.CharAt(41, 2), '3');
    EXPECT_EQ(image.CharAt(42, 2), '2');
    EXPECT_EQ(image.CharAt(43, 2), '2');
}

TEST(TonrufauswertungModel, OkWritesOnlyTheFirstThreeCharactersAndMarksTheImage) {
    Register image;
    image.SetValue(40, "99999999");
    image.SetValue(41, "36312345");
    image.SetValue(42, "9z");
    image.SetValue(43, "");
    image.SetValue(44, "0000000000");
    image.SetValue(45, "88888888");
    TonrufauswertungModel model(image);
    EXPECT_EQ(model.ToneCall(0).ShownText(), "1 und 2");
    EXPECT_EQ(model.ToneCall(1).ShownText(), "");
    model.ToneCall(3).ChooseText("2");
    model.Commit(image);
    EXPECT_EQ(image.Value(40), "99999999");
    EXPECT_EQ(image.Value(41), "36312345");
    EXPECT_EQ(image.Value(42), "9z0");
    EXPECT_EQ(image.Value(43), "000");
    EXPECT_EQ(image.Value(44), "2000000000");
    EXPECT_EQ(image.Value(45), "88888888");
    EXPECT_TRUE(image.changed);
}

TEST(TonrufauswertungModel, HelpIsAPlainBoxUnderTheProgramsTitle) {
    const HelpText help = TonrufauswertungModel::Help();
    EXPECT_EQ(help.caption, "");
    EXPECT_EQ(help.icon, MessageIcon::None);
    EXPECT_TRUE(
        help.text.starts_with("Allgemein:\nDie Tonrufauswertung ist nur mit der Option "
                              "Geber/Auswerter verfügbar.\n\nAuszuwertender Tonruf:\n"));
    EXPECT_NE(help.text.find("Schaltfläche \"Konfig...\" geändert werden.\n\n"), std::string::npos);
    EXPECT_TRUE(help.text.ends_with("und/oder den Weckton programmiert werden\n\n"));
}

TEST(TonrufauswertungModel, SettingsCircuitByCircuitCoverWhatOkWrites) {
    Register image;
    image.SetValue(42, "2619");
    image.SetValue(44, "x8x");
    const std::vector<NamedSetting> settings = TonrufauswertungModel(image).Settings();
    ASSERT_EQ(settings.size(), 12u);
    EXPECT_EQ(settings[3].page, "Tonrufauswertung");
    EXPECT_EQ(settings[3].name, "Kreis 2 › Auszuwertender Tonruf");
    EXPECT_EQ(settings[3].words, "2");
    EXPECT_EQ(settings[4].name, "Kreis 2 › Funkkreisaktivierung");
    EXPECT_EQ(settings[4].words, "Nur wenn kein TX, Neuen Kreis zusätzlich an");
    EXPECT_EQ(settings[5].name, "Kreis 2 › Benachrichtigungen bei Kreisaktivierung");
    EXPECT_EQ(settings[5].words, "Squelch-LED blinkt nicht, Weckton");
    EXPECT_EQ(settings[9].words, "x");
    EXPECT_EQ(settings[10].words, "8");
    EXPECT_EQ(settings[11].words, "x");

    FillDistinct(image);
    ExpectListCoversCommit(TonrufauswertungModel(image));
}

}  // namespace
}  // namespace orvan
