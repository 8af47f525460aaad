#include "pages/model/Words.h"

#include <cstdio>

#include "core/TextFunctions.h"

namespace orvan {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// One caption on one line, without its closing colon.
std::string Simplified(std::string_view caption) {
    std::string simple;
    bool blank = false;
    for (char c : caption) {
        if (IsBlank(c)) {
            blank = !simple.empty();
            continue;
        }
        if (blank)
            simple += ' ';
        blank = false;
        simple += c;
    }
    if (simple.ends_with(':'))
        simple.pop_back();
    while (!simple.empty() && IsBlank(simple.back()))
        simple.pop_back();
    return simple;
}

}  // namespace

std::string CircuitTitle(std::size_t circuit) {
    return "Funkkreis " + std::to_string(circuit + 1);
}

std::string SettingName(std::initializer_list<std::string_view> captions) {
    std::string name;
    for (std::string_view caption : captions) {
        const std::string part = Simplified(caption);
        if (part.empty())
            continue;
        if (!name.empty())
            name += " › ";
        name += part;
    }
    return name;
}

std::string RawCharacters(std::string_view chars) {
    std::string raw;
    for (char c : chars) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\') {
            raw += c;
            continue;
        }
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
        raw += escaped;
    }
    return raw;
}

std::optional<std::string> CharactersFromRaw(std::string_view text) {
    std::string chars;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte >= 0x7F)
            return std::nullopt;
        if (text[i] != '\\') {
            chars += text[i];
            continue;
        }
        const std::string_view escape = text.substr(i, 4);
        if (escape.size() < 4 || escape[1] != 'x' || !IsHexText(escape.substr(2)))
            return std::nullopt;
        chars += static_cast<char>(HexDigitValue(escape[2]) * 16 + HexDigitValue(escape[3]));
        i += 3;
    }
    return chars;
}

std::string WithOddCharacter(std::string words, std::string_view read, std::string_view normal) {
    if (read != normal)
        words += " (gespeichert: " + RawCharacters(read) + ")";
    return words;
}

}  // namespace orvan

namespace orvan {

OddCharacterSplit SplitOddCharacter(std::string_view value) {
    constexpr std::string_view kNote = " (gespeichert: ";
    const std::size_t note = value.rfind(kNote);
    if (note == std::string_view::npos || !value.ends_with(')'))
        return {value, std::nullopt};
    const std::size_t from = note + kNote.size();
    return {value.substr(0, note), CharactersFromRaw(value.substr(from, value.size() - 1 - from))};
}

WordsReading Refused(std::string_view words, const std::string& allowed) {
    return {{}, "„" + std::string(words) + "“ ist kein gültiger Wert; erlaubt: " + allowed};
}

}  // namespace orvan
