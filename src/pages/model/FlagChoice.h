#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>

#include "pages/model/Binding.h"
#include "pages/model/ChoiceCode.h"
#include "pages/model/Flag.h"

namespace orvan {

// A radio pair stored as a flag: option 0 is "0", option 1 is "1". Which other characters show
// as option 1 is the flag's reading; OK writes the chosen option's code, never the odd
// character read. Named in the words of the chosen option.
class FlagChoice {
  public:
    using OptionPair = std::array<ChoiceOption, 2>;

    FlagChoice(char stored, const OptionPair& options, Flag::Reading reading)
        : options_(&options), flag_(stored, reading), read_(stored) {}

    std::span<const ChoiceOption> Options() const { return *options_; }
    std::size_t Shown() const { return flag_.IsOn() ? 1 : 0; }
    void Choose(std::size_t option) {
        flag_.Set(option == 1);
        read_ = Stored().front();
    }

    std::string Stored() const { return flag_.Stored(); }
    std::string Words() const;
    WordsReading ReadWords(std::string_view words) const {
        return ReadOneOf(words, "01", [this](char stored) {
            return FlagChoice(stored, *options_, Flag::Reading::OnlyOneIsOn);
        });
    }

  private:
    const OptionPair* options_;
    Flag flag_;
    char read_;  // as read, until the user chooses
};

Bound<FlagChoice> BindFlagChoice(const Register& image, Position at,
                                 const FlagChoice::OptionPair& options, Flag::Reading reading,
                                 std::string name);

}  // namespace orvan
