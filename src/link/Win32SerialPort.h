#pragma once

#include <atomic>
#include <mutex>
#include <string>

#include "core/SerialPort.h"
#include "link/Timing.h"

namespace orvan {

// The Win32 communications backend: CreateFileA without sharing, "9600,n,8,1" without input
// XON/XOFF, buffers emptied on open, read time-outs that bound a one-byte ReadFile, and a bounded
// synchronous WriteFile.
class Win32SerialPort final : public SerialPort {
  public:
    explicit Win32SerialPort(Milliseconds readBound = Timing{}.readBound);
    ~Win32SerialPort() override;
    Win32SerialPort(const Win32SerialPort&) = delete;
    Win32SerialPort& operator=(const Win32SerialPort&) = delete;

    bool Open(const std::string& path) override;
    void Configure() override;
    bool IsOpen() const override;
    void Close() override;
    bool Write(const std::string& bytes) override;
    ReadStatus ReadByte(char& byte) override;
    bool HasFailed() const override { return failed_; }
    std::string OpenFailureReason() const override { return openFailureReason_; }
    bool CanOpen(const std::string& path) override;
    // The friendly name of the device on the port where Windows knows one, else "COMn".
    std::string DeviceFor(const std::string& path) const override;

  private:
    bool ApplyLineSettings();
    void CloseLocked();

    Milliseconds readBound_;
    // A send's start command is written from another thread than the worker's, which may close
    // the port: writes, opening and closing take turns; the worker's reads need only the handle.
    std::mutex lifecycle_;
    // HANDLE, kept out of this header so that <windows.h> stays private.
    std::atomic<void*> handle_;
    std::atomic<bool> failed_{false};
    std::string openFailureReason_;
};

}  // namespace orvan
