#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvan {

// A decimal number with one decimal place, held as a whole number of tenths, so that 1.3 stays
// exactly 1.3 and never becomes 1.2999... on its way from the field to the register.
class Tenths {
  public:
    constexpr explicit Tenths(long long count = 0) : count_(count) {}

    // A typed number: optional blanks, an optional sign, digits with an optional decimal point
    // (a point, not a comma) and optional blanks. It is rounded down to the tenth below or at
    // it (1.29 gives 1.2, -1.25 gives -1.3); `rounded` tells whether that dropped anything.
    // Nothing when the text is no number. Absurdly long numbers saturate.
    struct Reading;
    static std::optional<Reading> Parse(std::string_view text);

    constexpr long long Count() const { return count_; }
    // The shortest decimal form: "-6", "0", "1.5", "-0.1".
    std::string Text() const;

    friend constexpr bool operator==(Tenths, Tenths) = default;
    friend constexpr auto operator<=>(Tenths, Tenths) = default;

  private:
    long long count_;
};

struct Tenths::Reading {
    Tenths value;  // rounded down to a tenth
    bool rounded;  // digits beyond the tenths were not all zero
};

}  // namespace orvan
