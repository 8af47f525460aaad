#pragma once

#include <chrono>

namespace orvan::sim {

// When the unit's next byte is due on a 9600-baud 8N1 line (ten bits a byte). A byte counts as
// delivered when its stop bit ends; deadlines follow each other from the first byte of a burst,
// so late wake-ups do not add up. Without pacing every byte is due at once.
class Pacer {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::nanoseconds kByteTime{1'041'667};

    explicit Pacer(bool on) : on_(on) {}

    // Output became pending at now after the line was idle.
    void OutputQueued(Clock::time_point now) {
        if (now + kByteTime > next_) {
            next_ = now + kByteTime;
        }
    }
    bool Due(Clock::time_point now) const { return !on_ || now >= next_; }
    Clock::time_point NextDue() const { return next_; }
    void ByteSent() { next_ += kByteTime; }
    bool On() const { return on_; }

  private:
    bool on_;
    Clock::time_point next_{};
};

}  // namespace orvan::sim
