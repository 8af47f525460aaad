#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/SettingsText.h"

namespace orvan::report_detail {

// A line that names something: a setting ("Seite › Einstellung: Wert") or raw characters.
struct ContentLine {
    int number = 0;
    std::string text;  // without line end and trailing blanks
};

// What a register file can hold in one value: 1 to 9 characters, the first a digit or "A"-"F",
// no line feed, no carriage return at the end.
constexpr std::size_t kMostFileCharacters = 9;

// The raw characters of one register: the whole value, some characters, or its length.
struct RawLine {
    enum class Kind { Whole, Some, Length };
    int number = 0;
    int reg = 0;
    Kind kind = Kind::Whole;
    std::vector<std::size_t> positions;  // Some: the characters meant, in order
    std::string chars;                   // Whole, Some: the characters
    std::size_t length = 0;              // Length
};

// The text split into its content lines after the header; problems of the text as a whole
// (size, encoding, header) go to problems.
std::vector<ContentLine> ContentLines(std::string_view text, std::vector<TextProblem>& problems);

// A line that begins "Register " and three digits: it names raw characters.
bool IsRawLine(std::string_view line);
// "Register 017: …", "Register 012 (Zeichen 3, 6-7): …", "Register 012 (Länge): 5"; nothing,
// with its problem, when the line is faulty.
std::optional<RawLine> ReadRawLine(const ContentLine& line, std::vector<TextProblem>& problems);

// The value after the name: from the first ": " after `name`, or empty for a line ending in
// ":"; nothing when the line does not continue so.
std::optional<std::string_view> ValueAfter(std::string_view line, std::size_t nameLength);

// A name with "›" typed as ">" between its parts.
std::string WithGuillemets(std::string name);

// A value's trailing blanks, which the text writes as "\x20", as blanks again.
std::string WithTrailingBlanks(std::string_view value);

// The first characters of text, at most limit bytes, then "…".
std::string Shortened(std::string_view text, std::size_t limit);

// The name most like `name` among names (fewest edits), for "Meinten Sie …?".
std::string NearestName(std::string_view name, const std::vector<std::string>& names);

}  // namespace orvan::report_detail
