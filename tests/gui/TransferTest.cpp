// Read, send and factory reset against the simulated unit, through the main window, including
// the unit's faults and closing the window while a transfer runs.
#include <QLabel>

#include "../UnitCommands.h"
#include "ShellTestSupport.h"
#include "app/ShellTexts.h"
#include "app/VersionText.h"
#include "link/DeviceMessages.h"

namespace orvan::test {
namespace {

class Transfer : public ShellTest {
  protected:
    void Read() {
        Button("Lesen").click();
        ASSERT_TRUE(WaitForTransferEnd());
    }
    // The image as a fresh start has it.
    void ExpectImageUntouched() {
        for (int n = 0; n < kRegisterCount; ++n)
            ASSERT_EQ(Image().Value(n), "00000000") << n;
        EXPECT_EQ(Image().versionText, Register::kVersionHint);
        EXPECT_FALSE(Image().changed);
        EXPECT_FALSE(Image().hasAfSquelch);
    }
    void ExpectReadFailedWith(const char* text) {
        ASSERT_EQ(ui_.messages.size(), 1u);
        EXPECT_EQ(ui_.messages[0].text, text);
        EXPECT_TRUE(On("Lesen"));
        EXPECT_TRUE(On("Werkseinstellungen"));
        EXPECT_FALSE(On("Senden"));
        EXPECT_FALSE(Tree().isEnabled());
        EXPECT_FALSE(Image().IsPortOpen());
        EXPECT_TRUE(FileMenuOn());
        ExpectImageUntouched();
    }
};

TEST_F(Transfer, ReadFillsTheImageFromTheUnit) {
    AddUnit();
    OpenWindow();
    Unit().SetRegisterValue(42, "1234ABCD");
    Read();
    EXPECT_TRUE(ui_.messages.empty());
    for (int n = 0; n < kRegisterCount; ++n)
        ASSERT_EQ(Image().Value(n), Unit().RegisterValue(n));
    EXPECT_EQ(Image().Value(42), "1234ABCD");
    EXPECT_TRUE(Image().changed);
    EXPECT_TRUE(Image().hasAfSquelch);
    EXPECT_NE(Image().versionText.find("V1.33"), std::string::npos);
    EXPECT_EQ(Progress().value(), 300);
    EXPECT_TRUE(Tree().isEnabled());
    EXPECT_FALSE(Image().IsPortOpen());
}

TEST_F(Transfer, VersionButtonShowsTheShortenedTextAndKeepsIt) {
    AddUnit();
    OpenWindow();
    Read();
    const std::string shortened = ShortenedVersionText(Image().versionText);
    ASSERT_NE(shortened, Image().versionText);
    Button("Version des Orvans").click();
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].caption, kVersionCaption);
    EXPECT_EQ(ui_.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(ui_.messages[0].text.toStdString(), shortened);
    EXPECT_EQ(Image().versionText, shortened);

    Action("&Neu").trigger();
    Button("Version des Orvans").click();
    EXPECT_EQ(ui_.messages.back().text.toStdString(), Register::kVersionHint);
}

TEST_F(Transfer, SendWritesTheImageIntoTheUnitAndTheProgressWraps) {
    AddUnit();
    OpenWindow();
    Read();
    Image().SetValue(7, "0000FFFF");
    Image().SetValue(299, "ABCDEF01");
    Button("Senden").click();
    ASSERT_TRUE(WaitForTransferEnd());
    EXPECT_TRUE(ui_.messages.empty());
    for (int n = 0; n < kRegisterCount; ++n)
        ASSERT_EQ(Unit().RegisterValue(n), Image().Value(n));
    EXPECT_EQ(Unit().RegisterValue(7), "0000FFFF");
    EXPECT_EQ(Progress().value(), 299);  // 300, then 0 to 299
    EXPECT_FALSE(Image().IsPortOpen());
    EXPECT_TRUE(Tree().isEnabled());
}

TEST_F(Transfer, ReadWithoutIdentificationChangesNothing) {
    AddUnit({.identification = sim::Identification::WrongDevice});
    OpenWindow();
    Read();
    ExpectReadFailedWith(kNoConnectionText);
    EXPECT_EQ(ui_.messages[0].caption, "");
    EXPECT_EQ(Progress().value(), 0);
}

TEST_F(Transfer, ReadOfASilentUnitReportsNoConnection) {
    AddUnit({.fault = sim::Fault::Silent});
    OpenWindow();
    Read();
    ExpectReadFailedWith(kNoConnectionText);
}

TEST_F(Transfer, ReadOfAUnitThatStopsAnsweringTimesOut) {
    AddUnit({.fault = sim::Fault::StopAfterReplies, .faultAfter = 50});
    OpenWindow();
    Read();
    ExpectReadFailedWith(kTimeoutText);
    EXPECT_EQ(ui_.messages[0].caption, kErrorCaption);
}

TEST_F(Transfer, ReadOfAnUnpluggedUnitEndsCleanly) {
    AddUnit({.fault = sim::Fault::HangUpAfterReplies, .faultAfter = 50});
    OpenWindow();
    Read();
    ExpectReadFailedWith(kPortLostText);
}

TEST_F(Transfer, SendToAnotherDeviceSendsNoRegister) {
    AddUnit({.identification = sim::Identification::OnlyVexaSpace});
    OpenWindow();
    Read();  // a read accepts this unit, a send does not
    ui_.messages.clear();
    Image().SetValue(3, "FFFFFFFF");
    Button("Senden").click();
    ASSERT_TRUE(WaitForTransferEnd());
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text, kWrongDeviceText);
    EXPECT_EQ(ui_.messages[0].icon, MessageIcon::Error);
    EXPECT_NE(Unit().RegisterValue(3), "FFFFFFFF");
    EXPECT_EQ(Image().Value(3), "FFFFFFFF");
    EXPECT_FALSE(Image().IsPortOpen());
    EXPECT_TRUE(On("Senden"));
    EXPECT_TRUE(On("Lesen"));
}

