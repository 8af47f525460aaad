#include "pages/model/Gain.h"

#include <utility>

#include "core/TextFunctions.h"
#include "pages/model/FixedDecimal.h"
#include "pages/model/Words.h"

namespace orvan {

namespace {

constexpr long long kZeroCode = 60;  // the code of 0 dB, and minus the lowest gain in tenths
constexpr Tenths kLowest(-60);
constexpr Tenths kHighest(195);

}  // namespace

std::optional<Tenths> NormalisedGain(std::string_view text) {
    const std::optional<Tenths::Reading> reading = Tenths::Parse(text);
    if (!reading)
        return std::nullopt;
    // Compared before rounding down: 19.55 lies above the range although it rounds to 19.5.
    const bool aboveHighest =
        reading->value > kHighest || (reading->value == kHighest && reading->rounded);
    if (reading->value < kLowest || aboveHighest)
        return Tenths(0);
    return reading->value;
}

Gain::Gain(std::string_view stored) : read_(stored) {
    const long long code = static_cast<long long>(LeadingDecimalValue(read_.substr(0, kWidth)));
    initial_ = Tenths(code - kZeroCode).Text();
    text_ = initial_;
}

void Gain::SetText(std::string text) {
    text_ = std::move(text);
    edited_ = true;
}

void Gain::Normalise() {
    if (const std::optional<Tenths> gain = NormalisedGain(text_))
        text_ = gain->Text();
}

std::string Gain::Stored() const {
    std::optional<Tenths> gain = NormalisedGain(text_);
    if (!gain)
        gain = NormalisedGain(initial_);
    return PadLeftZeros(std::to_string(gain->Count() + kZeroCode), kWidth);
}

WordsReading Gain::ReadWords(std::string_view words) const {
    constexpr std::string_view kUnit = " dB";
    const std::string allowed = "Zahl von " + kLowest.Text() + " bis " + kHighest.Text() +
                                " in Schritten von 0.1, gefolgt von „dB“";
    if (!words.ends_with(kUnit))
        return Refused(words, allowed);
    const std::string_view number = words.substr(0, words.size() - kUnit.size());
    const std::optional<Tenths::Reading> reading = Tenths::Parse(number);
    if (!reading || reading->rounded || reading->value < kLowest || reading->value > kHighest)
        return Refused(words, allowed);
    Gain typed = *this;
    typed.SetText(std::string(number));
    return {typed.Stored(), {}};
}

std::string Gain::Words() const {
    const std::optional<Tenths> gain = NormalisedGain(text_);
    std::string words = (gain ? gain->Text() : RawCharacters(text_)) + " dB";
    return edited_ ? words : WithOddCharacter(std::move(words), read_, Stored());
}

}  // namespace orvan
