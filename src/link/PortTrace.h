#pragma once

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <system_error>

namespace orvan {

// A readable record of the serial traffic for support: one line per burst, each with the
// milliseconds since the trace began and the direction:
//   1234 >> $R000\r          sent by the program
//   1290 << $R00000000000\r\n  received from the unit
//   1300 -- Port geschlossen   opening, closing, failures
// Printable ASCII stands as it is, "\" as "\\", CR and LF as "\r" and "\n", other bytes as
// "\xNN". Received bytes form one line up to each line feed, a silent read, or the next event.
// Thread-safe: a send's start command comes from another thread than the worker's reads.
class PortTrace {
  public:
    using Clock = std::chrono::steady_clock;

    PortTrace() = default;
    ~PortTrace();
    PortTrace(const PortTrace&) = delete;
    PortTrace& operator=(const PortTrace&) = delete;

    // Creates (or empties) the file and starts recording into it; ends an earlier trace first.
    // On failure nothing is recorded and the reason is returned.
    std::error_code Start(const std::filesystem::path& file);
    // Writes what is still pending and closes the file.
    void Stop();
    bool Active() const;

    void Sent(std::string_view bytes);
    void Received(char byte);
    void Silence();
    void Event(std::string_view text);

    static std::string Escape(std::string_view bytes);

  private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    void FlushReceived();
    void WriteLine(Clock::time_point time, std::string_view direction, std::string_view text);

    mutable std::mutex mutex_;
    std::unique_ptr<std::FILE, FileCloser> file_;
    Clock::time_point start_;
    std::string received_;  // bytes of the burst being received
    Clock::time_point receivedSince_;
};

}  // namespace orvan
