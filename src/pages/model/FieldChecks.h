#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvan {

// The checks a page runs on its fields at OK. Each gives the message to show, or nothing when
// the field passes.

// The text without the blanks and tabs around it, as a number field is read.
std::string_view Trimmed(std::string_view text);
// The value of an integer field: optional blanks, an optional sign and digits. A number too
// large for the type saturates, so that it still fails a range check. Nothing when the text is
// no integer.
std::optional<long long> ParseWholeNumber(std::string_view text);
// An integer field within lowest..highest.
std::optional<std::string> WholeNumberProblem(std::string_view text, int lowest, int highest);
// A text field of at most limit characters (UTF-8 characters, not bytes).
std::optional<std::string> TextLengthProblem(std::string_view text, std::size_t limit);

}  // namespace orvan
