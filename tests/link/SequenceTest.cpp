#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "RecordingObserver.h"
#include "core/Register.h"
#include "link/DeviceMessages.h"
#include "link/FactoryReset.h"
#include "link/Protocol.h"
#include "link/SystemPort.h"
#include "link/TransferThread.h"
#include "sim/SimulatedUnit.h"

namespace orvan {
namespace {

using sim::Fault;
using sim::Identification;
using sim::UnitOptions;
using std::chrono::steady_clock;

const Timing kFast = Timing{}.Scaled(10);

// A simulated unit on a pseudo-terminal and an image whose port is opened on it.
class SequenceTest : public ::testing::Test {
  protected:
    void StartUnit(UnitOptions options = {}) {
        unit = std::make_unique<sim::PtyHost>(options);
        image = std::make_unique<Register>(MakeSystemPort(folder.string(), kFast.readBound));
        ASSERT_EQ(image->OpenPort(unit->SlavePath()), 1);
    }

    void Read() {
        TransferThread worker;
        worker.StartRead(*image, observer, kFast);
        worker.Join();
    }

    void Send() {
        TransferThread worker;
        worker.StartSend(*image, observer, kFast);
        worker.Join();
    }

    // What the unit sent on its own line, in order.
    std::string UnitOutput() const {
        std::string out;
        for (const sim::TraceEntry& entry : unit->Trace()) {
            if (entry.fromUnit)
                out += entry.byte;
        }
        return out;
    }

