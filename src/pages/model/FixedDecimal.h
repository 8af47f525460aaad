#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace orvan {

// Normalisers of a decimal field, applied in the order a format lists them.
struct PadLeft {};   // "0" put in front up to the width ("5" -> "05")
struct PadRight {};  // "0" appended up to the width ("5" -> "500")
struct Cap {         // a value above highest is replaced ("40000" -> "00000")
    unsigned long highest;
    std::string_view replacement;
};
struct Replace {  // one exact text becomes another ("" -> "07", "00" -> "10")
    std::string_view from;
    std::string_view to;
};
using DecimalRule = std::variant<PadLeft, PadRight, Cap, Replace>;

// How a field of `width` stored digits is normalised when it is left and before it is stored,
// and the unit the page shows beside or in the caption of the field ("ms", "* 5 mV"), if any.
struct DecimalFormat {
    std::size_t width;
    std::span<const DecimalRule> rules;
    std::string_view unit = {};
};

// A number stored as a fixed count of decimal characters and edited as a text.
class FixedDecimal {
  public:
    FixedDecimal(std::string text, const DecimalFormat& format)
        : format_(format), text_(std::move(text)) {}

    const std::string& Text() const { return text_; }
    // The text as typed; it is normalised only when the field is left.
    void SetText(std::string text) { text_ = std::move(text); }
    // Applies the format's rules to the text (leaving the field).
    void Normalise() { text_ = Normalised(); }
    // Value of the leading digits of the text.
    unsigned long Value() const;
    // Exactly `width` characters: the normalised text, never a short one, never more.
    std::string Stored() const;
    // The text as the field shows it, followed by the unit: "250 ms", "60 * 1,8 mV".
    std::string Words() const;

  private:
    std::string Normalised() const;

    DecimalFormat format_;
    std::string text_;
};

// Value of the digits at the start of text (reading stops at the first other character);
// saturates instead of wrapping so that an absurdly long number still counts as large.
unsigned long LeadingDecimalValue(std::string_view text);

}  // namespace orvan
