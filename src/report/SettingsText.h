#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/Register.h"

namespace orvan {

// Settings as text: what `show` prints, under a header that names the format, so that a
// technician can keep a configuration in an editor or under version control and load it again.
constexpr std::string_view kSettingsTextHeader = "# Orvan 2a/2b Einstellungen, Format 1";
// A text larger than this is no configuration.
constexpr std::size_t kSettingsTextLimit = 1024 * 1024;

// The image as settings text. Lossless: every character of every register is named by a
// setting line (odd characters in its " (gespeichert: x)" note), a raw register line, or, for a
// register shorter than its settings, a length line "Register 012 (Länge): 5". Trailing blanks
// of a value stand as "\x20". The same image always gives the same bytes.
std::string SettingsText(const Register& image);

// One refusal: the text's line (1 = first line; 0 = the text as a whole) and why, in German.
struct TextProblem {
    int line = 0;
    std::string message;
    int earlier = 0;  // the line that named the same thing first, for "(zuerst in Zeile 2)"
};

struct TextImport {
    std::vector<TextProblem> problems;  // by line; empty when the text was taken
    // Without a base: what the text leaves open, by setting or raw character ("fehlt").
    std::vector<std::string> missing;

    bool Taken() const { return problems.empty() && missing.empty(); }
};

// Builds the image from a settings text. Without a base the text must name every character;
// with one it is laid over the base's values and changes only what it names. Every problem of
// the text is collected; image changes only when the text is taken.
TextImport ReadSettingsText(std::string_view text, const Register* base, Register& image);

// "DATEI:ZEILE: Meldung" for each problem (at most a screenful, then how many more), or the
// missing characters; one line each.
std::vector<std::string> ImportMessages(const TextImport& import, const std::string& source);

}  // namespace orvan
