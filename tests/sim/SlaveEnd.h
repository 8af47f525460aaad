#pragma once

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <string_view>

namespace orvan::sim::test {

// The program's side of the line, opened with plain POSIX calls as a serial port would be.
class SlaveEnd {
  public:
    using Clock = std::chrono::steady_clock;

    explicit SlaveEnd(const std::string& path) : fd_(open(path.c_str(), O_RDWR | O_NOCTTY)) {
        termios settings{};
        if (fd_ >= 0 && tcgetattr(fd_, &settings) == 0) {
            cfmakeraw(&settings);
            tcsetattr(fd_, TCSANOW, &settings);
        }
    }
    ~SlaveEnd() { Close(); }
    SlaveEnd(const SlaveEnd&) = delete;
    SlaveEnd& operator=(const SlaveEnd&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }
    void Close() {
        if (fd_ >= 0) {
            close(fd_);
            fd_ = -1;
        }
    }
    bool Write(std::string_view bytes) {
        return write(fd_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }
    // Reads until count bytes have come or the time is up.
    std::string Read(std::size_t count, std::chrono::milliseconds limit) {
        std::string bytes;
        const auto end = Clock::now() + limit;
        while (bytes.size() < count && Clock::now() < end) {
            pollfd fd{fd_, POLLIN, 0};
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
            if (poll(&fd, 1, static_cast<int>(left.count()) + 1) <= 0 ||
                (fd.revents & POLLIN) == 0) {
                break;
            }
            char buffer[256];
            const std::size_t want = std::min(sizeof buffer, count - bytes.size());
            const ssize_t got = read(fd_, buffer, want);
            if (got <= 0) {
                break;
            }
            bytes.append(buffer, static_cast<std::size_t>(got));
        }
        return bytes;
    }
    // poll's events on the slave after waiting up to limit.
    short Events(std::chrono::milliseconds limit) {
        pollfd fd{fd_, POLLIN, 0};
        poll(&fd, 1, static_cast<int>(limit.count()));
        return fd.revents;
    }

  private:
    int fd_;
};

}  // namespace orvan::sim::test
