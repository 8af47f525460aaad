#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "sim/SimulatedUnit.h"

namespace orvan::sim {

// Every byte on the line with its time, in memory and optionally in a text file. The file has a
// header line starting with "#", then one line per chunk as it passed the host:
//   <microseconds since start> <"PC>" or "<UNIT"> <bytes, escaped>
// Printable ASCII stands as it is, "\" as "\\", CR and LF as "\r" and "\n", other bytes as "\xNN".
// Not thread-safe; PtyHost serialises access.
class TraceLog {
  public:
    using Clock = std::chrono::steady_clock;

    // Throws std::runtime_error when the file cannot be created; an empty name keeps no file.
    explicit TraceLog(const std::string& fileName);

    void Record(bool fromUnit, std::string_view bytes, Clock::time_point time);
    std::vector<TraceEntry> Entries() const;

    // Memory bound for a long run (an endless garbage stream): the oldest entries go first.
    static constexpr std::size_t kMaxEntries = std::size_t{1} << 21;

  private:
    Clock::time_point start_;
    std::deque<TraceEntry> entries_;
    std::ofstream file_;
};

}  // namespace orvan::sim
