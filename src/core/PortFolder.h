#pragma once

#include <string>

namespace orvan {

// The folder of COMn links that map the program's port names to devices:
// $XDG_CONFIG_HOME/orvan2a/ports, or ~/.config/orvan2a/ports without it.
std::string DefaultPortFolder();

}  // namespace orvan
