#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvan {

// What the live procedures take from the unit's free text. Every extraction stays inside the
// collected text: a key word whose value is cut off counts as missing.

// A display reply of the potentiometer calibration.
struct PotiReading {
    std::optional<std::string> setting;  // five characters for an input, three otherwise
    std::optional<std::string> level;    // inputs: three characters of mV
};

// Keeps one status report and reads it. An input's reply loses everything from its last "a"
// on, so that only a complete report remains; then everything before the last "a" goes. The
// setting follows "aktuell:" and one blank, the level "Pegel:" and one blank.
PotiReading ReadPotiDisplay(std::string_view text, bool input);

// The three characters after "Startwert:" and one blank.
std::optional<std::string> ReadStartValue(std::string_view text);

// The newest complete headset report: true for "Headset angeschlossen", false for "kein
// Headset angeschlossen". A report is complete when the five characters before it are in the
// text, so that a "kein " cut off at the front cannot pass for a connected headset.
std::optional<bool> ReadHeadsetConnected(std::string_view text);

}  // namespace orvan
