#include "link/PortTrace.h"

#include <cerrno>
#include <ctime>

#include "core/FileAccess.h"

namespace orvan {

namespace {

std::FILE* CreateTextFile(const std::filesystem::path& file) {
#ifdef _WIN32
    return _wfopen(file.c_str(), L"wb");
#else
    return std::fopen(file.c_str(), "wb");
#endif
}

std::string WallClockNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

}  // namespace

PortTrace::~PortTrace() {
    Stop();
}

std::error_code PortTrace::Start(const std::filesystem::path& file) {
    Stop();
    std::FILE* opened = CreateTextFile(file);
    if (opened == nullptr) {
        return {errno, std::generic_category()};
    }
    std::lock_guard lock(mutex_);
    file_.reset(opened);
    start_ = Clock::now();
    received_.clear();
    std::fprintf(file_.get(),
                 "# orvan2a Verbindungsprotokoll, begonnen %s\n"
                 "# Millisekunden seit Beginn, Richtung (>> gesendet, << empfangen, -- Port), "
                 "Bytes\n",
                 WallClockNow().c_str());
    std::fflush(file_.get());
    return {};
}

void PortTrace::Stop() {
    std::lock_guard lock(mutex_);
    if (!file_) {
        return;
    }
    FlushReceived();
    file_.reset();
}

bool PortTrace::Active() const {
    std::lock_guard lock(mutex_);
    return file_ != nullptr;
}

void PortTrace::Sent(std::string_view bytes) {
    const Clock::time_point now = Clock::now();
    std::lock_guard lock(mutex_);
    if (!file_) {
        return;
    }
    FlushReceived();
    WriteLine(now, ">>", Escape(bytes));
}

void PortTrace::Received(char byte) {
    const Clock::time_point now = Clock::now();
    std::lock_guard lock(mutex_);
    if (!file_) {
        return;
    }
    if (received_.empty()) {
        receivedSince_ = now;
    }
    received_ += byte;
    if (byte == '\n') {
        FlushReceived();
    }
}

void PortTrace::Silence() {
    std::lock_guard lock(mutex_);
    if (file_) {
        FlushReceived();
    }
}

void PortTrace::Event(std::string_view text) {
    const Clock::time_point now = Clock::now();
    std::lock_guard lock(mutex_);
    if (!file_) {
        return;
    }
    FlushReceived();
    WriteLine(now, "--", text);
}

std::string PortTrace::Escape(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
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
            text += {'\\', 'x', kDigits[byte >> 4], kDigits[byte & 0xF]};
        }
    }
    return text;
}

void PortTrace::FlushReceived() {
    if (received_.empty()) {
        return;
    }
    WriteLine(receivedSince_, "<<", Escape(received_));
    received_.clear();
}

void PortTrace::WriteLine(Clock::time_point time, std::string_view direction,
                          std::string_view text) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(time - start_).count();
    std::fprintf(file_.get(), "%8lld %.*s %.*s\n", static_cast<long long>(ms),
                 static_cast<int>(direction.size()), direction.data(),
                 static_cast<int>(text.size()), text.data());
    // Kept on disk line by line, so that a trace survives a crash or a pulled plug.
    std::fflush(file_.get());
}

}  // namespace orvan
