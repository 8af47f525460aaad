#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/Register.h"
#include "link/ReadReply.h"

// Any reply a unit or a broken line can produce must parse without reading out of bounds, and
// must leave 300 registers of at least eight characters; a rejected reply changes nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    orvan::Register image;
    const bool taken =
        orvan::ParseReadReply(std::string_view(reinterpret_cast<const char*>(data), size), image);
    if (taken != image.changed) {
        std::abort();
    }
    for (int n = 0; n < orvan::kRegisterCount; ++n) {
        if (image.Value(n).size() < orvan::kValueLength) {
            std::abort();
        }
    }
    return 0;
}
