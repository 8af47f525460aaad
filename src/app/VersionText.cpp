#include "app/VersionText.h"

#include <algorithm>

namespace orvan {

std::string ShortenedVersionText(const std::string& versionText) {
    const std::size_t art = versionText.find("ART");
    if (art == std::string::npos)
        return versionText;
    return versionText.substr(std::min(art + 9, versionText.size()));
}

}  // namespace orvan
