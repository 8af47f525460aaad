#include "sim/TraceLog.h"

#include <stdexcept>

#include "core/TextFunctions.h"

namespace orvan::sim {

TraceLog::TraceLog(const std::string& fileName) : start_(Clock::now()) {
    if (fileName.empty()) {
        return;
    }
    file_.open(fileName, std::ios::out | std::ios::trunc);
    if (!file_) {
        throw std::runtime_error("Trace-Datei kann nicht angelegt werden: " + fileName);
    }
    file_ << "# orvan2a-sim: microseconds since start, direction, bytes\n" << std::flush;
}

void TraceLog::Record(bool fromUnit, std::string_view bytes, Clock::time_point time) {
    for (char byte : bytes) {
        if (entries_.size() == kMaxEntries) {
            entries_.pop_front();
        }
        entries_.push_back({time, fromUnit, byte});
    }
    if (file_.is_open() && !bytes.empty()) {
        const auto micros =
            std::chrono::duration_cast<std::chrono::microseconds>(time - start_).count();
        // Flushed per line so that a trace stays useful when the simulator is killed.
        file_ << micros << (fromUnit ? " <UNIT " : " PC> ") << EscapedBytes(bytes) << '\n'
              << std::flush;
    }
}

std::vector<TraceEntry> TraceLog::Entries() const {
    return {entries_.begin(), entries_.end()};
}

}  // namespace orvan::sim
