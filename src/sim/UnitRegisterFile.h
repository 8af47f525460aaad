#pragma once

#include <array>
#include <string>

#include "core/Register.h"

namespace orvan::sim {

// The 300 values of a register file, read by the program's own reader. Throws
// std::runtime_error with the reader's reason when the file cannot be loaded; a file that loads
// with a warning (it ended early) still gives its values.
std::array<std::string, kRegisterCount> LoadUnitRegisters(const std::string& path);

}  // namespace orvan::sim
