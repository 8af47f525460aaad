#pragma once

#include <string>
#include <string_view>

namespace orvan {

// True if every character is "0"-"9" or upper-case "A"-"F"; the empty text is hexadecimal.
bool IsHexText(std::string_view text);
// "0"-"9" -> 0-9, "A"-"F" -> 10-15, anything else (lower case included) -> 0.
int HexDigitValue(char c);
// 0-15 -> "0"-"9", "A"-"F"; any other value is returned as the character code itself.
char HexDigitChar(int value);
// Pads with "0" on the left up to width; never shortens.
std::string PadLeftZeros(std::string_view text, std::size_t width);
// Pads with "0" on the right up to width; never shortens.
std::string PadRightZeros(std::string_view text, std::size_t width);
// Upper-cases the ASCII letters a-z; every other byte stays as it is.
std::string ToUpperAscii(std::string_view text);
// Position of needle in haystack at index 1 or later; the unit's texts never count at 0.
// Returns std::string_view::npos when there is no such match.
std::size_t FindFromSecond(std::string_view haystack, std::string_view needle);
// The bytes as a trace shows them: printable ASCII as it is, "\r", "\n" and "\\" escaped,
// every other byte as "\xHH".
std::string EscapedBytes(std::string_view bytes);

}  // namespace orvan
