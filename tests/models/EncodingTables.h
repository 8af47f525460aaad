#pragma once

#include "pages/model/Binding.h"

namespace orvan {

// Tables shared by the encoding and catalogue tests, written out as a page would.
inline constexpr ChoiceOption kBusyOptions[] = {
    {'0', "BUSY immer aus"}, {'1', "BUSY aktiv bei TX aktiv"}, {'2', "BUSY aktiv bei Kreis an"}};
inline constexpr DecimalRule kPadRightRules[] = {PadRight{}};

}  // namespace orvan
