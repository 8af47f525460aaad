#pragma once

#include <string>

namespace orvan {

// Outcome of one bounded single-byte read.
enum class ReadStatus {
    Byte,     // one byte arrived (it may be 0; callers treat 0 as silence)
    Silence,  // the read bound passed without a byte
    Failed,   // the device is gone or in error (unplugged adapter, hang-up)
};

// The operating-system side of the serial line. Declared here so that the register image can
// carry the port without core depending on link; the backends live in link.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // Opens the device exclusively and configures it for 9600 8N1 raw. "\\.\COMn" names are
    // resolved by the backend; a path containing "/" is used as a device path as it stands.
    virtual bool Open(const std::string& path) = 0;
    // Reapplies the line settings to an already open port.
    virtual void Configure() = 0;
    virtual bool IsOpen() const = 0;
    virtual void Close() = 0;
    // Synchronous: returns once the bytes have left the line. False on a device error.
    virtual bool Write(const std::string& bytes) = 0;
    // Reads at most one byte, returning after the read bound (about 51 ms) without one.
    virtual ReadStatus ReadByte(char& byte) = 0;
    // True once a read or write saw the device vanish; cleared by the next Open.
    virtual bool HasFailed() const = 0;
    // Why the last Open failed, in German, for the front ends to show after the fixed message.
    virtual std::string OpenFailureReason() const = 0;
    // Whether the path opens exclusively right now (opened and closed again at once).
    virtual bool CanOpen(const std::string& path) = 0;
    // The device a port path resolves to, for display ("/dev/ttyUSB0"); empty when unknown.
    virtual std::string DeviceFor(const std::string& path) const = 0;
};

}  // namespace orvan
