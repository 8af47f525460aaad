#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "procedures/model/ProcedureTexts.h"

namespace orvan {
namespace {

const std::string kReport = "aktuell: +01.5 dB  Pegel: 287 mV\r\n";

struct DisplayCase {
    const char* name;
    std::string text;
    bool input;
    std::optional<std::string> setting;
    std::optional<std::string> level;
};

TEST(ReadPotiDisplay, KeepsOneCompleteReportAndReadsIt) {
    const DisplayCase cases[] = {
        {"input stream cut anywhere", "l: +01.4 dB  Pegel: 280 mV\r\n" + kReport + "aktu", true,
         "+01.5", "287"},
        {"input: the newest complete report",
         kReport + "aktuell: -06.0 dB  Pegel: 100 mV\r\n" + "a", true, "-06.0", "100"},
        {"input: one report without its successor is not complete", kReport, true, std::nullopt,
         std::nullopt},
        {"input: without Pegel the level stays", "aktuell: +19.5 dB\r\na", true, "+19.5",
         std::nullopt},
        {"input: level cut short", "aktuell: +19.5 dB  Pegel: 3a", true, "+19.5", std::nullopt},
        {"input: setting cut short", "aktuell: +1a", true, std::nullopt, std::nullopt},
        {"input: no a at all", "0123456789", true, std::nullopt, std::nullopt},
        {"other: the last report", "Wert gespeichert\r\naktuell: 128\r\n", false, "128",
         std::nullopt},
        {"other: a later a hides the report", "aktuell: 128\r\nSender aus", false, std::nullopt,
         std::nullopt},
        {"other: setting cut short", "aktuell: 12", false, std::nullopt, std::nullopt},
        {"other: three characters exactly at the end", "aktuell: 007", false, "007", std::nullopt},
        {"empty", "", false, std::nullopt, std::nullopt},
    };
    for (const DisplayCase& c : cases) {
        const PotiReading reading = ReadPotiDisplay(c.text, c.input);
        EXPECT_EQ(reading.setting, c.setting) << c.name;
        EXPECT_EQ(reading.level, c.level) << c.name;
    }
}

TEST(ReadStartValue, TakesTheThreeCharactersAfterTheBlank) {
    EXPECT_EQ(ReadStartValue("Poti 6\r\nStartwert: 128\r\nTasten: + -"), "128");
    EXPECT_EQ(ReadStartValue("Startwert: 128"), "128");
    EXPECT_EQ(ReadStartValue("Startwert: 12"), std::nullopt);
    EXPECT_EQ(ReadStartValue("Startwert:"), std::nullopt);
    EXPECT_EQ(ReadStartValue("Tasten: + - * _"), std::nullopt);
}

TEST(ReadHeadsetConnected, ACutOffKeinNeverPassesForAConnectedHeadset) {
    const std::string none = "kein Headset angeschlossen\r\n";
    for (std::size_t cut = 0; cut <= none.size(); ++cut) {
        const std::string kept = none.substr(cut) + none;
        EXPECT_EQ(ReadHeadsetConnected(kept), false) << kept;
        const std::string alone = none.substr(cut);
        EXPECT_NE(ReadHeadsetConnected(alone), true) << alone;
    }
}

TEST(ReadHeadsetConnected, JudgesTheNewestCompleteReport) {
    const std::string none = "kein Headset angeschlossen\r\n";
    const std::string plugged = "Headset angeschlossen\r\n";
    EXPECT_EQ(ReadHeadsetConnected(none + plugged), true);
    EXPECT_EQ(ReadHeadsetConnected(plugged + none), false);
    EXPECT_EQ(ReadHeadsetConnected("Messung\r\n" + plugged + "Headset ang"), true);
    EXPECT_EQ(ReadHeadsetConnected("\r\n" + plugged), std::nullopt) << "front not visible";
    EXPECT_EQ(ReadHeadsetConnected("Messung abgeschlossen.\r\n"), std::nullopt);
}

}  // namespace
}  // namespace orvan
