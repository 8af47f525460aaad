#include "procedures/model/ProcedureTexts.h"

namespace orvan {

namespace {

constexpr std::string_view kCurrent = "aktuell:";
constexpr std::string_view kLevel = "Pegel:";
constexpr std::string_view kStartValue = "Startwert:";
constexpr std::string_view kConnected = "Headset angeschlossen";
constexpr std::string_view kNone = "kein ";
constexpr std::size_t kInputSettingLength = 5;
constexpr std::size_t kOtherSettingLength = 3;
constexpr std::size_t kLevelLength = 3;

// count characters starting offset places after the start of key, when all of them are there.
std::optional<std::string> After(std::string_view text, std::string_view key, std::size_t offset,
                                 std::size_t count) {
    const std::size_t at = text.find(key);
    if (at == std::string_view::npos || text.size() - at < offset + count) {
        return std::nullopt;
    }
    return std::string(text.substr(at + offset, count));
}

}  // namespace

PotiReading ReadPotiDisplay(std::string_view text, bool input) {
    if (input) {
        if (const std::size_t last = text.rfind('a'); last != std::string_view::npos) {
            text = text.substr(0, last);
        }
    }
    if (const std::size_t last = text.rfind('a'); last != std::string_view::npos) {
        text = text.substr(last);
    }
    PotiReading reading;
    const std::size_t blank = kCurrent.size() + 1;
    reading.setting =
        After(text, kCurrent, blank, input ? kInputSettingLength : kOtherSettingLength);
    if (reading.setting && input) {
        reading.level = After(text, kLevel, kLevel.size() + 1, kLevelLength);
    }
    return reading;
}

std::optional<std::string> ReadStartValue(std::string_view text) {
    return After(text, kStartValue, kStartValue.size() + 1, kOtherSettingLength);
}

std::optional<bool> ReadHeadsetConnected(std::string_view text) {
    // Any earlier report would start even closer to the front.
    const std::size_t at = text.rfind(kConnected);
    if (at == std::string_view::npos || at < kNone.size()) {
        return std::nullopt;
    }
    return text.substr(at - kNone.size(), kNone.size()) != kNone;
}

}  // namespace orvan
