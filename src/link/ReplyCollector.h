#pragma once

#include <chrono>
#include <string>

#include "core/Register.h"
#include "link/Timing.h"

namespace orvan {

// Collects the unit's bytes during a transfer and keeps the bounds of a wait for them, so that a
// silent or vanished unit ends the transfer instead of hanging it.
class ReplyCollector {
  public:
    enum class Receive { Byte, Nothing, PortFailed };

    ReplyCollector(Register& image, const Timing& timing);

    // One single-byte read; a byte other than 0 is appended to the text.
    Receive ReceiveOne();
    // Starts a bounded wait: it expires after the silence limit without a byte, or after the
    // wait limit in all.
    void StartWait();
    bool WaitExpired() const;

    const std::string& Text() const { return text_; }

  private:
    using Clock = std::chrono::steady_clock;

    Register& image_;
    Timing timing_;
    std::string text_;
    Clock::time_point waitStart_;
    Clock::time_point lastByte_;
};

}  // namespace orvan
