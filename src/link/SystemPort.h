#pragma once

#include <memory>
#include <string>

#include "core/PortFolder.h"
#include "core/SerialPort.h"
#include "link/Timing.h"

namespace orvan {

// The serial port backend of this platform (termios or Win32). portFolder holds the COMn links
// (POSIX only); readBound is the single-byte read bound.
std::unique_ptr<SerialPort> MakeSystemPort(const std::string& portFolder = DefaultPortFolder(),
                                           Milliseconds readBound = Timing{}.readBound);

}  // namespace orvan
