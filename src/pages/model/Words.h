#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvan {

// The words in which settings and their values are named, as the pages show them.

// "Funkkreis 1" for circuit 0.
std::string CircuitTitle(std::size_t circuit);

// A setting's name from the captions that lead to its control on the page, outermost first
// (group box, then the control's caption or label): line breaks and runs of blanks become one
// blank, a label's closing colon is dropped, empty parts are skipped, the rest joined by " › ".
// {"LED wenn BUSY Eingang aktiv", "Funkkreis 1:"} names "LED wenn BUSY Eingang aktiv ›
// Funkkreis 1".
std::string SettingName(std::initializer_list<std::string_view> captions);

// Characters as stored, for a value that no word describes: printable ASCII as it stands,
// anything else as "\xNN", and the backslash as "\x5C" so that every text reads back one way.
std::string RawCharacters(std::string_view chars);
// The characters that RawCharacters renders as text; nothing when text is no such rendering.
std::optional<std::string> CharactersFromRaw(std::string_view text);

// words, followed by " (gespeichert: x)" when the characters read differ from the normal form
// the page writes back; a value in words never hides what the image holds.
std::string WithOddCharacter(std::string words, std::string_view read, std::string_view normal);

// A value in words split into the words and the characters its " (gespeichert: x)" names.
struct OddCharacterSplit {
    std::string_view words;
    std::optional<std::string> read;  // nothing without a note, or with one that reads no way
};
OddCharacterSplit SplitOddCharacter(std::string_view value);

// What a value in words comes to: the characters the page's OK writes for it, or why the page
// would not take it (German, for the user; empty when it is taken).
struct WordsReading {
    std::string stored;
    std::string problem;
};
WordsReading Refused(std::string_view words, const std::string& allowed);

// The inverse of the words of a one-character setting: the candidate whose encoding (made by
// make(candidate)) writes that candidate back and renders exactly these words. A character
// that renders as itself (a code that no option names) is kept as well, so that every value
// the words describe reads back.
template <typename Make>
WordsReading ReadOneOf(std::string_view words, std::string_view candidates, Make make) {
    std::vector<std::string> allowed;
    for (char candidate : candidates) {
        const auto encoding = make(candidate);
        if (encoding.Stored() != std::string(1, candidate))
            continue;
        if (encoding.Words() == words)
            return {encoding.Stored(), {}};
        allowed.push_back(encoding.Words());
    }
    const std::optional<std::string> raw = CharactersFromRaw(words);
    if (raw && raw->size() == 1 && make(raw->front()).Words() == words)
        return {*raw, {}};
    std::string list;
    for (const std::string& each : allowed)
        list += (list.empty() ? "" : ", ") + ("„" + each + "“");
    return Refused(words, list);
}

}  // namespace orvan
