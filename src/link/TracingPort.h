#pragma once

#include <memory>

#include "core/SerialPort.h"
#include "link/PortTrace.h"

namespace orvan {

// A serial port that records its traffic in a PortTrace and otherwise passes every call through
// unchanged. The trace can be started and stopped at any time; while it is off the port costs
// nothing but a look at the trace.
class TracingPort : public SerialPort {
  public:
    TracingPort(std::unique_ptr<SerialPort> port, std::shared_ptr<PortTrace> trace);

    bool Open(const std::string& path) override;
    void Configure() override;
    bool IsOpen() const override;
    void Close() override;
    bool Write(const std::string& bytes) override;
    ReadStatus ReadByte(char& byte) override;
    bool HasFailed() const override;
    std::string OpenFailureReason() const override;
    bool CanOpen(const std::string& path) override;
    std::string DeviceFor(const std::string& path) const override;

  private:
    std::unique_ptr<SerialPort> port_;
    std::shared_ptr<PortTrace> trace_;
};

}  // namespace orvan
