#include "sim/UnitRegisterFile.h"

#include <stdexcept>

#include "core/RegisterFile.h"

namespace orvan::sim {

std::array<std::string, kRegisterCount> LoadUnitRegisters(const std::string& path) {
    Register image;
    image.fileName = path;
    const FileResult result = LoadFromFile(image);
    if (!result.Succeeded()) {
        throw std::runtime_error(path + ": " + result.reason);
    }
    std::array<std::string, kRegisterCount> values;
    for (int n = 0; n < kRegisterCount; ++n) {
        values[n] = image.Value(n);
    }
    return values;
}

}  // namespace orvan::sim
