#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "pages/model/Gain.h"
#include "pages/model/Tenths.h"

namespace orvan {
namespace {

TEST(Tenths, TypedNumbersAreExactTenthsRoundedDown) {
    struct Case {
        const char* typed;
        long long tenths;
        bool rounded;
    };
    const Case cases[] = {
        {"1.3", 13, false},    {"0.7", 7, false},    {"-0.1", -1, false}, {"-1.25", -13, true},
        {"1.29", 12, true},    {"19.5", 195, false}, {"-6", -60, false},  {"1.30", 13, false},
        {" +2.5 ", 25, false}, {".5", 5, false},     {"3.", 30, false},   {"-0", 0, false},
        {"-0.01", -1, true},   {"0.05", 0, true},    {"007", 70, false},
    };
    for (const Case& c : cases) {
        const std::optional<Tenths::Reading> reading = Tenths::Parse(c.typed);
        ASSERT_TRUE(reading) << c.typed;
        EXPECT_EQ(reading->value.Count(), c.tenths) << c.typed;
        EXPECT_EQ(reading->rounded, c.rounded) << c.typed;
    }
}

TEST(Tenths, TextThatIsNoNumberIsRefused) {
    for (const char* typed : {"1,5", "", " ", "-", ".", "1.2.3", "abc", "1e1", "--1", "+-1", "1 5"})
        EXPECT_FALSE(Tenths::Parse(typed)) << typed;
}

TEST(Tenths, AbsurdlyLongNumbersSaturateInsteadOfWrapping) {
    const std::optional<Tenths::Reading> huge = Tenths::Parse(std::string(40, '9'));
    ASSERT_TRUE(huge);
    EXPECT_GT(huge->value.Count(), 195);
    const std::optional<Tenths::Reading> tiny = Tenths::Parse("-" + std::string(40, '9'));
    ASSERT_TRUE(tiny);
    EXPECT_LT(tiny->value.Count(), -60);
}

TEST(Tenths, ShownInTheShortestDecimalForm) {
    struct Case {
        long long tenths;
        const char* text;
    };
    const Case cases[] = {{-60, "-6"},  {0, "0"},      {15, "1.5"}, {195, "19.5"},
                          {-1, "-0.1"}, {-13, "-1.3"}, {100, "10"}};
    for (const Case& c : cases)
        EXPECT_EQ(Tenths(c.tenths).Text(), c.text);
}

TEST(Gain, LeavingTheFieldZeroesOutOfRangeAndRoundsDownToATenth) {
    struct Case {
        const char* typed;
        const char* shown;
        const char* stored;
    };
    const Case cases[] = {
        {"1.3", "1.3", "073"},    {"0.7", "0.7", "067"},  {"-0.1", "-0.1", "059"},
        {"-1.25", "-1.3", "047"}, {"1.29", "1.2", "072"}, {"19.5", "19.5", "255"},
        {"-6", "-6", "000"},      {"25", "0", "060"},     {"-7", "0", "060"},
        {"19.55", "0", "060"},    {"-6.01", "0", "060"},  {"-6.0", "-6", "000"},
        {"", "", "075"},  // no number: the gain read stays
    };
    for (const Case& c : cases) {
        Gain gain("075");
        gain.SetText(c.typed);
        EXPECT_EQ(gain.Stored(), c.stored) << c.typed;
        gain.Normalise();
        EXPECT_EQ(gain.Text(), c.shown) << c.typed;
        EXPECT_EQ(gain.Stored(), c.stored) << c.typed;
    }
}

TEST(Gain, StoredCodesReadAsDecibelsAndOddOnesAreNamed) {
    struct Case {
        const char* stored;
        const char* shown;
        const char* words;
        const char* written;
    };
    const Case cases[] = {
        {"075", "1.5", "1.5 dB", "075"},
        {"000", "-6", "-6 dB", "000"},
        {"255", "19.5", "19.5 dB", "255"},
        {"060", "0", "0 dB", "060"},
        {"999", "93.9", "0 dB (gespeichert: 999)", "060"},
        {"7x5", "-5.3", "-5.3 dB (gespeichert: 7x5)", "007"},
        {"abc", "-6", "-6 dB (gespeichert: abc)", "000"},
    };
    for (const Case& c : cases) {
        const Gain gain(c.stored);
        EXPECT_EQ(gain.Text(), c.shown) << c.stored;
        EXPECT_EQ(gain.Words(), c.words) << c.stored;
        EXPECT_EQ(gain.Stored(), c.written) << c.stored;
    }
}

}  // namespace
}  // namespace orvan
