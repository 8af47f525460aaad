#include "pages/model/Words.h"

#include <cstdio>

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
        if (byte >= 0x20 && byte < 0x7F) {
            raw += c;
            continue;
        }
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
        raw += escaped;
    }
    return raw;
}

std::string WithOddCharacter(std::string words, std::string_view read, std::string_view normal) {
    if (read != normal)
        words += " (gespeichert: " + RawCharacters(read) + ")";
    return words;
}

}  // namespace orvan
