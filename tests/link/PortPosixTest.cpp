#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/Register.h"
#include "link/PosixSerialPort.h"
#include "link/SystemPort.h"

namespace orvan {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using namespace std::string_literals;
using Clock = std::chrono::steady_clock;

constexpr Milliseconds kBound{20};
constexpr Milliseconds kWriteLimit{200};

// The device side of a pseudo-terminal: the test plays the unit on the master.
class PseudoTerminal {
  public:
    PseudoTerminal() : master_(::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK)) {
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
            slave_ = ::ptsname(master_);
        }
    }
    ~PseudoTerminal() { CloseMaster(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& Slave() const { return slave_; }
    int Master() const { return master_; }
    void CloseMaster() {
        if (master_ >= 0) {
            ::close(master_);
            master_ = -1;
        }
    }
    void Send(const std::string& bytes) const {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    // What the port wrote, up to count bytes, waiting at most one second for them.
    std::string Received(std::size_t count) const {
        std::string bytes;
        const auto deadline = Clock::now() + 1s;
        while (bytes.size() < count && Clock::now() < deadline) {
            pollfd readable{master_, POLLIN, 0};
            char chunk[256];
            if (::poll(&readable, 1, 10) > 0) {
                const ssize_t n =
                    ::read(master_, chunk, std::min(sizeof chunk, count - bytes.size()));
                if (n > 0) {
                    bytes.append(chunk, std::size_t(n));
                }
            }
        }
        return bytes;
    }

  private:
    int master_;
    std::string slave_;
};

class PosixPortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(pty.Slave().empty());
        std::string pattern = (fs::temp_directory_path() / "orvan-ports-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    PosixSerialPort MakePort() {
        return PosixSerialPort(PortNamespace(folder), kBound, kWriteLimit);
    }

    PseudoTerminal pty;
    fs::path folder;
};

TEST_F(PosixPortTest, OpenAppliesRawNinetySixHundredEightNOne) {
    PosixSerialPort port = MakePort();
    ASSERT_TRUE(port.Open(pty.Slave())) << port.OpenFailureReason();
    EXPECT_TRUE(port.IsOpen());
    EXPECT_FALSE(port.HasFailed());

    termios settings{};  // the master reports the slave's settings
    ASSERT_EQ(::tcgetattr(pty.Master(), &settings), 0);
    EXPECT_EQ(::cfgetispeed(&settings), B9600);
    EXPECT_EQ(::cfgetospeed(&settings), B9600);
    EXPECT_EQ(settings.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), tcflag_t(CS8));
    EXPECT_EQ(settings.c_cflag & (CLOCAL | CREAD), tcflag_t(CLOCAL | CREAD));
    EXPECT_EQ(settings.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP), 0u);
    EXPECT_EQ(settings.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    EXPECT_EQ(settings.c_oflag & OPOST, 0u);

    // Someone else changes the line; Configure puts it back.
    ::cfsetspeed(&settings, B1200);
    settings.c_lflag |= ICANON | ECHO;
    ASSERT_EQ(::tcsetattr(pty.Master(), TCSANOW, &settings), 0);
    port.Configure();
    ASSERT_EQ(::tcgetattr(pty.Master(), &settings), 0);
    EXPECT_EQ(::cfgetispeed(&settings), B9600);
    EXPECT_EQ(settings.c_lflag & (ICANON | ECHO), 0u);
}

TEST_F(PosixPortTest, BytesPassUnchangedBothWays) {
    PosixSerialPort port = MakePort();
    ASSERT_TRUE(port.Open(pty.Slave()));
    const std::string control = "$P007\r\n\x11\x13\x03\x7f\0\xff"s;
    ASSERT_TRUE(port.Write(control));
    EXPECT_EQ(pty.Received(control.size()), control);

    pty.Send(control);
    std::string read;
    char byte = 'x';
    while (port.ReadByte(byte) == ReadStatus::Byte) {
        read += byte;
    }
    EXPECT_EQ(read, control);
}

TEST_F(PosixPortTest, SilentLineEndsTheReadAfterTheBound) {
    for (Milliseconds bound : {kBound, Timing{}.readBound}) {
        PosixSerialPort port(PortNamespace(folder), bound);
        ASSERT_TRUE(port.Open(pty.Slave()));
        char byte = 'x';
        const auto start = Clock::now();
        EXPECT_EQ(port.ReadByte(byte), ReadStatus::Silence);
        const auto took = Clock::now() - start;
        EXPECT_GE(took, bound);
        EXPECT_LT(took, bound + 30ms);
        EXPECT_EQ(byte, 'x');
        EXPECT_FALSE(port.HasFailed());
    }
}

