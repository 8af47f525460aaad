#include "link/PosixSerialPort.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <vector>

#ifdef __linux__
#include <linux/serial.h>
#endif

namespace orvan {

namespace {

using Clock = std::chrono::steady_clock;

// How a port is named in messages: its label ("COM33" or a device path) and the device it stands
// for, as the user would recognise it.
struct PortName {
    std::string label;
    std::string device;
};

// "Port COM33 (/dev/ttyUSB0)" or "Port /dev/pts/3".
std::string Named(const PortName& name) {
    const auto& [label, device] = name;
    if (device.empty() || device == label) {
        return "Port " + label;
    }
    return "Port " + label + " (" + device + ")";
}

std::string Subject(const PortName& name) {
    return "Der " + Named(name);
}

std::string MissingText(const PortName& name) {
    const auto& [label, device] = name;
    if (device.empty() || device == label) {
        return "Der Port " + label + " ist nicht vorhanden.";
    }
    return "Der Port " + label + " ist nicht vorhanden (" + device + " fehlt).";
}

std::string NoInterfaceText(const PortName& name) {
    return "Zum " + Named(name) + " gehört keine Schnittstelle.";
}

// The group that owns the device node: its members may open it.
std::string GroupOf(const std::string& device) {
    struct stat status {};
    if (::stat(device.c_str(), &status) != 0 || status.st_gid == 0) {
        return {};
    }
    std::vector<char> buffer(16384);
    group entry{};
    group* found = nullptr;
    if (::getgrgid_r(status.st_gid, &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr) {
        return {};
    }
    return found->gr_name;
}

std::string NoPermissionText(const std::string& device) {
    const std::string group = GroupOf(device);
    if (group.empty()) {
        return "Keine Berechtigung für " + device + ".";
    }
    return "Keine Berechtigung für " + device + "; Mitglieder der Gruppe " + group +
           " haben Zugriff.";
}

std::string OpenErrorText(int error, const PortName& name) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return MissingText(name);
        case EBUSY:
        case EWOULDBLOCK:
            return Subject(name) + " wird von einem anderen Programm benutzt.";
        case EACCES:
        case EPERM:
            return NoPermissionText(name.device);
        case ENXIO:
        case ENODEV:
        case EIO:
            return NoInterfaceText(name);
        default:
            return Subject(name) + " lässt sich nicht öffnen (Fehler " + std::to_string(error) +
                   ").";
    }
}

// Serial8250 registers every possible /dev/ttyS node, also those without a UART behind them.
bool IsPhantomUart(int fd, const std::string& device) {
#ifdef __linux__
    std::error_code error;
    const std::string name = std::filesystem::canonical(device, error).filename().string();
    if (error || !name.starts_with("ttyS")) {
        return false;
    }
    serial_struct serial{};
    return ::ioctl(fd, TIOCGSERIAL, &serial) == 0 && serial.type == PORT_UNKNOWN;
#else
    (void)fd;
    (void)device;
    return false;
#endif
}

// Unlocked explicitly rather than by the close: a forked child that shares the descriptor would
// keep the lock alive.
void Unlock(int fd) {
    ::flock(fd, LOCK_UN);
    ::close(fd);
}

void Release(int fd) {
    // A pseudo-terminal would otherwise stay exclusive for as long as its master lives.
    ::ioctl(fd, TIOCNXCL);
    Unlock(fd);
}

// Root ignores another program's TIOCEXCL when opening, so ask for the flag as well.
bool IsHeldExclusively(int fd) {
#ifdef TIOCGEXCL
    int exclusive = 0;
    return ::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive != 0;
#else
    (void)fd;
    return false;
#endif
}

// Opens the device as a tty and takes its lock; -1 with the reason otherwise. Non-blocking, so
// neither a missing carrier nor a slow driver can stall the open.
int OpenLocked(const std::string& device, const PortName& name, std::string& reason) {
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = OpenErrorText(errno, name);
        return -1;
    }
    if (::isatty(fd) == 0) {
        reason = Subject(name) + " ist keine serielle Schnittstelle.";
    } else if (IsPhantomUart(fd, device)) {
        reason = NoInterfaceText(name);
    } else if (IsHeldExclusively(fd)) {
        reason = OpenErrorText(EBUSY, name);
    } else if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        reason = OpenErrorText(errno, name);
    } else {
        return fd;
    }
    ::close(fd);
    return -1;
}

