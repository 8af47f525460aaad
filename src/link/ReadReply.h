#pragma once

#include <string_view>

#include "core/Register.h"

namespace orvan {

// Takes a read's collected reply into the image: the version text from the identification line,
// the AF-squelch option, and characters 0 to 7 of every register, from the register lines in
// order. The reply is taken only when the identification line is followed by the lines "$R000"
// to "$R299" in order; a stray, missing or merged line would shift every later register, so the
// image is then left untouched and the result is false. Sets changed on success.
[[nodiscard]] bool ParseReadReply(std::string_view reply, Register& image);

}  // namespace orvan
