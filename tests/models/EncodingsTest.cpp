#include <gtest/gtest.h>

#include "core/Register.h"
#include "pages/model/Binding.h"

namespace orvan {
namespace {

constexpr ChoiceOption kBusyOptions[] = {
    {'0', "BUSY immer aus"}, {'1', "BUSY aktiv bei TX aktiv"}, {'2', "BUSY aktiv bei Kreis an"}};
constexpr ChoiceTable kListWithoutFallback{kBusyOptions, std::nullopt};
constexpr ChoiceTable kGroupFallingBackToLast{kBusyOptions, 2};

TEST(Flag, OnlyOneIsOnByDefault) {
    EXPECT_TRUE(Flag('1').IsOn());
    EXPECT_FALSE(Flag('0').IsOn());
    EXPECT_FALSE(Flag('x').IsOn());
    EXPECT_EQ(Flag('x').Stored(), "0");
}

TEST(Flag, AnyButZeroReadingTakesOddCharactersAsOn) {
    const Flag flag('7', Flag::Reading::AnyButZeroIsOn);
    EXPECT_TRUE(flag.IsOn());
    EXPECT_EQ(flag.Stored(), "1");
    EXPECT_FALSE(Flag('0', Flag::Reading::AnyButZeroIsOn).IsOn());
}

TEST(ChoiceCode, ShowsTheOptionOfItsCode) {
    const ChoiceCode choice('1', kListWithoutFallback);
    EXPECT_EQ(choice.Shown(), 1u);
    EXPECT_EQ(choice.ShownText(), "BUSY aktiv bei TX aktiv");
}

TEST(ChoiceCode, CodeThatIsNoOptionShowsFallbackOrNothingAndIsKept) {
    const ChoiceCode list('3', kListWithoutFallback);
    EXPECT_EQ(list.Shown(), std::nullopt);
    EXPECT_EQ(list.ShownText(), "");
    EXPECT_EQ(list.Stored(), "3");

    const ChoiceCode group('9', kGroupFallingBackToLast);
    EXPECT_EQ(group.Shown(), 2u);
    EXPECT_EQ(group.Stored(), "9");
}

TEST(ChoiceCode, ChoosingAnOptionTakesItsCode) {
    ChoiceCode choice('9', kGroupFallingBackToLast);
    choice.Choose(2);
    EXPECT_EQ(choice.Code(), '2');
    choice.Choose(0);
    EXPECT_EQ(choice.Code(), '0');
    EXPECT_THROW(choice.Choose(3), std::out_of_range);
}

TEST(ChoiceCode, ListTextMapsToCodeByExactComparisonOnly) {
    ChoiceCode choice('3', kListWithoutFallback);
    choice.ChooseText("busy immer aus");
    choice.ChooseText("BUSY immer");
    choice.ChooseText("");
    EXPECT_EQ(choice.Code(), '3');
    choice.ChooseText("BUSY immer aus");
    EXPECT_EQ(choice.Code(), '0');
}

TEST(CircuitSet, HexDigitBitsAreCircuits) {
    const CircuitSet set('5');
    EXPECT_TRUE(set.Contains(0));
    EXPECT_FALSE(set.Contains(1));
    EXPECT_TRUE(set.Contains(2));
    EXPECT_FALSE(set.Contains(3));
    EXPECT_TRUE(CircuitSet('F').Contains(3));
}

TEST(CircuitSet, LowerCaseAndOtherCharactersAreTheEmptySet) {
    for (char stored : {'a', 'f', 'G', ' ', '\0'}) {
        const CircuitSet set(stored);
        for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
            EXPECT_FALSE(set.Contains(circuit)) << stored;
        }
        EXPECT_EQ(set.Stored(), "0");
    }
}

TEST(CircuitSet, WrittenAsOneUpperCaseDigit) {
    CircuitSet set('0');
    set.Set(3, true);
    EXPECT_EQ(set.Stored(), "8");
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit)
        set.Set(circuit, true);
    EXPECT_EQ(set.Stored(), "F");
    set.Set(0, false);
    EXPECT_EQ(set.Stored(), "E");
    EXPECT_THROW(set.Set(4, true), std::out_of_range);
}

constexpr DecimalRule kPadLeftRules[] = {PadLeft{}};
constexpr DecimalRule kPadRightRules[] = {PadRight{}};
constexpr DecimalRule kVolumeRules[] = {PadLeft{}, Cap{32767, "00000"}};
constexpr DecimalRule kMinimumLengthRules[] = {Replace{"", "10"}, PadLeft{}, Replace{"00", "10"}};

std::string Normalised(std::string text, const DecimalFormat& format) {
    FixedDecimal decimal(std::move(text), format);
    decimal.Normalise();
    return decimal.Text();
}

