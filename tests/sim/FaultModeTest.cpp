#include <gtest/gtest.h>

#include <string>

#include "Options.h"
#include "core/TextFunctions.h"
#include "link/Protocol.h"
#include "sim/Banner.h"
#include "sim/SimulatedUnit.h"

namespace orvan::sim {
namespace {

std::string ReadAll(SimulatedUnit& unit) {
    std::string answer = unit.Receive("$PROGSTART\r");
    for (int n = 0; n < kRegisterCount; ++n) {
        answer += unit.Receive(protocol::ReadCommand(n));
    }
    return answer + unit.Receive("$PROGENDE\r");
}

int RegisterLines(const std::string& answer) {
    int lines = 0;
    for (std::size_t at = answer.find("$R"); at != std::string::npos;
         at = answer.find("$R", at + 1)) {
        ++lines;
    }
    return lines;
}

TEST(FaultMode, SilentAnswersNothingButStillObeys) {
    SimulatedUnit unit(test::WithFault(Fault::Silent));
    EXPECT_EQ(ReadAll(unit), "");
    EXPECT_EQ(unit.Receive(protocol::WriteCommand(3, "12345678")), "");
    EXPECT_EQ(unit.RegisterValue(3), "12345678");
    EXPECT_EQ(unit.CommandsReceived("$R"), 300);
    EXPECT_EQ(unit.Spontaneous(), "");
}

TEST(FaultMode, CorruptWriteGarblesOnlyItsRegisterAndAnswersAsUsual) {
    struct Case {
        const char* written;
        const char* stored;
    };
    const Case cases[] = {{"0A000000", "1A000000"}, {"10000000", "00000000"}, {"", "1"}};
    for (const Case& c : cases) {
        SimulatedUnit unit(test::WithFault(Fault::CorruptWrite, 7));
        unit.Receive(protocol::WriteCommand(6, c.written));
        unit.Receive(protocol::WriteCommand(7, c.written));
        unit.Receive(protocol::WriteCommand(8, c.written));
        EXPECT_EQ(unit.RegisterValue(6), c.written);
        EXPECT_EQ(unit.RegisterValue(7), c.stored);
        EXPECT_EQ(unit.RegisterValue(8), c.written);
        EXPECT_EQ(RegisterLines(ReadAll(unit)), 300);
    }
}

TEST(FaultMode, SilentAfterBannerAnswersOnlyTheStart) {
    SimulatedUnit unit(test::WithFault(Fault::SilentAfterBanner));
    EXPECT_EQ(ReadAll(unit), Banner(Identification::Full));
    EXPECT_EQ(unit.Receive("$PROGSTART\r"), Banner(Identification::Full));
}

TEST(FaultMode, StopAfterRepliesGivesExactlyThatManyRegisterLines) {
    SimulatedUnit unit(test::WithFault(Fault::StopAfterReplies, 150));
    const std::string answer = ReadAll(unit);
    EXPECT_TRUE(answer.starts_with(Banner(Identification::Full)));
    EXPECT_EQ(RegisterLines(answer), 150);
    EXPECT_TRUE(
        answer.ends_with("$R149" + std::string(SimulatedUnit::FactoryTable()[149]) + "\r\n"));
    EXPECT_EQ(unit.Receive("$PROGSTART\r"), "") << "a stopped unit stays silent";
    EXPECT_FALSE(unit.HungUp());
}

TEST(FaultMode, StopAfterZeroRepliesStillIdentifies) {
    SimulatedUnit unit(test::WithFault(Fault::StopAfterReplies, 0));
    EXPECT_EQ(ReadAll(unit), Banner(Identification::Full));
}

TEST(FaultMode, HangUpAfterRepliesHangsUpAtTheNextCommand) {
    SimulatedUnit unit(test::WithFault(Fault::HangUpAfterReplies, 2));
    EXPECT_EQ(unit.Receive("$PROGSTART\r"), Banner(Identification::Full));
    EXPECT_EQ(RegisterLines(unit.Receive("$R000\r$R001\r")), 2);
    EXPECT_FALSE(unit.HungUp());
    EXPECT_EQ(unit.Receive("$R002\r$R003\r"), "");
    EXPECT_TRUE(unit.HungUp());
    EXPECT_EQ(unit.Receive("$PROGENDE\r"), "");
}

TEST(FaultMode, HangUpDuringASendIgnoresTheWrites) {
    SimulatedUnit unit(test::WithFault(Fault::HangUpAfterReplies, 0));
    EXPECT_EQ(unit.Receive("$PROGSTART\r"), Banner(Identification::Full));
    unit.Receive(protocol::WriteCommand(0, "FFFFFFFF"));
    EXPECT_TRUE(unit.HungUp());
    EXPECT_EQ(unit.RegisterValue(0), SimulatedUnit::FactoryTable()[0]);
}

TEST(FaultMode, GarbageStreamsEndlesslyWithoutAnythingTheProgramLooksFor) {
    SimulatedUnit unit(test::WithFault(Fault::Garbage));
    EXPECT_EQ(unit.Spontaneous(), "") << "quiet until spoken to";
    EXPECT_EQ(unit.Receive("$PROGSTART\r"), "");
    std::string stream;
    for (int i = 0; i < 200; ++i) {
        const std::string chunk = unit.Spontaneous();
        ASSERT_FALSE(chunk.empty());
        stream += chunk;
    }
    for (char c : stream) {
        ASSERT_TRUE(c >= 0x20 && c < 0x7F) << static_cast<int>(c);
    }
    EXPECT_FALSE(protocol::IsReadIdentification(stream));
    EXPECT_FALSE(protocol::IsSendIdentification(stream));
    EXPECT_EQ(stream.find("$R"), std::string::npos);
    EXPECT_EQ(stream.find(protocol::kEndMarker), std::string::npos);
    EXPECT_GT(stream.find_first_not_of(stream[0]), 0u) << "random, not one repeated byte";
}

}  // namespace
}  // namespace orvan::sim
