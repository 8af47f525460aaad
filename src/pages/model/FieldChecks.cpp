#include "pages/model/FieldChecks.h"

#include <charconv>
#include <limits>

#include "pages/model/ValidationMessages.h"

namespace orvan {

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<long long> ParseWholeNumber(std::string_view text) {
    std::string_view number = Trimmed(text);
    // from_chars takes a minus sign itself but no plus sign.
    const bool plus = number.starts_with('+');
    if (plus)
        number.remove_prefix(1);
    if (number.empty() || (plus && number.starts_with('-')))
        return std::nullopt;
    long long value = 0;
    const char* last = number.data() + number.size();
    const auto [end, error] = std::from_chars(number.data(), last, value);
    if (end != last)
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        return number.starts_with('-') ? std::numeric_limits<long long>::min()
                                       : std::numeric_limits<long long>::max();
    }
    return value;
}

std::optional<std::string> WholeNumberProblem(std::string_view text, int lowest, int highest) {
    const std::optional<long long> value = ParseWholeNumber(text);
    if (!value)
        return WholeNumberMessage();
    if (*value < lowest || *value > highest)
        return NumberRangeMessage(lowest, highest);
    return std::nullopt;
}

std::optional<std::string> TextLengthProblem(std::string_view text, std::size_t limit) {
    std::size_t characters = 0;
    for (unsigned char byte : text) {
        if ((byte & 0xC0) != 0x80)
            ++characters;
    }
    if (characters > limit)
        return TextLengthMessage(static_cast<int>(limit));
    return std::nullopt;
}

}  // namespace orvan
