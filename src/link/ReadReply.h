#pragma once

#include <string_view>

#include "core/Register.h"

namespace orvan {

// Takes a read's collected reply into the image: the version text from the identification line,
// the AF-squelch option, and characters 0 to 7 of each register whose line arrived, assigned by
// order. Sets changed when at least one register line was parsed.
void ParseReadReply(std::string_view reply, Register& image);

}  // namespace orvan
