#include "pages/model/ChoiceCode.h"

#include <stdexcept>

#include "pages/model/Words.h"

namespace orvan {

std::optional<std::size_t> ChoiceCode::Shown() const {
    for (std::size_t option = 0; option < table_.options.size(); ++option) {
        if (table_.options[option].code == code_)
            return option;
    }
    return table_.fallback;
}

std::string_view ChoiceCode::ShownText() const {
    const std::optional<std::size_t> shown = Shown();
    return shown ? table_.options[*shown].text : std::string_view();
}

std::string ChoiceCode::Words() const {
    for (const ChoiceOption& option : table_.options) {
        if (option.code == code_)
            return std::string(option.text);
    }
    return RawCharacters(Stored());
}

WordsReading ChoiceCode::ReadWords(std::string_view words) const {
    std::string codes;
    for (const ChoiceOption& option : table_.options)
        codes += option.code;
    return ReadOneOf(words, codes, [this](char code) { return ChoiceCode(code, table_); });
}

void ChoiceCode::Choose(std::size_t option) {
    if (option >= table_.options.size())
        throw std::out_of_range("no such option");
    code_ = table_.options[option].code;
}

void ChoiceCode::ChooseText(std::string_view text) {
    for (const ChoiceOption& option : table_.options) {
        if (option.text == text) {
            code_ = option.code;
            return;
        }
    }
}

}  // namespace orvan
