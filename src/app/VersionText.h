#pragma once

#include <string>

namespace orvan {

// The unit's version text as the version button shows it: when it contains "ART", the front up to
// nine characters past the first "ART" is dropped (all of it when the text is shorter).
std::string ShortenedVersionText(const std::string& versionText);

}  // namespace orvan
