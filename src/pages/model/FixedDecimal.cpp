#include "pages/model/FixedDecimal.h"

#include <algorithm>
#include <limits>

#include "core/TextFunctions.h"
#include "pages/model/Words.h"

namespace orvan {

namespace {

// Applies one rule to a text of the given width.
struct RuleApplier {
    std::size_t width;
    std::string& text;

    void operator()(PadLeft) const { text = PadLeftZeros(text, width); }
    void operator()(PadRight) const { text = PadRightZeros(text, width); }
    void operator()(const Cap& cap) const {
        if (LeadingDecimalValue(text) > cap.highest)
            text = cap.replacement;
    }
    void operator()(const Replace& replace) const {
        if (text == replace.from)
            text = replace.to;
    }
    void operator()(const ZeroFrom& zero) const {
        for (std::size_t i = zero.index; i < text.size(); ++i)
            text[i] = '0';
    }
    void operator()(AsNumber) const { text = std::to_string(LeadingDecimalValue(text)); }
};

}  // namespace

unsigned long LeadingDecimalValue(std::string_view text) {
    constexpr unsigned long kMost = std::numeric_limits<unsigned long>::max();
    unsigned long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        const unsigned long digit = static_cast<unsigned long>(c - '0');
        if (value > (kMost - digit) / 10)
            return kMost;
        value = value * 10 + digit;
    }
    return value;
}

FixedDecimal::FixedDecimal(std::string stored, const DecimalFormat& format)
    : format_(format), read_(std::move(stored)) {
    text_ = format_.shownAsNumber ? std::to_string(LeadingDecimalValue(read_))
                                  : read_ + std::string(format_.scaleZeros, '0');
}

unsigned long FixedDecimal::Value() const {
    return LeadingDecimalValue(text_);
}

std::string FixedDecimal::Normalised() const {
    std::string text = text_;
    for (const DecimalRule& rule : format_.rules)
        std::visit(RuleApplier{format_.FieldWidth(), text}, rule);
    return text;
}

std::string FixedDecimal::Words() const {
    std::string words = RawCharacters(text_);
    if (!format_.unit.empty())
        words += " " + std::string(format_.unit);
    return edited_ ? words : WithOddCharacter(words, read_, Stored());
}

WordsReading FixedDecimal::ReadWords(std::string_view words) const {
    unsigned long highest = 0;
    for (std::size_t digit = 0; digit < format_.FieldWidth(); ++digit)
        highest = highest * 10 + 9;
    for (const DecimalRule& rule : format_.rules) {
        if (const Cap* cap = std::get_if<Cap>(&rule))
            highest = std::min(highest, cap->highest);
    }
    unsigned long step = 1;
    for (std::size_t zero = 0; zero < format_.scaleZeros; ++zero)
        step *= 10;
    const std::string unit = format_.unit.empty() ? "" : " " + std::string(format_.unit);
    std::string allowed = "ganze Zahl von 0 bis " + std::to_string(highest);
    if (step > 1)
        allowed += " in Schritten von " + std::to_string(step);
    if (!unit.empty())
        allowed += ", gefolgt von „" + unit.substr(1) + "“";
    if (!words.ends_with(unit))
        return Refused(words, allowed);
    const std::string_view text = words.substr(0, words.size() - unit.size());
    // Characters that OK would keep although they are no number read back as they stand.
    if (const std::optional<std::string> raw = CharactersFromRaw(text);
        raw && raw->size() == format_.FieldWidth()) {
        const std::string stored = raw->substr(0, format_.width);
        if (FixedDecimal(stored, format_).Words() == words)
            return {stored, {}};
    }
    const bool digits = !text.empty() && text.size() <= format_.FieldWidth() &&
                        text.find_first_not_of("0123456789") == std::string_view::npos;
    if (!digits || LeadingDecimalValue(text) > highest || LeadingDecimalValue(text) % step != 0)
        return Refused(words, allowed);
    FixedDecimal typed = *this;
    typed.SetText(std::string(text));
    return {typed.Stored(), {}};
}

std::string FixedDecimal::Stored() const {
    return PadLeftZeros(Normalised(), format_.FieldWidth()).substr(0, format_.width);
}

}  // namespace orvan