TEST_F(Transfer, SendToAnUnitThatHangsUpEndsCleanly) {
    AddUnit();
    OpenWindow();
    Read();
    Unit().Unplug();
    Button("Senden").click();
    ASSERT_TRUE(WaitForTransferEnd());
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_TRUE(ui_.messages[0].text == kPortLostText || ui_.messages[0].text == kTimeoutText ||
                ui_.messages[0].text.startsWith(kPortInitFailedText))
        << ui_.messages[0].text.toStdString();
    EXPECT_FALSE(Image().IsPortOpen());
    EXPECT_TRUE(On("Senden"));
    EXPECT_TRUE(On("Lesen"));
}

TEST_F(Transfer, TreeAndFileMenuAreHeldWhileTheWorkerUsesTheImage) {
    AddUnit();
    OpenWindow();
    ui_.openPaths.push_back(QString::fromStdString(WriteRegisterFile("image.rvx2a2")));
    Action("Ö&ffnen ...").trigger();
    ASSERT_TRUE(Tree().isEnabled());
    Button("Lesen").click();
    EXPECT_FALSE(Tree().isEnabled());
    EXPECT_FALSE(FileMenuOn());
    EXPECT_FALSE(On("Potentiometer-Abgleich"));
    ASSERT_TRUE(WaitForTransferEnd());
    EXPECT_TRUE(Tree().isEnabled());
    EXPECT_TRUE(FileMenuOn());
    EXPECT_TRUE(On("Potentiometer-Abgleich"));
}

TEST_F(Transfer, ClosingDuringAReadWaitsForItsEndThenAsks) {
    AddUnit();
    OpenWindow();
    Button("Lesen").click();
    bool noteShown = false;
    bool runningMeanwhile = false;
    QTimer::singleShot(100, [&] {
        QLabel* note = FindByText<QLabel>(Window(), kClosingNote);
        noteShown = note != nullptr && note->isVisible();
        runningMeanwhile = Window().TransferRunning();
    });
    Window().close();
    EXPECT_TRUE(noteShown);
    EXPECT_TRUE(runningMeanwhile);
    EXPECT_FALSE(Window().TransferRunning());
    EXPECT_EQ(Progress().value(), 300);  // not cut off
    ASSERT_EQ(ui_.messages.size(), 1u);  // the read set the changed flag
    EXPECT_EQ(ui_.messages[0].text, kExitQuestion);
    EXPECT_FALSE(Window().isVisible());
}

TEST_F(Transfer, ClosingWhileTheWorkerWaitsOnAMessageDoesNotHang) {
    AddUnit({.fault = sim::Fault::Silent});
    OpenWindow();
    Button("Lesen").click();
    Window().close();  // the worker's message is answered inside the wait
    EXPECT_FALSE(Window().TransferRunning());
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text, kNoConnectionText);
    EXPECT_FALSE(Window().isVisible());
}

TEST_F(Transfer, FactoryResetSendsThreeCommandsThenReadsTheFactoryValues) {
    AddUnit();
    OpenWindow();
    Unit().SetRegisterValue(10, "FFFFFFFF");
    ui_.answers.push_back(MessageAnswer::Ok);
    const auto clicked = std::chrono::steady_clock::now();
    Button("Werkseinstellungen").click();
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].caption, kFactoryResetCaption);
    EXPECT_EQ(ui_.messages[0].text, kFactoryResetQuestion);
    EXPECT_EQ(ui_.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(ui_.messages[0].buttons, MessageButtons::OkCancel);
    EXPECT_FALSE(Image().IsPortOpen());  // closed for the pause
    ASSERT_TRUE(WaitForTransferEnd());
    EXPECT_EQ(Unit().FactoryResets(), 1);
    EXPECT_EQ(Unit().CommandsReceived("$PROGSTART"), 2);
    const std::vector<TimedCommand> commands = CommandsIn(Unit().Trace());
    ASSERT_GE(commands.size(), 4u);
    EXPECT_EQ(commands[3].text, "$PROGSTART");
    // The read starts a whole pause after the click, whatever the load.
    EXPECT_GE(commands[3].time - clicked, Timing{}.Scaled(10).factoryResetPause);
    EXPECT_EQ(Image().Value(10), sim::SimulatedUnit::FactoryTable()[10]);
    EXPECT_TRUE(Tree().isEnabled());
}

TEST_F(Transfer, CancelledFactoryResetSendsNothing) {
    AddUnit();
    OpenWindow();
    ui_.answers.push_back(MessageAnswer::Cancel);
    Button("Werkseinstellungen").click();
    QTest::qWait(50);
    EXPECT_TRUE(Unit().ReceivedBytes().empty());
    EXPECT_FALSE(Window().TransferRunning());
    EXPECT_TRUE(On("Lesen"));
}

}  // namespace
}  // namespace orvan::test
