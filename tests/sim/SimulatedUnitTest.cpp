#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/RegisterFile.h"
#include "core/TextFunctions.h"
#include "link/Protocol.h"
#include "sim/Banner.h"
#include "sim/SimulatedUnit.h"

namespace orvan::sim {
namespace {

TEST(SimulatedUnitProtocol, AnswersStartWithTheBanner) {
    SimulatedUnit unit;
    EXPECT_EQ(unit.Receive("$PROGSTART\r"), Banner(Identification::Full));
    UnitOptions options;
    options.identification = Identification::OnlyVX22;
    SimulatedUnit other(options);
    EXPECT_EQ(other.Receive("$PROGSTART\r"), Banner(Identification::OnlyVX22));
}

TEST(SimulatedUnitProtocol, ReadRepliesWithNumberAndEightValueCharacters) {
    SimulatedUnit unit;
    unit.SetRegisterValue(0, "1A2B3C4D");
    unit.SetRegisterValue(7, "12");
    unit.SetRegisterValue(299, "123456789");
    EXPECT_EQ(unit.Receive(protocol::ReadCommand(0)), "$R0001A2B3C4D\r\n");
    EXPECT_EQ(unit.Receive(protocol::ReadCommand(7)), "$R00712000000\r\n");
    EXPECT_EQ(unit.Receive(protocol::ReadCommand(299)), "$R29912345678\r\n");
}

TEST(SimulatedUnitProtocol, ReadOfAMissingRegisterOrMalformedNumberIsNotAnswered) {
    SimulatedUnit unit;
    EXPECT_EQ(unit.Receive("$R300\r"), "");
    EXPECT_EQ(unit.Receive("$R12\r"), "");
    EXPECT_EQ(unit.Receive("$R0001\r"), "");
    EXPECT_EQ(unit.Receive("$RA00\r"), "");
}

TEST(SimulatedUnitProtocol, WriteStoresTheValueAsSentWithoutAnswer) {
    SimulatedUnit unit;
    EXPECT_EQ(unit.Receive(protocol::WriteCommand(7, "1A000000")), "");
    EXPECT_EQ(unit.RegisterValue(7), "1A000000");
    EXPECT_EQ(unit.Receive(protocol::WriteCommand(8, "123456789")), "");
    EXPECT_EQ(unit.RegisterValue(8), "123456789");
    unit.Receive(protocol::WriteCommand(9, ""));
    EXPECT_EQ(unit.RegisterValue(9), "");
    unit.Receive("$P300FFFFFFFF\r");
    EXPECT_EQ(unit.RegisterValue(299), SimulatedUnit::FactoryTable()[299]);
}

TEST(SimulatedUnitProtocol, EndAnswersTheEndMarker) {
    SimulatedUnit unit;
    EXPECT_EQ(unit.Receive("$PROGENDE\r"), protocol::kEndMarker);
}

TEST(SimulatedUnitProtocol, WholeReadConversationInOneStream) {
    SimulatedUnit unit;
    std::string commands = "$PROGSTART\r";
    std::string expected(Banner(Identification::Full));
    for (int n = 0; n < kRegisterCount; ++n) {
        commands += protocol::ReadCommand(n);
        std::string value = SimulatedUnit::FactoryTable()[n];
        expected += "$R" + protocol::RegisterNumber(n) + value + "\r\n";
    }
    commands += "$PROGENDE\r";
    expected += "ENDE\r\n";
    EXPECT_EQ(unit.Receive(commands), expected);
    EXPECT_EQ(unit.CommandsReceived("$R"), 300);
}

TEST(SimulatedUnitProtocol, CommandSplitAcrossCallsIsAnsweredOnceComplete) {
    SimulatedUnit unit;
    unit.SetRegisterValue(42, "ABCDEF01");
    EXPECT_EQ(unit.Receive("$R0"), "");
    EXPECT_EQ(unit.Receive("4"), "");
    EXPECT_EQ(unit.Receive("2"), "");
    EXPECT_EQ(unit.Receive("\r$PROG"), "$R042ABCDEF01\r\n");
    EXPECT_EQ(unit.Receive("ENDE\r"), "ENDE\r\n");
}

TEST(SimulatedUnitProtocol, JunkOutsideCommandsIsIgnored) {
    SimulatedUnit unit;
    EXPECT_EQ(unit.Receive("xxx\r\n\x01 garbage"), "");
    EXPECT_EQ(unit.Receive("noise$PROGENDE\r\n\n"), "ENDE\r\n");
    EXPECT_EQ(unit.Receive("$HELLO\r"), "");
    EXPECT_EQ(unit.CommandsReceived("$"), 2);
}

TEST(SimulatedUnitProtocol, OverlongCommandIsDroppedAndTheNextOneTaken) {
    SimulatedUnit unit;
    const std::string flood = "$P007" + std::string(SimulatedUnit::kMaxCommandLength, 'F');
    EXPECT_EQ(unit.Receive(flood), "");
    EXPECT_EQ(unit.Receive("\r$PROGENDE\r"), "ENDE\r\n");
    EXPECT_EQ(unit.RegisterValue(7), SimulatedUnit::FactoryTable()[7]);
}

TEST(SimulatedUnitProtocol, RegisterNumbersOutsideTheTableAreRefused) {
    SimulatedUnit unit;
    EXPECT_THROW(unit.RegisterValue(300), std::out_of_range);
    EXPECT_THROW(unit.SetRegisterValue(-1, "0"), std::out_of_range);
}

TEST(SimulatedUnitCounting, CountsCommandsByPrefix) {
    SimulatedUnit unit;
    unit.Receive("$PROGSTART\r$R000\r$R001\r$P00712345678\r$P99900000000\r$PROGENDE\r");
    EXPECT_EQ(unit.CommandsReceived("$PROGSTART"), 1);
    EXPECT_EQ(unit.CommandsReceived("$PROGENDE"), 1);
    EXPECT_EQ(unit.CommandsReceived("$PROG"), 2);
    EXPECT_EQ(unit.CommandsReceived("$R"), 2);
    EXPECT_EQ(unit.CommandsReceived("$R001"), 1);
    EXPECT_EQ(unit.CommandsReceived("$P"), 2) << "only register writes count for \"$P\"";
    EXPECT_EQ(unit.CommandsReceived("$P999"), 1);
    EXPECT_EQ(unit.CommandsReceived("$X"), 0);
}

TEST(SimulatedUnitFactory, ResetRestoresTheFactoryTableAndIsCounted) {
    SimulatedUnit unit;
    for (int n = 0; n < kRegisterCount; ++n) {
        unit.SetRegisterValue(n, "FFFFFFFF");
    }
    EXPECT_EQ(unit.Receive("$PROGSTART\r$P99900000000\r$PROGENDE\r"),
              std::string(Banner(Identification::Full)) + "ENDE\r\n");
    EXPECT_EQ(unit.FactoryResets(), 1);
    for (int n = 0; n < kRegisterCount; ++n) {
        EXPECT_EQ(unit.RegisterValue(n), SimulatedUnit::FactoryTable()[n]) << n;
    }
}

TEST(SimulatedUnitFactory, TableHoldsEightHexDigitsPerRegister) {
    for (const char* value : SimulatedUnit::FactoryTable()) {
        EXPECT_EQ(std::string(value).size(), kValueLength);
        EXPECT_TRUE(IsHexText(value)) << value;
    }
    EXPECT_EQ(SimulatedUnit().RegisterValue(214), "02604010") << "AF squelch standard";
}

TEST(SimulatedUnitFactory, StartsFromARegisterFile) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("orvan-sim-start-" + std::to_string(getpid()) + ".rvx2a2");
    {
        Register image;
        image.fileName = file.string();
        image.SetValue(5, "ABCD0123");
        image.SetValue(6, "123456789");
        ASSERT_TRUE(SaveToFile(image).Succeeded());
    }
    UnitOptions options;
    options.registerFile = file.string();
    SimulatedUnit unit(options);
    EXPECT_EQ(unit.RegisterValue(5), "ABCD0123");
    EXPECT_EQ(unit.RegisterValue(6), "123456789");
    EXPECT_EQ(unit.RegisterValue(7), "00000000");
    std::filesystem::remove(file);
    EXPECT_THROW(SimulatedUnit{options}, std::runtime_error);
}

TEST(SimulatedUnitListener, SeesEachCommandWithoutItsCarriageReturn) {
    std::vector<std::string> seen;
    UnitOptions options;
    options.commandListener = [&](const std::string& command) { seen.push_back(command); };
    SimulatedUnit unit(options);
    unit.Receive("$PROGSTART\r$R0");
    unit.Receive("05\r");
    EXPECT_EQ(seen, (std::vector<std::string>{"$PROGSTART", "$R005"}));
}

}  // namespace
}  // namespace orvan::sim
