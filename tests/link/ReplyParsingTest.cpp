#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "RecordingObserver.h"
#include "ScriptedPort.h"
#include "core/Register.h"
#include "link/DeviceMessages.h"
#include "link/Protocol.h"
#include "link/ReadSequence.h"
#include "link/SendSequence.h"

namespace orvan {
namespace {

// The scripted unit answers at once, so the pauses can shrink to nothing. The bounds on a wait
// stay long enough that a busy machine, which may stop the reading thread between two bytes for
// milliseconds, cannot end a reply that is still coming.
const Timing kParsingTiming = [] {
    Timing timing = Timing{}.Scaled(1000);
    timing.silenceLimit = Milliseconds{200};
    timing.waitLimit = Timing{}.waitLimit;
    return timing;
}();

// Replies the simulator never gives: cut lines, oversized replies, odd identifications.
class ReplyParsingTest : public ::testing::Test {
  protected:
    ReplyParsingTest()
        : port(std::make_shared<ScriptedPort::Shared>()),
          image(std::make_unique<ScriptedPort>(port)) {}

    void Read(std::string script) {
        port->script = std::move(script);
        image.OpenPort("scripted");
        ReadSequence(image, observer, kParsingTiming).Run();
    }

    void Send(std::string script) {
        port->script = std::move(script);
        image.OpenPort("scripted");
        SendSequence(image, observer, kParsingTiming).Run();
    }

    static std::string Line(int n, const std::string& value) {
        return "$R" + protocol::RegisterNumber(n) + value + "\r\n";
    }

    static std::string Lines(int count) {
        std::string lines;
        for (int n = 0; n < count; ++n)
            lines += Line(n, "1234567" + std::to_string(n % 10));
        return lines;
    }

