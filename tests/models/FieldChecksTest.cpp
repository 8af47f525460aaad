#include <gtest/gtest.h>

#include "pages/model/FieldChecks.h"

namespace orvan {
namespace {

const std::string kNoNumber = "Geben Sie eine ganze Zahl ein.";
const std::string kOutOfRange = "Geben Sie eine ganze Zahl zwischen 0 und 655 ein.";

TEST(FieldChecks, IntegersWithinTheRangePass) {
    for (const char* text : {"0", "5", "655", " 42 ", "+7", "007"}) {
        EXPECT_EQ(WholeNumberProblem(text, 0, 655), std::nullopt) << text;
    }
}

TEST(FieldChecks, TextThatIsNoIntegerAsksForOne) {
    for (const char* text : {"", "  ", "abc", "12a", "1.5", "-", "+", "+-3", "++3", "3 4"}) {
        EXPECT_EQ(WholeNumberProblem(text, 0, 655), kNoNumber) << text;
    }
}

TEST(FieldChecks, IntegerOutsideTheRangeNamesTheBounds) {
    EXPECT_EQ(WholeNumberProblem("656", 0, 655), kOutOfRange);
    EXPECT_EQ(WholeNumberProblem("-1", 0, 655), kOutOfRange);
    EXPECT_EQ(WholeNumberProblem("99999999999999999999999", 0, 655), kOutOfRange);
    EXPECT_EQ(WholeNumberProblem("-99999999999999999999999", 0, 655), kOutOfRange);
}

TEST(FieldChecks, ParsedValueIsTheNumberTyped) {
    EXPECT_EQ(ParseWholeNumber(" 120"), 120);
    EXPECT_EQ(ParseWholeNumber("-3"), -3);
    EXPECT_EQ(ParseWholeNumber("x"), std::nullopt);
}

TEST(FieldChecks, LengthCountsCharactersNotBytes) {
    EXPECT_EQ(TextLengthProblem("äöü", 3), std::nullopt);
    EXPECT_EQ(TextLengthProblem("äöüß", 3), "Geben Sie nicht mehr als 3 Zeichen ein.");
    EXPECT_EQ(TextLengthProblem("", 0), std::nullopt);
}

}  // namespace
}  // namespace orvan
