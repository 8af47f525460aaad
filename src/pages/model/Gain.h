#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "pages/model/Tenths.h"
#include "pages/model/Words.h"

namespace orvan {

// An input gain from -6.0 to +19.5 dB in steps of 0.1 dB, edited as a decimal number in dB and
// stored as three decimal digits: 60 plus the gain in tenths of a dB ("000" = -6 dB, "060" =
// 0 dB, "255" = +19.5 dB).
class Gain {
  public:
    static constexpr std::size_t kWidth = 3;

    // The stored digits; a value that is no number reads as its leading digits, as code 0 at
    // worst.
    explicit Gain(std::string_view stored);

    const std::string& Text() const { return text_; }
    // The text as typed; it is normalised only when the field is left.
    void SetText(std::string text);
    bool IsNumber() const { return Tenths::Parse(text_).has_value(); }
    // Leaving the field: a gain outside the range becomes 0, then it is rounded down to a tenth.
    // A text that is no number stays as typed; the page refuses it.
    void Normalise();

    // Three digits of the normalised gain; a text that is no number keeps the gain read.
    std::string Stored() const;
    // "1.5 dB", and the characters read where they are not what OK writes back.
    std::string Words() const;
    // "-6" to "19.5" in steps of 0.1, followed by " dB"; the three digits OK writes for it.
    WordsReading ReadWords(std::string_view words) const;

  private:
    std::string read_;
    std::string initial_;  // the text shown for the value read
    std::string text_;
    bool edited_ = false;
};

// A typed gain as leaving its field leaves it; nothing when the text is no number.
std::optional<Tenths> NormalisedGain(std::string_view text);

}  // namespace orvan
