#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "RecordingObserver.h"
#include "core/Register.h"
#include "link/PortTrace.h"
#include "link/Protocol.h"
#include "link/SystemPort.h"
#include "link/TracingPort.h"
#include "link/TransferThread.h"
#include "sim/SimulatedUnit.h"

namespace orvan {
namespace {

namespace fs = std::filesystem;

const Timing kTraceTiming = Timing{}.Scaled(10);

std::vector<std::string> LinesOf(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

struct TraceLine {
    long long ms = -1;
    std::string direction;
    std::string text;
};

TraceLine Parse(const std::string& line) {
    std::istringstream in(line);
    TraceLine parsed;
    in >> parsed.ms >> parsed.direction;
    std::getline(in, parsed.text);
    if (!parsed.text.empty())
        parsed.text.erase(0, 1);
    return parsed;
}

// A port wrapped in the trace, as both front ends build it.
class TraceTest : public ::testing::Test {
  protected:
    TraceTest()
        : folder(fs::temp_directory_path() / ("orvan-trace-" + std::to_string(::getpid()))),
          trace(std::make_shared<PortTrace>()),
          image(std::make_unique<TracingPort>(
              MakeSystemPort(folder.string(), kTraceTiming.readBound), trace)) {
        fs::create_directories(folder);
    }
    ~TraceTest() override { fs::remove_all(folder); }

    fs::path folder;
    std::shared_ptr<PortTrace> trace;
    Register image;
    RecordingObserver observer;
};

TEST_F(TraceTest, ReadIsRecordedInOrderAndTheUnitSeesTheSameBytes) {
    sim::PtyHost unit;
    const fs::path file = folder / "read.txt";
    ASSERT_FALSE(trace->Start(file));
    ASSERT_EQ(image.OpenPort(unit.SlavePath()), 1);
    TransferThread worker;
    worker.StartRead(image, observer, kTraceTiming);
    worker.Join();
    trace->Stop();
    ASSERT_EQ(observer.outcome->result, TransferResult::Success);

    std::vector<std::string> sent;
    std::string received;
    std::vector<std::string> replies;
    std::vector<std::string> events;
    long long last = 0;
    for (const std::string& line : LinesOf(file)) {
        if (line.starts_with("#"))
            continue;
        const TraceLine parsed = Parse(line);
        ASSERT_GE(parsed.ms, last) << line;
        last = parsed.ms;
        if (parsed.direction == ">>") {
            sent.push_back(parsed.text);
        } else if (parsed.direction == "<<") {
            received += parsed.text;
        } else {
            ASSERT_EQ(parsed.direction, "--") << line;
            events.push_back(parsed.text);
        }
    }
    // A burst may end in the middle of a reply line, so the replies are taken from them all.
    for (std::size_t at = received.find("$R"); at != std::string::npos;
         at = received.find("$R", at + 1)) {
        replies.push_back(received.substr(at, 5));
    }
    ASSERT_EQ(sent.size(), 302u);
    EXPECT_EQ(sent.front(), "$PROGSTART\\r");
    EXPECT_EQ(sent.back(), "$PROGENDE\\r");
    ASSERT_EQ(replies.size(), 300u);
    for (int n = 0; n < kRegisterCount; ++n) {
        EXPECT_EQ(sent[n + 1], "$R" + protocol::RegisterNumber(n) + "\\r");
        EXPECT_EQ(replies[n], "$R" + protocol::RegisterNumber(n));
    }
    EXPECT_NE(received.find("VEXA 2a2"), std::string::npos);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0], "Port geöffnet: " + unit.SlavePath());
    EXPECT_EQ(events[1], "Port geschlossen");

    std::string expected(protocol::kStart);
    for (int n = 0; n < kRegisterCount; ++n)
        expected += protocol::ReadCommand(n);
    expected += protocol::kEnd;
    for (int i = 0; i < 200 && unit.ReceivedBytes().size() < expected.size(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(unit.ReceivedBytes(), expected);
}

TEST_F(TraceTest, OpenFailuresAreRecordedWithTheirReasonAndStoppedTracesRecordNothing) {
    const fs::path file = folder / "failure.txt";
    ASSERT_FALSE(trace->Start(file));
    EXPECT_EQ(image.OpenPort((folder / "no-such-device").string()), -1);
    const std::string reason = image.PortOpenFailureReason();
    EXPECT_FALSE(reason.empty());
    trace->Stop();
    image.OpenPort((folder / "still-missing").string());
    const std::vector<std::string> lines = LinesOf(file);
    ASSERT_EQ(lines.size(), 3u);
    const TraceLine failure = Parse(lines[2]);
    EXPECT_EQ(failure.direction, "--");
    EXPECT_TRUE(failure.text.starts_with("Port konnte nicht geöffnet werden: " +
                                         (folder / "no-such-device").string() + ": " + reason))
        << failure.text;
}

TEST_F(TraceTest, FileThatCannotBeCreatedIsReportedAtOnce) {
    EXPECT_TRUE(trace->Start(folder / "missing" / "trace.txt"));
    EXPECT_FALSE(trace->Active());
}

}  // namespace
}  // namespace orvan
