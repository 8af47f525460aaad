// Feeds arbitrary text to the settings text reader, complete and over a base: it must never
// crash or hang, and every text it takes exports to a text that reads back to the same image.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/Register.h"
#include "report/SettingsText.h"

namespace {

void CheckRoundTrip(const orvan::Register& image) {
    orvan::Register back;
    if (!orvan::ReadSettingsText(orvan::SettingsText(image), nullptr, back).Taken())
        std::abort();
    for (int reg = 0; reg < orvan::kRegisterCount; ++reg) {
        if (back.Value(reg) != image.Value(reg))
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    static const orvan::Register base;  // every register "00000000"
    for (const orvan::Register* over : {static_cast<const orvan::Register*>(nullptr), &base}) {
        orvan::Register image;
        if (orvan::ReadSettingsText(text, over, image).Taken())
            CheckRoundTrip(image);
    }
    return 0;
}