TEST_F(PosixPortTest, HeldPortIsNeitherOpenedNorListedTwice) {
    PosixSerialPort holder = MakePort();
    PosixSerialPort other = MakePort();
    ASSERT_TRUE(holder.Open(pty.Slave()));

    EXPECT_FALSE(other.Open(pty.Slave()));
    EXPECT_FALSE(other.IsOpen());
    EXPECT_EQ(other.OpenFailureReason(),
              "Der Port " + pty.Slave() + " wird von einem anderen Programm benutzt.");
    EXPECT_FALSE(other.CanOpen(pty.Slave()));
    EXPECT_FALSE(holder.CanOpen(pty.Slave()));

    // Neither attempt disturbed the holder.
    ASSERT_TRUE(holder.Write("A"));
    EXPECT_EQ(pty.Received(1), "A");

    holder.Close();
    EXPECT_TRUE(other.CanOpen(pty.Slave()));
    EXPECT_TRUE(other.Open(pty.Slave()));
}

// Other programs take either the flock or only TIOCEXCL; both must keep us out, and our attempts
// must leave their hold as it was.
TEST_F(PosixPortTest, PortHeldByAnotherProgramIsBusy) {
    for (const bool byFlock : {true, false}) {
        const int other = ::open(pty.Slave().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ASSERT_GE(other, 0);
        ASSERT_EQ(byFlock ? ::flock(other, LOCK_EX | LOCK_NB) : ::ioctl(other, TIOCEXCL), 0);
        PosixSerialPort port = MakePort();
        EXPECT_FALSE(port.CanOpen(pty.Slave())) << byFlock;
        EXPECT_FALSE(port.Open(pty.Slave())) << byFlock;
        EXPECT_EQ(port.OpenFailureReason(),
                  "Der Port " + pty.Slave() + " wird von einem anderen Programm benutzt.");
        int exclusive = 0;
        EXPECT_EQ(::ioctl(other, TIOCGEXCL, &exclusive), 0);
        EXPECT_EQ(exclusive, byFlock ? 0 : 1);
        ::ioctl(other, TIOCNXCL);
        ::close(other);
        EXPECT_TRUE(port.Open(pty.Slave())) << byFlock;
    }
}

TEST_F(PosixPortTest, CloseLeavesThePseudoTerminalShareable) {
    PosixSerialPort port = MakePort();
    ASSERT_TRUE(port.Open(pty.Slave()));
    int exclusive = 0;
    const int whileHeld = ::open(pty.Slave().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (whileHeld >= 0) {  // root ignores TIOCEXCL, but the flag must still be set
        EXPECT_EQ(::ioctl(whileHeld, TIOCGEXCL, &exclusive), 0);
        EXPECT_EQ(exclusive, 1);
        ::close(whileHeld);
    } else {
        EXPECT_EQ(errno, EBUSY);
    }

    port.Close();
    EXPECT_FALSE(port.IsOpen());
    const int afterClose = ::open(pty.Slave().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(afterClose, 0);
    EXPECT_EQ(::ioctl(afterClose, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
    ::close(afterClose);
}

TEST_F(PosixPortTest, HangUpPutsThePortIntoTheErrorState) {
    PosixSerialPort port = MakePort();
    ASSERT_TRUE(port.Open(pty.Slave()));
    pty.CloseMaster();
    char byte = 0;
    EXPECT_EQ(port.ReadByte(byte), ReadStatus::Failed);
    EXPECT_TRUE(port.HasFailed());
    EXPECT_FALSE(port.Write("$PROGENDE\r"));

    PseudoTerminal replacement;
    ASSERT_TRUE(port.Open(replacement.Slave()));
    EXPECT_FALSE(port.HasFailed());
}

TEST_F(PosixPortTest, BlockedLineEndsTheWriteWithinItsLimit) {
    PosixSerialPort port = MakePort();
    ASSERT_TRUE(port.Open(pty.Slave()));
    const auto start = Clock::now();
    EXPECT_FALSE(port.Write(std::string(1 << 20, 'x')));  // nobody reads the master
    EXPECT_LT(Clock::now() - start, kWriteLimit + 200ms);
    EXPECT_TRUE(port.HasFailed());
}

TEST_F(PosixPortTest, FailedOpenSaysWhy) {
    PosixSerialPort port = MakePort();
    fs::create_symlink("/dev/orvan-gone", folder / "COM7");
    std::ofstream(folder / "plain") << "x";
    const std::pair<std::string, std::string> cases[] = {
        {"/dev/orvan-gone", "Der Port /dev/orvan-gone ist nicht vorhanden."},
        {"\\\\.\\COM7", "Der Port COM7 ist nicht vorhanden (/dev/orvan-gone fehlt)."},
        {"\\\\.\\COM200", "Der Port COM200 ist nicht vorhanden."},
        {(folder / "plain").string(),
         "Der Port " + (folder / "plain").string() + " ist keine serielle Schnittstelle."},
    };
    for (const auto& [path, reason] : cases) {
        EXPECT_FALSE(port.Open(path)) << path;
        EXPECT_FALSE(port.IsOpen());
        EXPECT_EQ(port.OpenFailureReason(), reason);
        EXPECT_FALSE(port.CanOpen(path)) << path;
    }
    ASSERT_TRUE(port.Open(pty.Slave()));
    EXPECT_EQ(port.OpenFailureReason(), "");
}

TEST_F(PosixPortTest, NoPermissionNamesTheGroupThatHasAccess) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root opens every device";
    }
    struct stat status {};
    ASSERT_EQ(::stat(pty.Slave().c_str(), &status), 0);
    const group* owner = ::getgrgid(status.st_gid);
    ASSERT_NE(owner, nullptr);
    ASSERT_EQ(::chmod(pty.Slave().c_str(), 0), 0);
    PosixSerialPort port = MakePort();
    EXPECT_FALSE(port.Open(pty.Slave()));
    EXPECT_EQ(port.OpenFailureReason(), "Keine Berechtigung für " + pty.Slave() +
                                            "; Mitglieder der Gruppe " + owner->gr_name +
                                            " haben Zugriff.");
}

TEST_F(PosixPortTest, PortNameOpensTheLinkedDevice) {
    fs::create_symlink(pty.Slave(), folder / "COM5");
    PosixSerialPort port = MakePort();
    EXPECT_EQ(port.DeviceFor("\\\\.\\COM5"), pty.Slave());
    ASSERT_TRUE(port.Open("\\\\.\\COM5"));
    ASSERT_TRUE(port.Write("$PROGSTART\r"));
    EXPECT_EQ(pty.Received(11), "$PROGSTART\r");

    PosixSerialPort other = MakePort();
    EXPECT_FALSE(other.Open("\\\\.\\COM5"));
    EXPECT_EQ(other.OpenFailureReason(),
              "Der Port COM5 (" + pty.Slave() + ") wird von einem anderen Programm benutzt.");
}

TEST_F(PosixPortTest, OpeningAnotherPathReleasesTheFirst) {
    PseudoTerminal second;
    PosixSerialPort port = MakePort();
    ASSERT_TRUE(port.Open(pty.Slave()));
    ASSERT_TRUE(port.Open(second.Slave()));
    EXPECT_TRUE(MakePort().CanOpen(pty.Slave()));
    ASSERT_TRUE(port.Write("B"));
    EXPECT_EQ(second.Received(1), "B");
}

// Every COM number of the table is hidden behind a dangling link, so the machine's own serial
// devices cannot appear in the list.
TEST_F(PosixPortTest, EnumerationFindsExactlyTheLinkedPortsThatOpen) {
    PseudoTerminal held;
    PseudoTerminal free;
    PseudoTerminal beyondTable;
    for (int n = 1; n <= 96; ++n) {
        fs::create_symlink("/dev/orvan-none", folder / ("COM" + std::to_string(n)));
    }
    fs::remove(folder / "COM3");
    fs::create_symlink(pty.Slave(), folder / "COM3");
    fs::remove(folder / "COM40");
    fs::create_symlink(held.Slave(), folder / "COM40");
    fs::remove(folder / "COM60");
    fs::create_symlink(free.Slave(), folder / "COM60");
    fs::create_symlink(beyondTable.Slave(), folder / "COM150");
    std::ofstream(folder / "COM200") << "x";

    PosixSerialPort holder = MakePort();
    ASSERT_TRUE(holder.Open(held.Slave()));
    Register image(MakeSystemPort(folder.string(), kBound));
    ASSERT_EQ(image.OpenPort(PortPath(3)), 1);

    const auto found = image.EnumeratePorts();
    for (int n = 1; n <= kPortCount; ++n) {
        EXPECT_EQ(found[n - 1], n == 60 || n == 150 ? PortPath(n) : "") << "COM" << n;
    }
    // Enumeration left the image's own port alone.
    EXPECT_TRUE(image.IsPortOpen());
    image.WriteText("C");
    EXPECT_EQ(pty.Received(1), "C");
}

}  // namespace
}  // namespace orvan
