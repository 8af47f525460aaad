#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/Register.h"
#include "link/SystemPort.h"
#include "link/Timing.h"
#include "sim/SimulatedUnit.h"

namespace orvan::test {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Scaled pauses, but a read bound well above the host thread's stalls on a loaded machine: the
// procedures take a few empty reads in a row for a unit that has fallen silent.
inline Timing FastTiming() {
    Timing timing = Timing{}.Scaled(10);
    timing.readBound = milliseconds(25);
    return timing;
}
inline const Timing kFast = FastTiming();

// For measuring pauses on the unit's side: long enough that the unit's thread taking a byte
// late (it shortens the gap it sees) stays well inside kPauseTolerance, and a missing pause
// (a gap of a few milliseconds) far outside.
inline Timing PauseTiming() {
    Timing timing = kFast;
    timing.procedurePause = milliseconds(300);
    timing.leaveProcedurePause = milliseconds(300);
    return timing;
}
inline constexpr milliseconds kPauseTolerance{80};

// For faulty units: a read bound well above the simulated unit's output rhythm (a few
// milliseconds), so that a flood never looks like silence, and a short wait limit.
inline Timing FaultTiming() {
    Timing timing = kFast;
    timing.readBound = milliseconds(30);
    timing.procedureWaitLimit = milliseconds(300);
    return timing;
}

// A simulated unit on a pseudo-terminal and an image whose port opens on it.
class ProcedureLine : public ::testing::Test {
  protected:
    void StartUnit(sim::UnitOptions options = {}, const Timing& timing = kFast) {
        unit = std::make_unique<sim::PtyHost>(std::move(options));
        image = std::make_unique<Register>(MakeSystemPort(folder.string(), timing.readBound));
        path = unit->SlavePath();
    }

    // What the PC sent, once the unit's thread has taken at least expected bytes of it.
    std::string Sent(std::size_t expected = 0) const {
        for (int i = 0; i < 200 && unit->ReceivedBytes().size() < expected; ++i)
            std::this_thread::sleep_for(milliseconds(5));
        return unit->ReceivedBytes();
    }

    // When the unit took each byte the PC sent.
    std::vector<Clock::time_point> SentTimes() const {
        std::vector<Clock::time_point> times;
        for (const sim::TraceEntry& entry : unit->Trace()) {
            if (!entry.fromUnit)
                times.push_back(entry.time);
        }
        return times;
    }

    // The pause on the line after the end of the first occurrence of marker at or after from.
    milliseconds GapAfter(std::string_view marker, std::size_t from = 0) const {
        const std::string bytes = Sent();
        const std::size_t at = bytes.find(marker, from);
        EXPECT_NE(at, std::string::npos) << "no " << marker;
        const std::vector<Clock::time_point> times = SentTimes();
        const std::size_t last = at + marker.size() - 1;
        if (at == std::string::npos || last + 1 >= times.size())
            return milliseconds::max();
        return std::chrono::duration_cast<milliseconds>(times[last + 1] - times[last]);
    }

    // When the unit took the PC's last byte so far.
    Clock::time_point LastSent() const {
        Sent();
        const auto times = SentTimes();
        return times.empty() ? Clock::time_point{} : times.back();
    }

    template <typename Action>
    static milliseconds Took(Action action) {
        const auto start = Clock::now();
        action();
        return std::chrono::duration_cast<milliseconds>(Clock::now() - start);
    }

    std::filesystem::path folder = std::filesystem::temp_directory_path() / "orvan-proc-ports";
    std::unique_ptr<sim::PtyHost> unit;
    std::unique_ptr<Register> image;
    std::string path;
};

// A port whose unit answers from a byte source, one byte per read, and that records when each
// read and write happened: for the pauses between reads that the line cannot show.
class TimedPort : public SerialPort {
  public:
    struct Event {
        Clock::time_point time;
        char kind;  // 'o' open, 'c' close, 'w' write, 'r' read with a byte, 's' silent read
        std::string bytes;
    };
    struct Shared {
        std::function<std::optional<char>()> source;  // nullopt: silence
        std::vector<Event> events;
        bool open = false;
        milliseconds silence{5};
    };

    explicit TimedPort(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}

    bool Open(const std::string&) override {
        Record('o', {});
        return shared_->open = true;
    }
    void Configure() override {}
    bool IsOpen() const override { return shared_->open; }
    void Close() override {
        Record('c', {});
        shared_->open = false;
    }
    bool Write(const std::string& bytes) override {
        Record('w', bytes);
        return true;
    }
    ReadStatus ReadByte(char& byte) override {
        const std::optional<char> next = shared_->source ? shared_->source() : std::nullopt;
        if (!next) {
            std::this_thread::sleep_for(shared_->silence);
            Record('s', {});
            return ReadStatus::Silence;
        }
        byte = *next;
        Record('r', std::string(1, byte));
        return ReadStatus::Byte;
    }
    bool HasFailed() const override { return false; }
    std::string OpenFailureReason() const override { return {}; }
    bool CanOpen(const std::string&) override { return true; }
    std::string DeviceFor(const std::string&) const override { return {}; }

  private:
    void Record(char kind, std::string bytes) {
        shared_->events.push_back({Clock::now(), kind, std::move(bytes)});
    }
    std::shared_ptr<Shared> shared_;
};

// An endless repetition of text, as a byte source.
inline std::function<std::optional<char>()> Repeating(std::string text) {
    auto at = std::make_shared<std::size_t>(0);
    return [text = std::move(text), at]() -> std::optional<char> {
        return text[(*at)++ % text.size()];
    };
}

}  // namespace orvan::test
