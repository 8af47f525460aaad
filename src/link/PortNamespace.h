#pragma once

#include <string>

namespace orvan {

// Maps the program's port names "\\.\COMn" to POSIX devices: a link (or file) named COMn in the
// ports folder wins; otherwise COM1-32, COM33-64 and COM65-96 stand for /dev/ttyS0-31,
// /dev/ttyUSB0-31 and /dev/ttyACM0-31. A path containing "/" names a device as it stands.
class PortNamespace {
  public:
    explicit PortNamespace(std::string folder);

    // The path to open for a port path; empty when the name stands for no device.
    std::string Resolve(const std::string& path) const;
    // The device a port path stands for, following a folder link one step ("/dev/ttyUSB0");
    // empty when none.
    std::string DeviceFor(const std::string& path) const;
    // The text that names the port to the user: "COMn", or the device path itself.
    static std::string Label(const std::string& path);

    // n of "\\.\COMn" (1..256, written without leading zeros); 0 for anything else.
    static int PortNumber(const std::string& path);
    // The device of the default table for port number n; empty above COM96.
    static std::string TableDevice(int number);

  private:
    std::string folder_;
};

}  // namespace orvan
