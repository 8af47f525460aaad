#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "procedures/model/ProcedureTexts.h"

namespace {

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// What an extractor returns must stand in the text it was given, at its full length.
void CheckTaken(const std::optional<std::string>& taken, std::size_t length,
                std::string_view text) {
    if (taken) {
        Check(taken->size() == length);
        Check(text.find(*taken) != std::string_view::npos);
    }
}

}  // namespace

// Any text a unit or a broken line produces is read without leaving it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const bool input : {true, false}) {
        const orvan::PotiReading reading = orvan::ReadPotiDisplay(text, input);
        CheckTaken(reading.setting, input ? 5 : 3, text);
        CheckTaken(reading.level, 3, text);
        Check(input || !reading.level);
    }
    CheckTaken(orvan::ReadStartValue(text), 3, text);
    if (const auto connected = orvan::ReadHeadsetConnected(text)) {
        const std::size_t at = text.rfind("Headset angeschlossen");
        Check(at != std::string_view::npos && at >= 5);
        Check(*connected == (text.substr(at - 5, 5) != "kein "));
    }
    return 0;
}
