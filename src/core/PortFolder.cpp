#include "core/PortFolder.h"

#include <cstdlib>

namespace orvan {

std::string DefaultPortFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    if (config != nullptr && *config != '\0') {
        base = config;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home != nullptr ? home : ".") + "/.config";
    }
    return base + "/orvan2a/ports";
}

}  // namespace orvan
