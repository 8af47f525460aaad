#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "sim/SimCommandLine.h"
#include "sim/SimulatedUnit.h"

namespace orvan::sim {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Keys as the procedures send them, and what a stream gives over the time that passes.
struct Console {
    explicit Console(UnitOptions options = {}) : unit(std::move(options)) {}
    std::string Keys(std::string_view keys) { return unit.Receive(keys); }
    std::string StreamFor(milliseconds span) {
        std::string out = unit.Spontaneous(now);
        for (auto end = now + span; now < end;) {
            now += milliseconds(5);
            out += unit.Spontaneous(now);
        }
        return out;
    }
    SimulatedUnit unit;
    Clock::time_point now = Clock::now();
};

bool Has(const std::string& text, std::string_view word) {
    return text.find(word) != std::string::npos;
}

TEST(TextMode, MenusLeadToAPotentiometerWhoseLeavingSaysEnde) {
    Console console;
    EXPECT_EQ(console.Keys("xx\n"), "") << "outside the service mode";
    std::string menu = console.Keys("\r");
    menu += console.Keys("A\r");
    menu += console.Keys("A\r");
    menu += console.Keys("\rA\r");
    EXPECT_TRUE(Has(menu, "Ausgang zum Tonband"));
    for (std::string_view word : {"Ende", "Tasten:", "Startwert:"})
        EXPECT_FALSE(Has(menu, word)) << word;
    const std::string chosen = console.Keys("6\r");
    EXPECT_TRUE(Has(chosen, "Startwert: 128\r\nTasten:"));
    EXPECT_TRUE(Has(console.Keys("x"), "Ende"));
    EXPECT_TRUE(Has(console.Keys("\r6\r"), "Startwert: 128"));
    EXPECT_EQ(console.Keys("+"), "aktuell: 129\r\n");
    EXPECT_EQ(console.Keys("xxx\r").find("aktuell"), std::string::npos);
    EXPECT_FALSE(console.unit.Text().Active());
}

TEST(TextMode, StepsAndLimitsOfInputsAndOthers) {
    const struct {
        int poti;
        const char* keys;
        int setting;
    } cases[] = {
        {1, "+", 1},
        {1, "*", 10},
        {1, "-_", -11},
        {1, "d", 0},
        {1, "a", 60},
        {2, "a", 35},
        {4, "a", -20},
        {1, "________", -60},
        {3, "**********************", 195},
        {5, "+", 161},
        {5, "*_-", 159},
        {9, "********************", 255},
        {6, "d", 128},
        {7, "______________________", 0},
    };
    for (const auto& c : cases) {
        Console console;
        console.Keys("\rA\r" + std::to_string(c.poti) + "\r");
        console.Keys(c.keys);
        EXPECT_EQ(console.unit.Text().Setting(c.poti), c.setting) << c.poti << " " << c.keys;
    }
    Console console;
    console.Keys("\rA\r1\ra");
    EXPECT_EQ(console.unit.Text().Level(1), 300);
}

TEST(TextMode, InputsStreamReportsAtLineSpeedWithASingleA) {
    Console console;
    console.Keys("\rA\r2\r+");
    const std::string stream = console.StreamFor(milliseconds(200));
    EXPECT_GT(stream.size(), 150u);
    EXPECT_LT(stream.size(), 230u) << "no faster than 9600 baud";
    const std::string report = "aktuell: +00.1 dB  Pegel: 203 mV\r\n";
    EXPECT_TRUE(stream.starts_with(report + report));
    EXPECT_EQ(report.find('a', 1), std::string::npos);
}

TEST(TextMode, OnlyAStoredSettingOutlivesLeaving) {
    Console console;
    console.Keys("\rA\r5\r++p+");
    EXPECT_EQ(console.unit.Text().Setting(5), 163);
    console.Keys("$PROGSTART\r");
    EXPECT_FALSE(console.unit.Text().Active());
    EXPECT_EQ(console.unit.Text().Setting(5), 162);
    console.Keys("\rA\r8\r+x");
    EXPECT_EQ(console.unit.Text().Setting(8), 96);
}

TEST(TextMode, HeadsetPromptThenStatusStreamThatFollowsThePlug) {
    Console console;
    const std::string prompt = console.Keys("\rH\r");
    EXPECT_TRUE(Has(prompt, "Druecken Sie danach bitte eine Taste."));
    EXPECT_EQ(console.StreamFor(milliseconds(50)), "") << "waits for the key";
    console.Keys(" ");
    EXPECT_TRUE(console.StreamFor(milliseconds(60)).starts_with("kein Headset angeschlossen\r\n"));
    console.unit.Text().SetHeadsetPlugged(true);
    EXPECT_TRUE(Has(console.StreamFor(milliseconds(60)), "\nHeadset angeschlossen\r\n"));
    console.Keys("p");
    EXPECT_EQ(console.unit.Text().HeadsetCalibrationsStored(), 1);
    console.Keys("xxx\r");
    EXPECT_FALSE(console.unit.Text().Active());
    EXPECT_EQ(console.StreamFor(milliseconds(20)), "");
}

TEST(TextMode, FaultsSilenceFloodDotsAndAStoppingStream) {
    Console silent(UnitOptions{.fault = Fault::Silent});
    EXPECT_EQ(silent.Keys("\rA\r1\r"), "");
    EXPECT_EQ(silent.StreamFor(milliseconds(50)), "");
    EXPECT_EQ(silent.unit.Text().Setting(1), 0);

    for (TextFault fault : {TextFault::Flood, TextFault::Dots}) {
        Console endless(UnitOptions{.textFault = fault});
        EXPECT_EQ(endless.Keys("\r"), "");
        const std::string stream = endless.StreamFor(milliseconds(300));
        EXPECT_GT(stream.size(), 200u);
        for (std::string_view word : {"Ende", "Tasten:", "aktuell:", "Startwert:", "Headset"})
            EXPECT_FALSE(Has(stream, word));
        if (fault == TextFault::Dots) {
            EXPECT_EQ(stream.find_first_not_of('.'), std::string::npos);
        } else {
            EXPECT_EQ(stream.find(".."), std::string::npos);
        }
    }

    Console stopping(UnitOptions{.textFault = TextFault::StreamStops, .streamLimit = 2});
    stopping.Keys("\rH\r ");
    const std::string stream = stopping.StreamFor(milliseconds(300));
    EXPECT_EQ(stream, "kein Headset angeschlossen\r\nkein Headset angeschlossen\r\n");
    EXPECT_EQ(stopping.Keys("x"), "") << "silent for good";
}

TEST(TextModeCommandLine, HeadsetAndTextFaults) {
    const struct {
        std::vector<std::string> args;
        TextFault fault;
        int limit;
        bool headset;
    } cases[] = {
        {{"--headset"}, TextFault::None, 0, true},
        {{"--fault", "text-flood"}, TextFault::Flood, 0, false},
        {{"--fault", "dots"}, TextFault::Dots, 0, false},
        {{"--fault", "stream-stops:7", "--headset"}, TextFault::StreamStops, 7, true},
    };
    for (const auto& c : cases) {
        const SimCommandLine line = ParseSimCommandLine(c.args, "/tmp");
        EXPECT_EQ(line.error, "") << c.args[0];
        EXPECT_EQ(line.unit.textFault, c.fault) << c.args[0];
        EXPECT_EQ(line.unit.streamLimit, c.limit) << c.args[0];
        EXPECT_EQ(line.unit.headsetPlugged, c.headset) << c.args[0];
    }
    EXPECT_NE(ParseSimCommandLine({"--fault", "stream-stops:x"}, "/tmp").error, "");
    for (std::string_view word : {"SIGUSR1", "xxx", "Startwert:", "Headset angeschlossen"})
        EXPECT_TRUE(Has(SimUsage(), word)) << word;
}

}  // namespace
}  // namespace orvan::sim
