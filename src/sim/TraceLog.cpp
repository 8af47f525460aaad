#include "sim/TraceLog.h"

#include <cstdio>
#include <stdexcept>

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
        file_ << micros << (fromUnit ? " <UNIT " : " PC> ") << Escape(bytes) << '\n' << std::flush;
    }
}

std::vector<TraceEntry> TraceLog::Entries() const {
    return {entries_.begin(), entries_.end()};
}

std::string TraceLog::Escape(std::string_view bytes) {
    std::string text;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            text += "\\\\";
        } else if (c == '\r') {
            text += "\\r";
        } else if (c == '\n') {
            text += "\\n";
        } else if (byte >= 0x20 && byte < 0x7F) {
            text += c;
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            text += hex;
        }
    }
    return text;
}

}  // namespace orvan::sim
