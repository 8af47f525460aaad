#pragma once

#include "core/Register.h"

namespace orvan {

// Sends start, factory reset and end back to back on the open port, then closes it. The caller
// waits Timing::factoryResetPause and starts a read.
void SendFactoryResetCommands(Register& image);

}  // namespace orvan
