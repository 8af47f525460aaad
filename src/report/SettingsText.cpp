#include "report/SettingsText.h"

#include <algorithm>

#include "core/TextFunctions.h"
#include "report/Description.h"

namespace orvan {

namespace {

constexpr std::size_t kMostMessages = 20;
constexpr std::size_t kMostMissingNamed = 5;

// Blanks at the end of a line are lost in many editors; at the end of a value they stand as
// "\x20".
std::string WithVisibleTrailingBlanks(std::string value) {
    std::size_t blanks = 0;
    while (blanks < value.size() && value[value.size() - 1 - blanks] == ' ')
        ++blanks;
    value.resize(value.size() - blanks);
    for (std::size_t i = 0; i < blanks; ++i)
        value += "\\x20";
    return value;
}

}  // namespace

std::string SettingsText(const Register& image) {
    std::string text = std::string(kSettingsTextHeader) + "\n";
    std::vector<std::size_t> boundEnd(kRegisterCount, 0);
    for (const DescribedSetting& setting : DescribeImage(image)) {
        for (const CharRange& range : setting.Raw() ? std::vector<CharRange>() : setting.chars)
            boundEnd[range.reg] = std::max(boundEnd[range.reg], range.first + range.width);
        text +=
            DescriptionLine(setting.page, setting.name, WithVisibleTrailingBlanks(setting.words)) +
            "\n";
    }
    // A register shorter than its settings reads as "0" where it ends: only its length tells.
    for (int reg = 0; reg < kRegisterCount; ++reg) {
        const std::size_t length = image.Value(reg).size();
        if (length < boundEnd[reg]) {
            text += "Register " + PadLeftZeros(std::to_string(reg), 3) +
                    " (Länge): " + std::to_string(length) + "\n";
        }
    }
    return text;
}

std::vector<std::string> ImportMessages(const TextImport& import, const std::string& source) {
    std::vector<std::string> messages;
    for (const TextProblem& problem : import.problems) {
        if (messages.size() == kMostMessages) {
            messages.push_back(source + ": … und " +
                               std::to_string(import.problems.size() - kMostMessages) +
                               " weitere Fehler.");
            break;
        }
        messages.push_back(source + (problem.line > 0 ? ":" + std::to_string(problem.line) : "") +
                           ": " + problem.message +
                           (problem.earlier > 0
                                ? " (zuerst in Zeile " + std::to_string(problem.earlier) + ")."
                                : ""));
    }
    if (messages.empty() && !import.missing.empty()) {
        std::string named;
        for (std::size_t i = 0; i < import.missing.size() && i < kMostMissingNamed; ++i)
            named += (i > 0 ? "; " : "") + import.missing[i];
        if (import.missing.size() > kMostMissingNamed)
            named +=
                " und " + std::to_string(import.missing.size() - kMostMissingNamed) + " weitere";
        messages.push_back(
            source + ": Der Text bestimmt nicht jedes Zeichen des Abbilds; es fehlen: " + named +
            ".");
    }
    return messages;
}

}  // namespace orvan