    std::shared_ptr<ScriptedPort::Shared> port;
    Register image;
    RecordingObserver observer;
};

const std::string kBanner = "#VX22 ORVAN 2a NF Version 1.0\r\n";

TEST_F(ReplyParsingTest, ALateEndAnswerOfTheSessionBeforeShiftsNoRegister) {
    Read("ENDE\r\n" + kBanner + Lines(300));
    EXPECT_EQ(observer.outcome->result, TransferResult::Success);
    EXPECT_EQ(image.versionText, "2a NF Version 1.0\r");
    EXPECT_EQ(image.Value(0), "12345670");
    EXPECT_EQ(image.Value(299), "12345679");
}

TEST_F(ReplyParsingTest, VersionTextIsTheFirstLineWithoutTwelveCharacters) {
    Read(kBanner + Lines(300));
    EXPECT_EQ(observer.outcome->result, TransferResult::Success);
    EXPECT_EQ(image.versionText, "2a NF Version 1.0\r");
    EXPECT_TRUE(image.hasAfSquelch);
}

TEST_F(ReplyParsingTest, ShortIdentificationLineGivesAnEmptyVersion) {
    Read("#VX22 12345\n" + Lines(300));
    EXPECT_EQ(observer.outcome->result, TransferResult::Success);
    EXPECT_EQ(image.versionText, "");
    EXPECT_FALSE(image.hasAfSquelch);
}

TEST_F(ReplyParsingTest, OptionLetterCountsOnlyAfterTheFirstVersionCharacter) {
    Read("#VX22 123456Nabc\n" + Lines(300));
    EXPECT_EQ(image.versionText, "Nabc");
    EXPECT_FALSE(image.hasAfSquelch);
}

TEST_F(ReplyParsingTest, LastLineCutByTheReplysEndIsCompletedWithFiller) {
    Read(kBanner + Lines(299) + "$R299" + "12");
    EXPECT_EQ(observer.outcome->result, TransferResult::Success);
    EXPECT_EQ(image.Value(298), "12345678");
    EXPECT_EQ(image.Value(299), "12000000");
    EXPECT_TRUE(image.changed);
}

// Any line out of place would shift every later register by one: such a read must not count.
TEST_F(ReplyParsingTest, LinesThatDoNotCarryTheirNumbersInOrderFailTheRead) {
    const std::string lines = Lines(300);
    const std::size_t at150 = lines.find("$R150");
    const struct {
        const char* name;
        std::string reply;
    } cases[] = {
        {"stray line before the identification", "$R299FFFFFFFF\r\n" + kBanner + lines},
        {"missing line", kBanner + lines.substr(0, at150) + lines.substr(at150 + 15)},
        {"merged lines", kBanner + lines.substr(0, at150 - 1) + lines.substr(at150)},
        {"extra line", kBanner + lines.substr(0, at150) + "ENDE\r\n" + lines.substr(at150)},
        {"wrong number", kBanner + lines.substr(0, at150) + "$R151" + lines.substr(at150 + 5)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        observer.Clear();
        image.SetValue(0, "ABCDEF01");
        port->position = 0;
        Read(c.reply);
        ASSERT_TRUE(observer.outcome);
        EXPECT_EQ(observer.outcome->result, TransferResult::Incomplete);
        ASSERT_EQ(observer.messages.size(), 1u);
        EXPECT_EQ(observer.messages[0].text, kIncompleteReplyText);
        EXPECT_EQ(observer.messages[0].caption, kErrorCaption);
        EXPECT_EQ(observer.messages[0].icon, MessageIcon::Error);
        EXPECT_FALSE(observer.outcome->buttons.send);
        EXPECT_TRUE(observer.outcome->buttons.read);
        EXPECT_EQ(image.Value(0), "ABCDEF01");
        EXPECT_EQ(image.Value(1), "00000000");
        EXPECT_EQ(image.versionText, Register::kVersionHint);
        EXPECT_FALSE(image.changed);
        EXPECT_FALSE(image.IsPortOpen());
    }
}

TEST_F(ReplyParsingTest, ShortLineKeepsNoCarriageReturn) {
    Read(kBanner + Line(0, "AB") + Lines(300).substr(15));
    EXPECT_EQ(image.Value(0), "AB000000");
}

TEST_F(ReplyParsingTest, ReplyBeyondTheUsualLengthIsParsedWhole) {
    std::string lines;
    for (int n = 0; n < 300; ++n)
        lines += Line(n, "FEDCBA9" + std::to_string(n % 10) + "xxxx");
    Read("#VX22 long banner" + std::string(200, '-') + "\r\n" + lines);
    EXPECT_EQ(observer.outcome->result, TransferResult::Success);
    EXPECT_EQ(image.Value(0), "FEDCBA90");
    EXPECT_EQ(image.Value(299), "FEDCBA99");
}

TEST_F(ReplyParsingTest, RunsOfLineFeedsCountAsOne) {
    std::string lines;
    for (int n = 0; n < 300; ++n)
        lines += Line(n, "0000000" + std::to_string(n % 10)) + "\n\n";
    Read("\n\n" + kBanner + "\n" + lines);
    EXPECT_EQ(image.versionText, "2a NF Version 1.0\r");
    EXPECT_EQ(image.Value(13), "00000003");
}

TEST_F(ReplyParsingTest, SendIdentificationMustStandWithinTheFirst31Bytes) {
    Send(std::string(31, '-') + "VEXA2a\r\n");
    EXPECT_EQ(observer.outcome->result, TransferResult::WrongDevice);
    EXPECT_EQ(port->written.find("$P0"), std::string::npos);

    observer.Clear();
    port->written.clear();
    port->position = 0;
    Send(std::string(25, '-') + "VEXA2a" + std::string(20, '-'));
    EXPECT_EQ(observer.outcome->result, TransferResult::Success);
    EXPECT_NE(port->written.find("$P299"), std::string::npos);
}

TEST_F(ReplyParsingTest, EndMarkerBeforeTheIdentificationEndsTheSendWithoutRegisters) {
    Send("-ENDE\r\n" + std::string(40, '-'));
    EXPECT_EQ(observer.outcome->result, TransferResult::EarlyEnd);
    EXPECT_TRUE(observer.messages.empty());
    EXPECT_EQ(port->written, "");
    EXPECT_FALSE(image.IsPortOpen());
}

TEST_F(ReplyParsingTest, OverlongValueIsNotSent) {
    image.SetValue(3, std::string(95, '1'));  // 101-byte command
    image.SetValue(4, std::string(94, '2'));  // 100-byte command
    Send(std::string(25, '-') + "VEXA2a" + std::string(20, '-'));
    EXPECT_EQ(port->written.find("$P003"), std::string::npos);
    EXPECT_NE(port->written.find(protocol::WriteCommand(4, image.Value(4))), std::string::npos);
}

}  // namespace
}  // namespace orvan
