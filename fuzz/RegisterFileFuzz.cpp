// Feeds arbitrary bytes to the register file reader: it must never crash or read out of bounds,
// and it always leaves exactly 300 non-empty registers.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "core/Register.h"
#include "core/RegisterFile.h"

namespace {

namespace fs = std::filesystem;

// Memory-backed when possible: rewriting a disk file hundreds of times a second is slow.
const std::string& InputPath() {
    static const std::string path = [] {
        std::error_code error;
        const fs::path folder =
            fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        return (folder / ("orvan2a-fuzz-" + std::to_string(::getpid()) + ".rvx2a2")).string();
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(InputPath().c_str(), "wb");
    if (file == nullptr) {
        std::abort();
    }
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    orvan::Register image;
    image.fileName = InputPath();
    const orvan::FileResult result = orvan::LoadFromFile(image);
    std::remove(InputPath().c_str());
    if (!result.Succeeded()) {
        std::abort();
    }
    for (int n = 0; n < orvan::kRegisterCount; ++n) {
        if (image.Value(n).empty()) {
            std::abort();
        }
    }
    return 0;
}
