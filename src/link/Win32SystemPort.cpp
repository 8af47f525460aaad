#include "link/SystemPort.h"
#include "link/Win32SerialPort.h"

namespace orvan {

// Windows names its ports itself, so the folder of COMn links has no meaning here.
std::unique_ptr<SerialPort> MakeSystemPort(const std::string&, Milliseconds readBound) {
    return std::make_unique<Win32SerialPort>(readBound);
}

}  // namespace orvan
