#pragma once

#include <string_view>

#include "sim/SimulatedUnit.h"

namespace orvan::sim {

// The unit's answer to "$PROGSTART": exactly one line, so that the read takes the next line as
// the first register's. The first twelve characters are the unit's model field; the rest is its
// version text, in which "PROGSTART ok:" and two blanks stand before the version number so that
// the version display, which cuts up to "ART" and nine more characters, keeps "V1.33 ...".
// "NF" is the AF-squelch option letter.
std::string_view Banner(Identification identification);

}  // namespace orvan::sim
