#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "pages/model/Words.h"

namespace orvan {

// One option of a radio group or a drop-down list: the stored code and the shown text.
struct ChoiceOption {
    char code;
    std::string_view text;
};

// The options of a setting in option order, and what is shown when the stored code is none of
// them: the fallback option, or nothing at all.
struct ChoiceTable {
    std::span<const ChoiceOption> options;
    std::optional<std::size_t> fallback;
};

// A setting stored as one code character. The character read from the image stays as it is
// (also when it is no option) until the user chooses an option.
class ChoiceCode {
  public:
    ChoiceCode(char stored, const ChoiceTable& table) : table_(table), code_(stored) {}

    std::span<const ChoiceOption> Options() const { return table_.options; }
    // The option shown for the current code: its own, else the fallback, else none.
    std::optional<std::size_t> Shown() const;
    // The text of the shown option; empty when none is shown.
    std::string_view ShownText() const;

    // A radio button was clicked: its option's code is taken at once.
    void Choose(std::size_t option);
    // A list item was chosen: the first option with exactly this text gives the code; a text
    // that is no option leaves the code as it was.
    void ChooseText(std::string_view text);

    char Code() const { return code_; }
    std::string Stored() const { return std::string(1, code_); }
    // The text of the code's own option; a code that is no option as its raw character, also
    // where the page shows a fallback for it.
    std::string Words() const;
    // An option's text back to its code.
    WordsReading ReadWords(std::string_view words) const;

  private:
    ChoiceTable table_;
    char code_;
};

}  // namespace orvan
