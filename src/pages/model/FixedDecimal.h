#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "pages/model/Words.h"

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
struct ZeroFrom {  // the characters from index on become "0" ("255" -> "250" from 2)
    std::size_t index;
};
struct AsNumber {};  // the value of the leading digits, without leading zeros ("005" -> "5")
using DecimalRule = std::variant<PadLeft, PadRight, Cap, Replace, ZeroFrom, AsNumber>;

// How a field of `width` stored digits is shown, normalised when it is left and before it is
// stored, and the unit the page shows beside or in the caption of the field ("ms", "* 5 mV").
struct DecimalFormat {
    std::size_t width;
    std::span<const DecimalRule> rules;
    std::string_view unit = {};
    // The field shows this many "0" after the stored digits (stored "10" is shown as "100")
    // and is as much wider; only the leading `width` digits are stored.
    std::size_t scaleZeros = 0;
    // The field shows the stored number's value ("005" as "5").
    bool shownAsNumber = false;

    std::size_t FieldWidth() const { return width + scaleZeros; }
};

// A number stored as a fixed count of decimal characters and edited as a text.
class FixedDecimal {
  public:
    // From the characters stored in the image, shown as the format says.
    FixedDecimal(std::string stored, const DecimalFormat& format);

    const std::string& Text() const { return text_; }
    // The characters the field shows: its stored digits and the scale's zeros.
    int FieldLength() const { return static_cast<int>(format_.FieldWidth()); }
    // The text as typed; it is normalised only when the field is left.
    void SetText(std::string text) {
        text_ = std::move(text);
        edited_ = true;
    }
    // Applies the format's rules to the text (leaving the field).
    void Normalise() { text_ = Normalised(); }
    // Value of the leading digits of the text.
    unsigned long Value() const;
    // Exactly `width` characters: the normalised text, never a short one, never more.
    std::string Stored() const;
    // The text as the field shows it, followed by the unit: "250 ms", "60 * 1,8 mV"; stored
    // characters that OK would not write back as they are named beside it until the text is
    // edited.
    std::string Words() const;
    // A number in the field's range and step, followed by the unit as Words() shows it; the
    // characters OK writes for it.
    WordsReading ReadWords(std::string_view words) const;

  private:
    std::string Normalised() const;

    DecimalFormat format_;
    std::string read_;
    std::string text_;
    bool edited_ = false;
};

// Value of the digits at the start of text (reading stops at the first other character);
// saturates instead of wrapping so that an absurdly long number still counts as large.
unsigned long LeadingDecimalValue(std::string_view text);

}  // namespace orvan
