#pragma once

#include <atomic>
#include <mutex>
#include <string>

#include "core/SerialPort.h"
#include "link/PortNamespace.h"
#include "link/Timing.h"

namespace orvan {

// The termios backend: exclusive (TIOCEXCL plus flock, which holds for root too), 9600 8N1 raw
// without flow control, a poll-bounded single-byte read and a drained write.
class PosixSerialPort final : public SerialPort {
  public:
    explicit PosixSerialPort(PortNamespace names, Milliseconds readBound = Timing{}.readBound,
                             Milliseconds writeLimit = kDefaultWriteLimit);
    ~PosixSerialPort() override;
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    bool Open(const std::string& path) override;
    void Configure() override;
    bool IsOpen() const override { return fd_ >= 0; }
    void Close() override;
    bool Write(const std::string& bytes) override;
    ReadStatus ReadByte(char& byte) override;
    bool HasFailed() const override { return failed_; }
    std::string OpenFailureReason() const override { return openFailureReason_; }
    bool CanOpen(const std::string& path) override;
    std::string DeviceFor(const std::string& path) const override;

    // A write that cannot hand its bytes to the driver within this gives up: a blocked line
    // must not hang the transfer.
    static constexpr Milliseconds kDefaultWriteLimit{2000};

  private:
    void CloseLocked();

    PortNamespace names_;
    Milliseconds readBound_;
    Milliseconds writeLimit_;
    // A send's start command is written from another thread than the worker's, which may close
    // the port: writes, opening and closing take turns; the worker's reads need only the number.
    std::mutex lifecycle_;
    std::atomic<int> fd_{-1};
    std::atomic<bool> failed_{false};
    std::string openFailureReason_;
};

}  // namespace orvan