bool ApplyLineSettings(int fd) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        return false;
    }
    ::cfmakeraw(&settings);
    settings.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB);
#ifdef CRTSCTS
    settings.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
#endif
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    return ::cfsetispeed(&settings, B9600) == 0 && ::cfsetospeed(&settings, B9600) == 0 &&
           ::tcsetattr(fd, TCSANOW, &settings) == 0;
}

// Whole milliseconds left until deadline, rounded up so that a poll never ends early.
int MillisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<Milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

PosixSerialPort::PosixSerialPort(PortNamespace names, Milliseconds readBound,
                                 Milliseconds writeLimit)
    : names_(std::move(names)), readBound_(readBound), writeLimit_(writeLimit) {}

PosixSerialPort::~PosixSerialPort() {
    Close();
}

bool PosixSerialPort::Open(const std::string& path) {
    std::lock_guard lock(lifecycle_);
    CloseLocked();
    failed_ = false;
    openFailureReason_.clear();
    const std::string label = PortNamespace::Label(path);
    const std::string shown = names_.DeviceFor(path);
    const std::string device = names_.Resolve(path);
    if (device.empty()) {
        openFailureReason_ = MissingText({label, shown});
        return false;
    }
    const int fd = OpenLocked(device, {label, shown}, openFailureReason_);
    if (fd < 0) {
        return false;
    }
    ::ioctl(fd, TIOCEXCL);
    if (!ApplyLineSettings(fd)) {
        openFailureReason_ =
            Subject({label, shown}) + " lässt sich nicht auf 9600 Baud einstellen.";
        Release(fd);
        return false;
    }
    // A fresh open starts with an empty receive buffer, as on the unit's own platform: answers
    // left from an earlier exchange (the factory reset's end marker) would shift every register
    // line of the next read.
    ::tcflush(fd, TCIFLUSH);
    fd_ = fd;
    return true;
}

void PosixSerialPort::Configure() {
    if (fd_ >= 0 && !ApplyLineSettings(fd_)) {
        failed_ = true;
    }
}

void PosixSerialPort::Close() {
    std::lock_guard lock(lifecycle_);
    CloseLocked();
}

void PosixSerialPort::CloseLocked() {
    if (fd_ >= 0) {
        Release(fd_);
        fd_ = -1;
    }
}

bool PosixSerialPort::Write(const std::string& bytes) {
    std::lock_guard lock(lifecycle_);
    if (fd_ < 0) {
        return false;
    }
    const auto deadline = Clock::now() + writeLimit_;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
            failed_ = true;
            return false;
        }
        const int left = MillisecondsUntil(deadline);
        pollfd writable{fd_, POLLOUT, 0};
        if (left == 0 || (::poll(&writable, 1, left) < 0 && errno != EINTR) ||
            (writable.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            failed_ = true;
            return false;
        }
    }
    while (::tcdrain(fd_) != 0) {
        if (errno != EINTR) {
            failed_ = true;
            return false;
        }
    }
    return true;
}

ReadStatus PosixSerialPort::ReadByte(char& byte) {
    if (fd_ < 0) {
        return ReadStatus::Failed;
    }
    const auto deadline = Clock::now() + readBound_;
    for (;;) {
        pollfd readable{fd_, POLLIN, 0};
        const int ready = ::poll(&readable, 1, MillisecondsUntil(deadline));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready == 0) {
            return ReadStatus::Silence;
        }
        if (ready > 0 && (readable.revents & POLLIN) != 0) {
            char received = 0;
            const ssize_t count = ::read(fd_, &received, 1);
            if (count == 1) {
                byte = received;
                return ReadStatus::Byte;
            }
            if (count < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) {
                continue;
            }
        }
        // Poll error, hang-up, or a read that ends the stream or fails: the device is gone.
        failed_ = true;
        return ReadStatus::Failed;
    }
}

bool PosixSerialPort::CanOpen(const std::string& path) {
    const std::string device = names_.Resolve(path);
    if (device.empty()) {
        return false;
    }
    std::string ignored;
    const int fd = OpenLocked(device, {PortNamespace::Label(path), device}, ignored);
    if (fd < 0) {
        return false;
    }
    Unlock(fd);
    return true;
}

std::string PosixSerialPort::DeviceFor(const std::string& path) const {
    return names_.DeviceFor(path);
}

}  // namespace orvan