TEST(FixedDecimal, PadLeftAndPadRightFillToTheWidth) {
    const DecimalFormat twoLeft{2, kPadLeftRules};
    EXPECT_EQ(Normalised("5", twoLeft), "05");
    EXPECT_EQ(Normalised("", twoLeft), "00");
    EXPECT_EQ(Normalised("42", twoLeft), "42");

    const DecimalFormat threeRight{3, kPadRightRules};
    EXPECT_EQ(Normalised("97", threeRight), "970");
    EXPECT_EQ(Normalised("5", threeRight), "500");
    EXPECT_EQ(Normalised("", threeRight), "000");
}

TEST(FixedDecimal, CapReplacesAValueAboveTheHighest) {
    const DecimalFormat volume{5, kVolumeRules};
    EXPECT_EQ(Normalised("7", volume), "00007");
    EXPECT_EQ(Normalised("32767", volume), "32767");
    EXPECT_EQ(Normalised("32768", volume), "00000");
    EXPECT_EQ(Normalised("40000", volume), "00000");
}

TEST(FixedDecimal, RulesApplyInTheirOrder) {
    const DecimalFormat minimum{2, kMinimumLengthRules};
    EXPECT_EQ(Normalised("", minimum), "10");
    EXPECT_EQ(Normalised("0", minimum), "10");
    EXPECT_EQ(Normalised("00", minimum), "10");
    EXPECT_EQ(Normalised("7", minimum), "07");
}

TEST(FixedDecimal, TypedTextStaysUntilTheFieldIsLeftButIsNeverStoredShort) {
    FixedDecimal decimal("60", {2, kPadLeftRules});
    decimal.SetText("5");
    EXPECT_EQ(decimal.Text(), "5");
    EXPECT_EQ(decimal.Stored(), "05");
    decimal.SetText("");
    EXPECT_EQ(decimal.Stored(), "00");
}

TEST(FixedDecimal, StoredIsExactlyTheWidthWhateverTheRules) {
    FixedDecimal withoutRules("7", {3, {}});
    EXPECT_EQ(withoutRules.Stored(), "007");
    withoutRules.SetText("12345");
    EXPECT_EQ(withoutRules.Stored(), "123");
}

TEST(FixedDecimal, LeadingValueStopsAtTheFirstOtherCharacterAndSaturates) {
    EXPECT_EQ(LeadingDecimalValue("005"), 5u);
    EXPECT_EQ(LeadingDecimalValue("12a4"), 12u);
    EXPECT_EQ(LeadingDecimalValue(""), 0u);
    EXPECT_EQ(LeadingDecimalValue("99999999999999999999999999"),
              std::numeric_limits<unsigned long>::max());
}

TEST(Binding, ShortValueReadsZerosBeyondItsEnd) {
    Register image;
    image.SetValue(7, "1");
    EXPECT_EQ(ReadChars(image, {7, 0}, 3), "100");
    EXPECT_TRUE(BindFlag(image, {7, 0}).value.IsOn());
    EXPECT_FALSE(BindFlag(image, {7, 5}).value.IsOn());
    EXPECT_EQ(BindDecimal(image, {7, 6}, {2, kPadLeftRules}).value.Text(), "00");
}

TEST(Binding, WritingPadsAShortValueUpToTheLastWrittenPosition) {
    Register image;
    image.SetValue(7, "1");
    auto decimal = BindDecimal(image, {7, 4}, {2, kPadLeftRules});
    decimal.value.SetText("9");
    decimal.WriteTo(image);
    EXPECT_EQ(image.Value(7), "100009");
}

TEST(Binding, WritesInPlaceAndLeavesTheRestOfTheValue) {
    Register image;
    image.SetValue(7, "0123456789AB");
    auto flag = BindFlag(image, {7, 2});
    flag.value.Set(true);
    flag.WriteTo(image);
    EXPECT_EQ(image.Value(7), "0113456789AB");
}

TEST(Binding, CommitWritesEveryBindingAndAlwaysMarksTheImageChanged) {
    Register image;
    image.SetValue(9, "");
    auto circuits = PerCircuit([&](std::size_t circuit) { return BindFlag(image, {9, circuit}); });
    auto choice = BindChoice(image, {9, 5}, kListWithoutFallback);
    circuits[1].value.Set(true);
    choice.value.Choose(2);
    ASSERT_FALSE(image.changed);
    CommitBindings(image, circuits, choice);
    EXPECT_EQ(image.Value(9), "010002");
    EXPECT_TRUE(image.changed);

    image.changed = false;
    CommitBindings(image, circuits, choice);
    EXPECT_TRUE(image.changed) << "also when nothing differs";
}

}  // namespace
}  // namespace orvan