    // The unit's thread records bytes a little after the port has sent them.
    std::string ReceivedOnceSettled(const std::string& expected) const {
        for (int i = 0; i < 200 && unit->ReceivedBytes().size() < expected.size(); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return unit->ReceivedBytes();
    }

    void ExpectImageUntouched() const {
        EXPECT_FALSE(image->changed);
        EXPECT_EQ(image->versionText, Register::kVersionHint);
        for (int n = 0; n < kRegisterCount; ++n)
            ASSERT_EQ(image->Value(n), "00000000") << n;
    }

    std::filesystem::path folder = std::filesystem::temp_directory_path() / "orvan-seq-ports";
    std::unique_ptr<sim::PtyHost> unit;
    std::unique_ptr<Register> image;
    RecordingObserver observer;
};

std::string ExpectedReadTraffic() {
    std::string expected(protocol::kStart);
    for (int n = 0; n < kRegisterCount; ++n)
        expected += protocol::ReadCommand(n);
    return expected + std::string(protocol::kEnd);
}

TEST_F(SequenceTest, ReadCopiesEveryRegisterAndTheVersion) {
    StartUnit();
    for (int n = 0; n < kRegisterCount; ++n) {
        unit->SetRegisterValue(n,
                               protocol::RegisterNumber(n) + "A0" + std::to_string(n % 10) + "FE");
    }
    Read();

    ASSERT_TRUE(observer.outcome);
    EXPECT_EQ(observer.outcome->result, TransferResult::Success);
    EXPECT_EQ(observer.ends, 1);
    EXPECT_EQ(observer.steps, kRegisterCount);
    EXPECT_TRUE(observer.messages.empty());
    const ButtonStates& buttons = observer.outcome->buttons;
    EXPECT_TRUE(buttons.read && buttons.factoryReset && buttons.send && buttons.version);
    EXPECT_EQ(buttons.tree, std::optional<bool>(true));
    for (int n = 0; n < kRegisterCount; ++n)
        ASSERT_EQ(image->Value(n), unit->RegisterValue(n)) << n;
    EXPECT_TRUE(image->changed);
    EXPECT_FALSE(image->IsPortOpen());

    const std::string output = UnitOutput();
    const std::string firstLine = output.substr(0, output.find('\n'));
    EXPECT_EQ(image->versionText, firstLine.substr(12));
    EXPECT_TRUE(image->hasAfSquelch);
    EXPECT_EQ(ReceivedOnceSettled(ExpectedReadTraffic()), ExpectedReadTraffic());
}

TEST_F(SequenceTest, ReadPausesBeforeEachCommand) {
    StartUnit();
    const auto start = steady_clock::now();
    Read();
    // 300 pauses of 4 ms at this scale; nothing may skip them.
    EXPECT_GE(steady_clock::now() - start, kRegisterCount * kFast.readCommandPause);
    EXPECT_EQ(observer.outcome->result, TransferResult::Success);
}

TEST_F(SequenceTest, ReadReplacesOnlyTheFirstEightCharacters) {
    StartUnit();
    unit->SetRegisterValue(5, "12345678");
    unit->SetRegisterValue(6, "ABCDEF01");
    image->SetValue(5, "000000009");
    image->SetValue(6, "77");
    Read();
    EXPECT_EQ(image->Value(5), "123456789");
    EXPECT_EQ(image->Value(6), "ABCDEF01");
}

TEST_F(SequenceTest, ReadAcceptsEitherIdentification) {
    for (Identification identification :
         {Identification::OnlyVX22, Identification::OnlyVexaSpace}) {
        observer.Clear();
        StartUnit({.identification = identification});
        Read();
        EXPECT_EQ(observer.outcome->result, TransferResult::Success);
    }
}

TEST_F(SequenceTest, ReadKeepsAnEarlierSquelchOptionWhenTheLetterIsMissing) {
    StartUnit({.identification = Identification::NoOptionLetter});
    Read();
    EXPECT_FALSE(image->hasAfSquelch);

    image->hasAfSquelch = true;
    ASSERT_EQ(image->OpenPort(unit->SlavePath()), 1);
    Read();
    EXPECT_TRUE(image->hasAfSquelch);
}

TEST_F(SequenceTest, ReadRejectsUnitsWithoutIdentification) {
    for (Identification identification :
         {Identification::AtPositionZero, Identification::WrongDevice}) {
        observer.Clear();
        StartUnit({.identification = identification});
        Read();
        ASSERT_TRUE(observer.outcome);
        EXPECT_EQ(observer.outcome->result, TransferResult::NotIdentified);
        ASSERT_EQ(observer.messages.size(), 1u);
        EXPECT_EQ(observer.messages[0].text, kNoConnectionText);
        EXPECT_EQ(observer.messages[0].caption, "");
        EXPECT_EQ(observer.messages[0].icon, MessageIcon::None);
        const ButtonStates& buttons = observer.outcome->buttons;
        EXPECT_TRUE(buttons.read && buttons.factoryReset);
        EXPECT_FALSE(buttons.send || buttons.version);
        EXPECT_EQ(buttons.tree, std::optional<bool>(false));
        EXPECT_EQ(observer.steps, 0);
        const std::string expected = std::string(protocol::kStart) + std::string(protocol::kEnd);
        EXPECT_EQ(ReceivedOnceSettled(expected), expected);
        EXPECT_FALSE(image->IsPortOpen());
        ExpectImageUntouched();
    }
}

TEST_F(SequenceTest, ReadOfASilentOrBabblingUnitEndsUnidentified) {
    for (Fault fault : {Fault::Silent, Fault::Garbage}) {
        observer.Clear();
        StartUnit({.fault = fault});
        Read();
        EXPECT_EQ(observer.outcome->result, TransferResult::NotIdentified);
        ExpectImageUntouched();
    }
}

TEST_F(SequenceTest, ReadEndsWhenTheUnitFallsSilent) {
    for (UnitOptions options : {UnitOptions{.fault = Fault::SilentAfterBanner},
                                UnitOptions{.fault = Fault::StopAfterReplies, .faultAfter = 150}}) {
        observer.Clear();
        StartUnit(options);
        const auto start = steady_clock::now();
        Read();
        const auto took = steady_clock::now() - start;
        ASSERT_TRUE(observer.outcome);
        EXPECT_EQ(observer.outcome->result, TransferResult::Timeout);
        ASSERT_EQ(observer.Texts(), std::vector<std::string>{kTimeoutText});
        EXPECT_EQ(observer.messages[0].caption, kErrorCaption);
        EXPECT_EQ(observer.messages[0].icon, MessageIcon::Error);
        EXPECT_FALSE(observer.outcome->buttons.send);
        EXPECT_TRUE(observer.outcome->buttons.read && observer.outcome->buttons.factoryReset);
        EXPECT_EQ(observer.outcome->buttons.tree, std::optional<bool>(false));
        EXPECT_FALSE(image->IsPortOpen());
        EXPECT_LT(took, 2 * kFast.waitLimit);
        ExpectImageUntouched();
    }
}

TEST_F(SequenceTest, ReadWhoseLinesAreOutOfPlaceFailsAndChangesNothing) {
    for (UnitOptions options : {UnitOptions{.fault = Fault::LostLineFeed, .faultAfter = 150},
                                UnitOptions{.fault = Fault::MissingReply, .faultAfter = 150}}) {
        SCOPED_TRACE(static_cast<int>(options.fault));
        observer.Clear();
        StartUnit(options);
        Read();
        ASSERT_TRUE(observer.outcome);
        EXPECT_EQ(observer.outcome->result, TransferResult::Incomplete);
        EXPECT_EQ(observer.Texts(), std::vector<std::string>{kIncompleteReplyText});
        EXPECT_EQ(observer.messages[0].caption, kErrorCaption);
        EXPECT_EQ(observer.messages[0].icon, MessageIcon::Error);
        EXPECT_EQ(observer.steps, kRegisterCount);
        EXPECT_FALSE(observer.outcome->buttons.send || observer.outcome->buttons.version);
        EXPECT_TRUE(observer.outcome->buttons.read && observer.outcome->buttons.factoryReset);
        EXPECT_EQ(observer.outcome->buttons.tree, std::optional<bool>(false));
        EXPECT_FALSE(image->IsPortOpen());
        ExpectImageUntouched();
    }
}

// The end answer of an earlier session before the banner is skipped, not taken as the banner.
TEST_F(SequenceTest, ReadSkipsAnEndAnswerLeftBeforeTheBanner) {
    StartUnit({.fault = Fault::StrayLine});
    for (int n = 0; n < kRegisterCount; ++n)
        unit->SetRegisterValue(n, "B0" + protocol::RegisterNumber(n) + "C1D");
    Read();
    ASSERT_TRUE(observer.outcome);
    EXPECT_EQ(observer.outcome->result, TransferResult::Success);
    EXPECT_TRUE(observer.messages.empty());
    for (int n = 0; n < kRegisterCount; ++n)
        ASSERT_EQ(image->Value(n), unit->RegisterValue(n)) << n;
    const std::string output = UnitOutput();
    ASSERT_TRUE(output.starts_with("ENDE\r\n#")) << output.substr(0, 40);
    const std::string banner = output.substr(6, output.find('\n', 6) - 6);
    EXPECT_EQ(image->versionText, banner.substr(12));
}

TEST_F(SequenceTest, ReadEndsPromptlyWhenTheAdapterIsUnplugged) {
    StartUnit({.fault = Fault::HangUpAfterReplies, .faultAfter = 50});
    Read();
    ASSERT_TRUE(observer.outcome);
    EXPECT_EQ(observer.outcome->result, TransferResult::PortFailed);
    EXPECT_EQ(observer.Texts(), std::vector<std::string>{kPortLostText});
    EXPECT_FALSE(image->IsPortOpen());
    ExpectImageUntouched();
}

TEST_F(SequenceTest, SendWritesEveryRegisterAsItStands) {
    StartUnit();
    for (int n = 0; n < kRegisterCount; ++n)
        image->SetValue(n, "1A" + protocol::RegisterNumber(n) + "BC");
    image->SetValue(7, "123456789");
    Send();

    ASSERT_TRUE(observer.outcome);
    EXPECT_EQ(observer.outcome->result, TransferResult::Success);
    EXPECT_EQ(observer.steps, kRegisterCount);
    EXPECT_EQ(observer.outcome->buttons.tree, std::nullopt);
    EXPECT_TRUE(observer.messages.empty());
    for (int n = 0; n < kRegisterCount; ++n)
        ASSERT_EQ(unit->RegisterValue(n), image->Value(n)) << n;
    std::string expected(protocol::kStart);
    for (int n = 0; n < kRegisterCount; ++n)
        expected += protocol::WriteCommand(n, image->Value(n));
    expected += protocol::kEnd;
    EXPECT_EQ(ReceivedOnceSettled(expected), expected);
    EXPECT_FALSE(image->IsPortOpen());
    EXPECT_FALSE(image->changed);
}

TEST_F(SequenceTest, SendRejectsUnitsWithoutTheSendIdentification) {
    for (Identification identification :
         {Identification::OnlyVexaSpace, Identification::OnlyVX22, Identification::WrongDevice}) {
        observer.Clear();
        StartUnit({.identification = identification});
        Send();
        ASSERT_TRUE(observer.outcome);
        EXPECT_EQ(observer.outcome->result, TransferResult::WrongDevice);
        EXPECT_EQ(observer.Texts(), std::vector<std::string>{kWrongDeviceText});
        EXPECT_EQ(unit->CommandsReceived("$P"), 0);
        const ButtonStates& buttons = observer.outcome->buttons;
        EXPECT_TRUE(buttons.read && buttons.factoryReset && buttons.send && buttons.version);
        EXPECT_FALSE(image->IsPortOpen());
    }
}

TEST_F(SequenceTest, SendToASilentUnitTimesOut) {
    StartUnit({.fault = Fault::Silent});
    const auto start = steady_clock::now();
    Send();
    EXPECT_LT(steady_clock::now() - start, 2 * kFast.waitLimit);
    EXPECT_EQ(observer.outcome->result, TransferResult::Timeout);
    EXPECT_EQ(observer.Texts(), std::vector<std::string>{kTimeoutText});
    EXPECT_EQ(unit->CommandsReceived("$P"), 0);
    EXPECT_FALSE(image->IsPortOpen());
}

TEST_F(SequenceTest, SendEndsPromptlyWhenTheAdapterIsUnplugged) {
    StartUnit({.fault = Fault::Silent});
    TransferThread worker;
    worker.StartSend(*image, observer, kFast);
    unit->Unplug();
    const auto unplugged = steady_clock::now();
    worker.Join();
    EXPECT_LT(steady_clock::now() - unplugged, kFast.failureLimit + kFast.sendIdlePause * 2);
    EXPECT_EQ(observer.outcome->result, TransferResult::PortFailed);
    EXPECT_FALSE(image->IsPortOpen());
}

TEST_F(SequenceTest, FactoryResetSendsThreeTextsAndClosesThePort) {
    StartUnit();
    unit->SetRegisterValue(214, "99999999");
    SendFactoryResetCommands(*image);
    EXPECT_FALSE(image->IsPortOpen());
    const std::string expected = std::string(protocol::kStart) +
                                 std::string(protocol::kFactoryReset) + std::string(protocol::kEnd);
    EXPECT_EQ(ReceivedOnceSettled(expected), expected);
    EXPECT_EQ(unit->FactoryResets(), 1);
    EXPECT_EQ(unit->RegisterValue(214), sim::SimulatedUnit::FactoryTable()[214]);
}

TEST_F(SequenceTest, ReadAfterAFactoryResetIgnoresTheResetsLeftoverAnswer) {
    StartUnit();
    for (int n = 0; n < kRegisterCount; ++n)
        unit->SetRegisterValue(n, "11111111");
    SendFactoryResetCommands(*image);
    std::this_thread::sleep_for(kFast.factoryResetPause);
    ASSERT_EQ(image->OpenPort(unit->SlavePath()), 1);
    Read();
    ASSERT_EQ(observer.outcome->result, TransferResult::Success);
    for (int n = 0; n < kRegisterCount; ++n) {
        ASSERT_EQ(image->Value(n), sim::SimulatedUnit::FactoryTable()[n]) << n;
    }
}

}  // namespace
}  // namespace orvan
