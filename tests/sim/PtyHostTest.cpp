#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "Options.h"
#include "SlaveEnd.h"
#include "link/Protocol.h"
#include "sim/Banner.h"
#include "sim/SimulatedUnit.h"

namespace orvan::sim {
namespace {

using namespace std::chrono_literals;
using test::SlaveEnd;
namespace fs = std::filesystem;

const std::string kBanner(Banner(Identification::Full));

std::string Reply(int n, const std::string& value) {
    return "$R" + protocol::RegisterNumber(n) + value + "\r\n";
}

class TempFolder {
  public:
    TempFolder()
        : path_(fs::temp_directory_path() /
                ("orvan-sim-test-" + std::to_string(getpid()) + "-" + std::to_string(next_++))) {
        fs::remove_all(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    const fs::path& Path() const { return path_; }

  private:
    static inline int next_ = 0;
    fs::path path_;
};

TEST(PtyHost, AnswersOverARealPseudoTerminal) {
    PtyHost host;
    ASSERT_TRUE(host.SlavePath().starts_with("/dev/"));
    SlaveEnd slave(host.SlavePath());
    ASSERT_TRUE(slave.IsOpen());
    ASSERT_TRUE(slave.Write("$PROGSTART\r"));
    EXPECT_EQ(slave.Read(kBanner.size(), 2s), kBanner);

    host.SetRegisterValue(12, "0001A000");
    ASSERT_TRUE(slave.Write(protocol::ReadCommand(12) + protocol::WriteCommand(13, "123456789")));
    EXPECT_EQ(slave.Read(15, 2s), Reply(12, "0001A000"));
    ASSERT_TRUE(slave.Write("$PROGENDE\r"));
    EXPECT_EQ(slave.Read(6, 2s), "ENDE\r\n");
    EXPECT_EQ(host.RegisterValue(13), "123456789");
    EXPECT_EQ(host.CommandsReceived("$P"), 1);
    EXPECT_EQ(host.ReceivedBytes(), "$PROGSTART\r$R012\r$P013123456789\r$PROGENDE\r");
}

TEST(PtyHost, SurvivesTheProgramClosingAndReopeningThePort) {
    PtyHost host;
    {
        SlaveEnd first(host.SlavePath());
        ASSERT_TRUE(first.Write("$P99900000000\r"));
        std::this_thread::sleep_for(20ms);
    }
    SlaveEnd second(host.SlavePath());
    ASSERT_TRUE(second.Write("$PROGENDE\r"));
    EXPECT_EQ(second.Read(6, 2s), "ENDE\r\n");
    EXPECT_EQ(host.FactoryResets(), 1);
}

TEST(PtyHost, UnplugHangsUpTheProgramsOpenPort) {
    PtyHost host;
    SlaveEnd slave(host.SlavePath());
    ASSERT_TRUE(slave.Write("$PROGSTART\r"));
    ASSERT_EQ(slave.Read(kBanner.size(), 2s), kBanner);
    host.Unplug();
    EXPECT_NE(slave.Events(500ms) & POLLHUP, 0);
    EXPECT_EQ(host.CommandsReceived("$PROGSTART"), 1) << "views stay usable after the unplug";
}

TEST(PtyHost, HangUpFaultClosesTheLineAfterTheReplies) {
    PtyHost host(test::WithFault(Fault::HangUpAfterReplies, 1));
    SlaveEnd slave(host.SlavePath());
    ASSERT_TRUE(slave.Write("$PROGSTART\r$R000\r"));
    EXPECT_EQ(slave.Read(kBanner.size() + 15, 2s),
              kBanner + Reply(0, SimulatedUnit::FactoryTable()[0]));
    ASSERT_TRUE(slave.Write("$R001\r"));
    EXPECT_NE(slave.Events(500ms) & POLLHUP, 0);
}

TEST(PtyHost, GarbageKeepsFlowing) {
    PtyHost host(test::WithFault(Fault::Garbage));
    SlaveEnd slave(host.SlavePath());
    ASSERT_TRUE(slave.Write("$PROGSTART\r"));
    const std::string stream = slave.Read(2000, 2s);
    EXPECT_EQ(stream.size(), 2000u);
    EXPECT_FALSE(protocol::IsReadIdentification(stream));
}

TEST(PtyHost, StopsPromptly) {
    const auto start = std::chrono::steady_clock::now();
    { PtyHost host; }
    EXPECT_LT(std::chrono::steady_clock::now() - start, 200ms);
}

TEST(PtyHostPacing, HundredBytesTakeAHundredAndFourMilliseconds) {
    PtyHost host(test::Paced());
    SlaveEnd slave(host.SlavePath());
    // Banner and three register replies: exactly the bytes counted below.
    const std::string commands = "$PROGSTART\r$R000\r$R001\r$R002\r";
    const std::size_t expected = kBanner.size() + 3 * 15;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(slave.Write(commands));
    EXPECT_EQ(slave.Read(expected, 2s).size(), expected);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const auto line = expected * std::chrono::nanoseconds(1'041'667);
    EXPECT_GT(elapsed, line - 1ms);
    EXPECT_LT(elapsed, line + 15ms);
}

TEST(PtyHostPacing, WithoutPacingTheAnswerComesAtOnce) {
    PtyHost host;
    SlaveEnd slave(host.SlavePath());
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(slave.Write("$PROGSTART\r$R000\r$R001\r$R002\r"));
    EXPECT_EQ(slave.Read(kBanner.size() + 45, 2s).size(), kBanner.size() + 45);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 30ms);
}

TEST(PtyHostTrace, RecordsEveryByteInBothDirectionsInOrder) {
    TempFolder folder;
    fs::create_directories(folder.Path());
    const fs::path file = folder.Path() / "trace.txt";
    std::string unitBytes;
    {
        PtyHost host(test::TracedTo(file.string()));
        SlaveEnd slave(host.SlavePath());
        ASSERT_TRUE(slave.Write("$PROGSTART\r"));
        unitBytes = slave.Read(kBanner.size(), 2s);
        ASSERT_TRUE(slave.Write("$PROGENDE\r"));
        unitBytes += slave.Read(6, 2s);

        std::string fromPc;
        std::string fromUnit;
        std::chrono::steady_clock::time_point last{};
        for (const TraceEntry& entry : host.Trace()) {
            (entry.fromUnit ? fromUnit : fromPc) += entry.byte;
            EXPECT_GE(entry.time, last);
            last = entry.time;
        }
        EXPECT_EQ(fromPc, "$PROGSTART\r$PROGENDE\r");
        EXPECT_EQ(fromUnit, unitBytes);
        EXPECT_FALSE(host.Trace().front().fromUnit);
    }
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    const std::string trace = text.str();
    EXPECT_TRUE(trace.starts_with("#"));
    EXPECT_NE(trace.find(" PC> $PROGSTART\\r\n"), std::string::npos) << trace;
    EXPECT_NE(trace.find(" <UNIT #VEXA2a/2b  VEXA 2a2"), std::string::npos) << trace;
    EXPECT_NE(trace.find(" <UNIT ENDE\\r\\n\n"), std::string::npos) << trace;
}

TEST(PtyHostTrace, UnwritableTraceFileIsReported) {
    EXPECT_THROW(PtyHost(test::TracedTo("/nonexistent-folder/trace.txt")), std::runtime_error);
}

TEST(PtyHostPorts, LinksTheFirstFreeComNameAndRemovesItAgain) {
    TempFolder folder;
    const fs::path ports = folder.Path() / "orvan2a" / "ports";
    {
        PtyHost first;
        PtyHost second;
        EXPECT_EQ(first.RegisterAsComPort(ports.string()), 1);
        EXPECT_EQ(fs::read_symlink(ports / "COM1"), first.SlavePath());
        EXPECT_EQ(second.RegisterAsComPort(ports.string()), 2);
        EXPECT_EQ(fs::read_symlink(ports / "COM2"), second.SlavePath());

        SlaveEnd slave((ports / "COM2").string());
        ASSERT_TRUE(slave.Write("$PROGENDE\r"));
        EXPECT_EQ(slave.Read(6, 2s), "ENDE\r\n");
        EXPECT_EQ(first.CommandsReceived("$PROGENDE"), 0);
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(ports / "COM1")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(ports / "COM2")));
}

TEST(PtyHostPorts, SkipsTakenNamesAndReusesStaleLinks) {
    TempFolder folder;
    fs::create_directories(folder.Path());
    std::ofstream(folder.Path() / "COM1") << "someone else's";
    fs::create_symlink("/dev/orvan-sim-vanished-device", folder.Path() / "COM2");
    fs::create_symlink("/dev/null", folder.Path() / "COM3");
    {
        PtyHost host;
        EXPECT_EQ(host.RegisterAsComPort(folder.Path().string()), 2);
    }
    EXPECT_TRUE(fs::is_regular_file(folder.Path() / "COM1"));
    EXPECT_EQ(fs::read_symlink(folder.Path() / "COM3"), "/dev/null");
}

TEST(PtyHostPorts, LeavesALinkAloneThatWasReplacedMeanwhile) {
    TempFolder folder;
    {
        PtyHost host;
        ASSERT_EQ(host.RegisterAsComPort(folder.Path().string()), 1);
        fs::remove(folder.Path() / "COM1");
        fs::create_symlink("/dev/null", folder.Path() / "COM1");
    }
    EXPECT_EQ(fs::read_symlink(folder.Path() / "COM1"), "/dev/null");
}

}  // namespace
}  // namespace orvan::sim
