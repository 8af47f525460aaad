#include "link/ReadReply.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/TextFunctions.h"
#include "link/Protocol.h"

namespace orvan {

namespace {

constexpr std::size_t kParseLength = 4550;
constexpr std::size_t kLineNumberLength = 5;  // "$R" and three digits
constexpr std::size_t kVersionOffset = 12;

// The parse text split at every run of "\n"; empty pieces do not occur.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (end > start) {
            pieces.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return pieces;
}

// The eight value characters of a register line. A line cut short gives what it has up to its
// "\r", completed with "0".
std::string LineValue(std::string_view line) {
    std::string_view value =
        line.size() > kLineNumberLength ? line.substr(kLineNumberLength, kValueLength) : "";
    value = value.substr(0, value.find('\r'));
    return PadRightZeros(value, kValueLength);
}

// Each register's line carries its own number: "$R000" before register 0, and so on.
bool LinesCarryTheirNumbers(const std::vector<std::string_view>& pieces) {
    if (pieces.size() < static_cast<std::size_t>(kRegisterCount) + 1) {
        return false;
    }
    for (int n = 0; n < kRegisterCount; ++n) {
        if (!pieces[n + 1].starts_with("$R" + protocol::RegisterNumber(n))) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool ParseReadReply(std::string_view reply, Register& image) {
    // The reply followed by "0" filler, so that a line cut short by the reply's end is completed.
    // A reply longer than the usual 4550 characters is kept whole: cutting it would fill the
    // last registers with filler instead of the unit's values.
    std::string parseText(reply);
    parseText.resize(std::max(kParseLength, parseText.size() + kLineNumberLength + kValueLength),
                     '0');
    std::vector<std::string_view> pieces = SplitLines(parseText);
    // The unit's answer to the end command of the session before can reach a port that was
    // opened (and flushed) right after that session closed it; taken as the identification
    // line, it would shift every register by one.
    while (pieces.size() > 1 && (pieces.front() == "ENDE\r" || pieces.front() == "ENDE")) {
        pieces.erase(pieces.begin());
    }
    if (!LinesCarryTheirNumbers(pieces)) {
        return false;
    }

    const std::string_view identification = pieces.front();
    image.versionText = identification.size() > kVersionOffset
                            ? std::string(identification.substr(kVersionOffset))
                            : std::string();
    if (FindFromSecond(image.versionText, "N") != std::string_view::npos) {
        image.hasAfSquelch = true;
    }
    for (int n = 0; n < kRegisterCount; ++n) {
        image.ReplaceChars(n, 0, LineValue(pieces[n + 1]));
    }
    image.changed = true;
    return true;
}

}  // namespace orvan
