// Every pause the read, the send and the factory reset must keep, measured where the unit sees
// the commands. Each check is a lower bound at half the pause, so that a loaded machine cannot
// fail it and a missing pause cannot pass it.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

#include "../UnitCommands.h"
#include "RecordingObserver.h"
#include "ScriptedPort.h"
#include "core/Register.h"
#include "link/SendSequence.h"
#include "link/SystemPort.h"
#include "link/TransferThread.h"
#include "sim/SimulatedUnit.h"

namespace orvan {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;
using test::CommandsIn;
using test::FindCommand;
using test::TimedCommand;

// Pauses long enough to stand out from the time the commands themselves take.
Timing PauseTiming() {
    Timing timing = Timing{}.Scaled(10);
    timing.writeCommandPause = milliseconds(4);
    timing.afterEndCommand = milliseconds(300);
    timing.sendStartDelay = milliseconds(100);
    return timing;
}

class PauseTest : public ::testing::Test {
  protected:
    PauseTest() : image(MakeSystemPort(folder.string(), timing.readBound)) {
        EXPECT_EQ(image.OpenPort(unit.SlavePath()), 1);
    }

    std::vector<TimedCommand> Commands() const { return CommandsIn(unit.Trace()); }

    std::filesystem::path folder = std::filesystem::temp_directory_path() / "orvan-pause-ports";
    Timing timing = PauseTiming();
    sim::PtyHost unit;
    Register image;
    RecordingObserver observer;
};

TEST_F(PauseTest, ReadWaitsBeforeEveryRegisterCommand) {
    TransferThread worker;
    worker.StartRead(image, observer, timing);
    worker.Join();
    ASSERT_EQ(observer.outcome->result, TransferResult::Success);
    const std::vector<TimedCommand> commands = Commands();
    const std::size_t first = FindCommand(commands, "$R000");
    ASSERT_EQ(first, 1u);
    ASSERT_GE(commands.size(), first + kRegisterCount);
    // Within a block the commands follow each other by the pause alone.
    for (int block = 0; block < 3; ++block) {
        const auto& start = commands[first + block * 100];
        const auto& end = commands[first + block * 100 + 99];
        EXPECT_GE(end.time - start.time, 99 * timing.readCommandPause / 2) << start.text;
    }
}

TEST_F(PauseTest, SendWaitsAfterEveryWriteCommandAndAfterTheEndCommand) {
    const auto started = steady_clock::now();
    TransferThread worker;
    worker.StartSend(image, observer, timing);
    worker.Join();
    const auto ended = steady_clock::now();
    ASSERT_EQ(observer.outcome->result, TransferResult::Success);
    const std::vector<TimedCommand> commands = Commands();
    const std::size_t first = FindCommand(commands, "$P000");
    const std::size_t end = FindCommand(commands, "$PROGENDE");
    ASSERT_EQ(end, first + kRegisterCount);
    ASSERT_EQ(commands[0].text, "$PROGSTART");

    EXPECT_GE(commands[0].time - started, timing.sendStartDelay);
    // A pause after each of the 300 writes, the last one before the end command. Single gaps can
    // arrive at the unit in one chunk; only their sum is certain.
    EXPECT_GE(commands[end].time - commands[first].time, 300 * timing.writeCommandPause / 2);
    // The port stays open (the worker runs) for the pause after the end command.
    EXPECT_GE(ended - commands[end].time, timing.afterEndCommand / 2);
}

TEST(SendIdlePause, SendRestsAfterEveryReadThatBroughtNothing) {
    auto port = std::make_shared<ScriptedPort::Shared>();
    Register image(std::make_unique<ScriptedPort>(port));
    Timing timing = Timing{}.Scaled(10);
    timing.waitLimit = milliseconds(400);
    image.OpenPort("scripted");
    RecordingObserver observer;
    const auto started = steady_clock::now();
    SendSequence(image, observer, timing).Run();
    const auto took = steady_clock::now() - started;
    ASSERT_EQ(observer.outcome->result, TransferResult::Timeout);
    // A silent read of this port costs almost nothing: the rest after it sets the pace.
    EXPECT_LE(port->reads, took / timing.sendIdlePause + 1);
    EXPECT_GE(port->reads, 2);
}

}  // namespace
}  // namespace orvan
