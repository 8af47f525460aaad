#include "pages/model/Tenths.h"

#include <cstdlib>

#include "pages/model/FieldChecks.h"

namespace orvan {

namespace {

// Beyond this the number is far outside any range a page accepts; it stops growing.
constexpr long long kMostTenths = 1'000'000'000'000LL;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<Tenths::Reading> Tenths::Parse(std::string_view text) {
    std::string_view number = Trimmed(text);
    bool negative = false;
    if (number.starts_with('+') || number.starts_with('-')) {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    const std::size_t point = number.find('.');
    const std::string_view whole = number.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : number.substr(point + 1);
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    for (std::string_view part : {whole, fraction}) {
        for (char c : part) {
            if (!IsDigit(c))
                return std::nullopt;
        }
    }

    long long tenths = 0;
    for (char c : whole) {
        if (tenths < kMostTenths)
            tenths = tenths * 10 + (c - '0') * 10;
    }
    if (!fraction.empty())
        tenths += fraction.front() - '0';
    const bool rest = fraction.size() > 1 && fraction.find_first_not_of('0', 1) != fraction.npos;
    if (!negative)
        return Reading{Tenths(tenths), rest};
    // Rounding down moves a negative number away from zero.
    return Reading{Tenths(-tenths - (rest ? 1 : 0)), rest};
}

std::string Tenths::Text() const {
    const long long magnitude = std::llabs(count_);
    std::string text = (count_ < 0 ? "-" : "") + std::to_string(magnitude / 10);
    if (magnitude % 10 != 0)
        text += "." + std::to_string(magnitude % 10);
    return text;
}

}  // namespace orvan
