#include <gtest/gtest.h>

#include "EncodingTables.h"
#include "core/Register.h"
#include "pages/model/Binding.h"

namespace orvan {
namespace {

constexpr ChoiceTable kListWithoutFallback{kBusyOptions, std::nullopt};
constexpr ChoiceTable kGroupFallingBackToLast{kBusyOptions, 2};

TEST(Flag, ReadingDecidesWhichOddCharactersAreOnAndWritingNormalises) {
    EXPECT_TRUE(Flag('1').IsOn());
    EXPECT_FALSE(Flag('x').IsOn());
    EXPECT_EQ(Flag('x').Stored(), "0");
    EXPECT_TRUE(Flag('7', Flag::Reading::AnyButZeroIsOn).IsOn());
    EXPECT_EQ(Flag('7', Flag::Reading::AnyButZeroIsOn).Stored(), "1");
    EXPECT_FALSE(Flag('0', Flag::Reading::AnyButZeroIsOn).IsOn());
}

TEST(ChoiceCode, CodeThatIsNoOptionShowsFallbackOrNothingAndIsKept) {
    EXPECT_EQ(ChoiceCode('1', kListWithoutFallback).ShownText(), "BUSY aktiv bei TX aktiv");
    const ChoiceCode list('3', kListWithoutFallback);
    EXPECT_EQ(list.Shown(), std::nullopt);
    EXPECT_EQ(list.ShownText(), "");
    EXPECT_EQ(list.Stored(), "3");
    const ChoiceCode group('9', kGroupFallingBackToLast);
    EXPECT_EQ(group.Shown(), 2u);
    EXPECT_EQ(group.Stored(), "9");
}

TEST(ChoiceCode, ChoosingTakesTheOptionsCodeListTextsOnlyByExactComparison) {
    ChoiceCode choice('3', kGroupFallingBackToLast);
    for (const char* text : {"busy immer aus", "BUSY immer", ""})
        choice.ChooseText(text);
    EXPECT_EQ(choice.Code(), '3');
    choice.ChooseText("BUSY immer aus");
    EXPECT_EQ(choice.Code(), '0');
    choice.Choose(2);
    EXPECT_EQ(choice.Code(), '2');
    EXPECT_THROW(choice.Choose(3), std::out_of_range);
}

TEST(CircuitSet, ReadsUpperCaseHexOnly) {
    const CircuitSet set('5');
    EXPECT_TRUE(set.Contains(0) && set.Contains(2));
    EXPECT_FALSE(set.Contains(1) || set.Contains(3));
    EXPECT_TRUE(CircuitSet('F').Contains(3));
    for (char stored : {'a', 'f', 'G', ' ', '\0'}) {
        for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
            EXPECT_FALSE(CircuitSet(stored).Contains(circuit)) << stored;
        }
        EXPECT_EQ(CircuitSet(stored).Stored(), "0");
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
constexpr DecimalRule kVolumeRules[] = {PadLeft{}, Cap{32767, "00000"}};
constexpr DecimalRule kMinimumLengthRules[] = {Replace{"", "10"}, PadLeft{}, Replace{"00", "10"}};
constexpr DecimalRule kStepRules[] = {PadRight{}, ZeroFrom{2}};
constexpr DecimalRule kNumberRules[] = {AsNumber{}, PadLeft{}};

TEST(FixedDecimal, RulesApplyInTheirOrderWhenTheFieldIsLeft) {
    struct Case {
        DecimalFormat format;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {{2, kPadLeftRules}, "5", "05"},        {{2, kPadLeftRules}, "", "00"},
        {{3, kPadRightRules}, "97", "970"},     {{3, kPadRightRules}, "", "000"},
        {{5, kVolumeRules}, "7", "00007"},      {{5, kVolumeRules}, "32767", "32767"},
        {{5, kVolumeRules}, "32768", "00000"},  {{2, kMinimumLengthRules}, "", "10"},
        {{2, kMinimumLengthRules}, "0", "10"},  {{2, kMinimumLengthRules}, "7", "07"},
        {{2, kStepRules, {}, 1}, "255", "250"}, {{2, kStepRules, {}, 1}, "7", "700"},
        {{3, kNumberRules}, "00120", "120"},    {{3, kNumberRules}, "7", "007"},
    };
    for (const Case& c : cases) {
        FixedDecimal decimal("", c.format);
        decimal.SetText(c.typed);
        decimal.Normalise();
        EXPECT_EQ(decimal.Text(), c.shown) << '"' << c.typed << '"';
    }
}

TEST(FixedDecimal, TypedTextStaysUntilLeftButIsStoredAtExactlyTheWidth) {
    FixedDecimal decimal("60", {2, kPadLeftRules});
    decimal.SetText("5");
    EXPECT_EQ(decimal.Text(), "5");
    EXPECT_EQ(decimal.Stored(), "05");
    FixedDecimal withoutRules("7", {3, {}});
    EXPECT_EQ(withoutRules.Stored(), "007");
    withoutRules.SetText("12345");
    EXPECT_EQ(withoutRules.Stored(), "123");
}

TEST(FixedDecimal, ScaleZerosAreShownButNotStoredAndNumbersShownWithoutLeadingZeros) {
    const FixedDecimal scaled("15", {.width = 2, .rules = kStepRules, .scaleZeros = 1});
    EXPECT_EQ(scaled.Text(), "150");
    EXPECT_EQ(scaled.Stored(), "15");
    const FixedDecimal number("005", {.width = 3, .rules = kNumberRules, .shownAsNumber = true});
    EXPECT_EQ(number.Text(), "5");
    EXPECT_EQ(number.Stored(), "005");
}

TEST(FixedDecimal, LeadingValueStopsAtTheFirstOtherCharacterAndSaturates) {
    EXPECT_EQ(LeadingDecimalValue("005"), 5u);
    EXPECT_EQ(LeadingDecimalValue("12a4"), 12u);
    EXPECT_EQ(LeadingDecimalValue(""), 0u);
    EXPECT_EQ(LeadingDecimalValue("99999999999999999999999999"),
              std::numeric_limits<unsigned long>::max());
}

TEST(Binding, ShortValueReadsZerosAndIsPaddedUpToTheLastWrittenPosition) {
    Register image;
    image.SetValue(7, "1");
    EXPECT_EQ(ReadChars(image, {7, 0}, 3), "100");
    EXPECT_FALSE(BindFlag(image, {7, 5}, "Flagge").value.IsOn());
    auto decimal = BindDecimal(image, {7, 4}, {2, kPadLeftRules}, "Zahl");
    EXPECT_EQ(decimal.value.Text(), "00");
    decimal.value.SetText("9");
    decimal.WriteTo(image);
    EXPECT_EQ(image.Value(7), "100009");
}

TEST(Binding, WritesInPlaceAndLeavesTheRestOfTheValue) {
    Register image;
    image.SetValue(7, "0123456789AB");
    auto flag = BindFlag(image, {7, 2}, "Flagge");
    flag.value.Set(true);
    flag.WriteTo(image);
    EXPECT_EQ(image.Value(7), "0113456789AB");
}

TEST(Binding, CommitWritesEveryBindingAndAlwaysMarksTheImageChanged) {
    Register image;
    image.SetValue(9, "");
    auto circuits = PerCircuit([&](std::size_t circuit) {
        return BindFlag(image, {9, circuit}, CircuitTitle(circuit));
    });
    auto choice = BindChoice(image, {9, 5}, kListWithoutFallback, "Liste");
    circuits[1].value.Set(true);
    choice.value.Choose(2);
    CommitBindings(image, circuits, choice);
    EXPECT_EQ(image.Value(9), "010002");
    EXPECT_TRUE(image.changed);

    image.changed = false;
    CommitBindings(image, circuits, choice);
    EXPECT_TRUE(image.changed) << "also when nothing differs";
}

}  // namespace
}  // namespace orvan
