#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

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
// anything else as "\xNN".
std::string RawCharacters(std::string_view chars);

// words, followed by " (gespeichert: x)" when the characters read differ from the normal form
// the page writes back; a value in words never hides what the image holds.
std::string WithOddCharacter(std::string words, std::string_view read, std::string_view normal);

}  // namespace orvan
