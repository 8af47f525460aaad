#include "sim/PseudoTerminal.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace orvan::sim {

namespace {

[[noreturn]] void ThrowErrno(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

}  // namespace

PseudoTerminal::PseudoTerminal() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        ThrowErrno("posix_openpt");
    }
    try {
        if (fcntl(master_, F_SETFD, FD_CLOEXEC) != 0 ||
            fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK) != 0) {
            ThrowErrno("fcntl");
        }
        if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
            ThrowErrno("grantpt/unlockpt");
        }
        const char* name = ptsname(master_);
        if (name == nullptr) {
            ThrowErrno("ptsname");
        }
        slavePath_ = name;
        slave_ = open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (slave_ < 0) {
            ThrowErrno("open slave");
        }
        termios settings{};
        if (tcgetattr(slave_, &settings) != 0) {
            ThrowErrno("tcgetattr");
        }
        cfmakeraw(&settings);
        cfsetispeed(&settings, B9600);
        cfsetospeed(&settings, B9600);
        if (tcsetattr(slave_, TCSANOW, &settings) != 0) {
            ThrowErrno("tcsetattr");
        }
    } catch (...) {
        Close();
        throw;
    }
}

PseudoTerminal::~PseudoTerminal() {
    Close();
}

void PseudoTerminal::Close() {
    if (slave_ >= 0) {
        ::close(slave_);
        slave_ = -1;
    }
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

}  // namespace orvan::sim
