#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "sim/Pacer.h"
#include "sim/SimCommandLine.h"
#include "sim/TraceLog.h"

namespace orvan::sim {
namespace {

using namespace std::chrono_literals;

TEST(Pacer, DeadlinesDoNotDriftWhenTheSenderWakesLate) {
    Pacer pacer(true);
    const auto start = Pacer::Clock::now();
    pacer.OutputQueued(start);
    auto now = start;
    for (int byte = 0; byte < 1000; ++byte) {
        now = pacer.NextDue() + 200us;  // every wake-up comes late
        ASSERT_TRUE(pacer.Due(now));
        pacer.ByteSent();
    }
    EXPECT_EQ(pacer.NextDue() - start, 1001 * Pacer::kByteTime);
    EXPECT_FALSE(pacer.Due(now));
}

TEST(Pacer, AnAnswerAfterAPauseTakesOneByteTimeNotABurst) {
    Pacer pacer(true);
    const auto start = Pacer::Clock::now();
    pacer.OutputQueued(start);
    pacer.ByteSent();
    const auto later = start + 1s;
    pacer.OutputQueued(later);
    EXPECT_FALSE(pacer.Due(later));
    EXPECT_EQ(pacer.NextDue(), later + Pacer::kByteTime);
}

SimCommandLine Parse(std::vector<std::string> args) {
    return ParseSimCommandLine(args, "/default/ports");
}

TEST(SimCommandLine, DefaultsServeAFullUnitAndRegisterIt) {
    const auto line = Parse({});
    EXPECT_TRUE(line.error.empty());
    EXPECT_EQ(line.portsFolder, "/default/ports");
    EXPECT_TRUE(line.registerPort);
    EXPECT_EQ(line.unit.identification, Identification::Full);
    EXPECT_EQ(line.unit.fault, Fault::None);
    EXPECT_FALSE(line.unit.pace);
}

TEST(SimCommandLine, TakesEveryOption) {
    const auto line =
        Parse({"--file", "a.rvx2a2", "--pace", "--trace", "t.txt", "--ident", "vexa-space",
               "--fault", "hangup-after:12", "--ports-folder", "/p", "--no-register", "--verbose"});
    EXPECT_TRUE(line.error.empty()) << line.error;
    EXPECT_EQ(line.unit.registerFile, "a.rvx2a2");
    EXPECT_TRUE(line.unit.pace);
    EXPECT_EQ(line.unit.traceFile, "t.txt");
    EXPECT_EQ(line.unit.identification, Identification::OnlyVexaSpace);
    EXPECT_EQ(line.unit.fault, Fault::HangUpAfterReplies);
    EXPECT_EQ(line.unit.faultAfter, 12);
    EXPECT_EQ(line.portsFolder, "/p");
    EXPECT_FALSE(line.registerPort);
    EXPECT_TRUE(line.verbose);
}

TEST(SimCommandLine, CorruptWriteNamesItsRegister) {
    const auto line = Parse({"--fault", "corrupt-write:299"});
    EXPECT_TRUE(line.error.empty()) << line.error;
    EXPECT_EQ(line.unit.fault, Fault::CorruptWrite);
    EXPECT_EQ(line.unit.faultAfter, 299);
}

// Every fault mode is taken and named in the help text.
TEST(SimCommandLine, HelpNamesEveryFaultMode) {
    const std::string help = SimUsage();
    for (const char* fault : {"silent", "silent-after-banner", "stop-after:N", "hangup-after:N",
                              "garbage", "stray-line", "lost-line-feed:N", "missing-reply:N",
                              "corrupt-write:N", "text-flood", "dots", "stream-stops:N"}) {
        std::string mode = fault;
        EXPECT_NE(help.find(mode), std::string::npos) << mode;
        if (mode.ends_with(":N"))
            mode.replace(mode.size() - 1, 1, "3");
        EXPECT_EQ(Parse({"--fault", mode}).error, "") << mode;
    }
}

TEST(SimCommandLine, RejectsWhatItDoesNotKnow) {
    EXPECT_FALSE(Parse({"--bogus"}).error.empty());
    EXPECT_FALSE(Parse({"--ident", "VX22"}).error.empty());
    EXPECT_FALSE(Parse({"--fault", "stop-after"}).error.empty());
    EXPECT_FALSE(Parse({"--fault", "stop-after:"}).error.empty());
    EXPECT_FALSE(Parse({"--fault", "stop-after:-1"}).error.empty());
    EXPECT_FALSE(Parse({"--fault", "stop-after:3x"}).error.empty());
    EXPECT_FALSE(Parse({"--fault", "silent:3"}).error.empty());
    EXPECT_FALSE(Parse({"--fault", "corrupt-write:300"}).error.empty()) << "no such register";
    EXPECT_FALSE(Parse({"--trace"}).error.empty());
    EXPECT_TRUE(Parse({"--help"}).help);
}

}  // namespace
}  // namespace orvan::sim
