#include "link/PosixSerialPort.h"
#include "link/SystemPort.h"

namespace orvan {

std::unique_ptr<SerialPort> MakeSystemPort(const std::string& portFolder, Milliseconds readBound) {
    return std::make_unique<PosixSerialPort>(PortNamespace(portFolder), readBound);
}

}  // namespace orvan
