// The enabling rules of the main window's buttons and tree, event by event.
#include <QFile>

#include "ShellTestSupport.h"
#include "app/ShellTexts.h"
#include "link/DeviceMessages.h"

namespace orvan::test {
namespace {

struct States {
    bool read, factory, send, version, tree;
    bool operator==(const States&) const = default;
};

class MainWindowStates : public ShellTest {
  protected:
    void OpenFile() {
        ui_.openPaths.push_back(QString::fromStdString(WriteRegisterFile("image.rvx2a2")));
        Action("Ö&ffnen ...").trigger();
    }
    States Now() {
        return {On("Lesen"), On("Werkseinstellungen"), On("Senden"), On("Version des Orvans"),
                Tree().isEnabled()};
    }
    void ExpectAlwaysOn() {
        for (const char* text :
             {"Potentiometer-Abgleich", "Headset-Erkennung", "Info...", "Hilfe..."})
            EXPECT_TRUE(On(text)) << text;
    }
};

void PrintTo(const States& s, std::ostream* os) {
    *os << "read " << s.read << " factory " << s.factory << " send " << s.send << " version "
        << s.version << " tree " << s.tree;
}

TEST_F(MainWindowStates, FreshStartLeavesSendVersionAndTreeOff) {
    AddUnit();
    OpenWindow();
    EXPECT_EQ(Now(), (States{true, true, false, false, false}));
    ExpectAlwaysOn();
    EXPECT_TRUE(FileMenuOn());
    EXPECT_EQ(Progress().minimum(), 0);
    EXPECT_EQ(Progress().maximum(), 300);
    EXPECT_EQ(Progress().value(), 0);
}

TEST_F(MainWindowStates, ReadStartedDisablesTransferButtonsAndEndIdentifiedEnablesAll) {
    AddUnit();
    OpenWindow();
    OpenFile();  // "Senden" on: the start turns it and the version off
    Button("Lesen").click();
    EXPECT_EQ(Now(), (States{false, false, false, false, false}));
    EXPECT_FALSE(FileMenuOn());
    EXPECT_FALSE(Selector().isEnabled());
    ASSERT_TRUE(WaitForTransferEnd());
    EXPECT_EQ(Now(), (States{true, true, true, true, true}));
    EXPECT_TRUE(FileMenuOn());
    EXPECT_TRUE(Selector().isEnabled());
    ExpectAlwaysOn();
    EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(MainWindowStates, ReadWithSendOffLeavesTheVersionButtonAlone) {
    AddUnit();
    OpenWindow();
    Button("Lesen").click();
    EXPECT_FALSE(On("Senden"));
    EXPECT_FALSE(On("Version des Orvans"));
    ASSERT_TRUE(WaitForTransferEnd());
    Button("Lesen").click();  // now "Senden" is on
    EXPECT_EQ(Now(), (States{false, false, false, false, false}));
    ASSERT_TRUE(WaitForTransferEnd());
    EXPECT_EQ(Now(), (States{true, true, true, true, true}));
}

TEST_F(MainWindowStates, ReadEndedUnidentifiedDisablesSendVersionAndTree) {
    AddUnit({.identification = sim::Identification::WrongDevice});
    OpenWindow();
    OpenFile();
    ASSERT_EQ(Now(), (States{true, true, true, false, true}));
    Button("Lesen").click();
    ASSERT_TRUE(WaitForTransferEnd());
    EXPECT_EQ(Now(), (States{true, true, false, false, false}));
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text, kNoConnectionText);
}

TEST_F(MainWindowStates, ReadPortFailureRestoresTheButtons) {
    OpenWindow();
    ASSERT_TRUE(Window().PortList().empty());
    Button("Lesen").click();
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_TRUE(ui_.messages[0].text.startsWith(kPortInitFailedText));
    EXPECT_EQ(ui_.messages[0].caption, "Fehler");
    EXPECT_EQ(ui_.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(Now(), (States{true, true, false, false, false}));

    OpenFile();
    Button("Lesen").click();
    EXPECT_EQ(Now(), (States{true, true, true, false, true}));  // "Senden" restored
    EXPECT_FALSE(Window().TransferRunning());
    EXPECT_TRUE(FileMenuOn());
}

TEST_F(MainWindowStates, PortFailureNamesTheReasonAfterTheFixedText) {
    AddUnit();
    OpenWindow();
    RemoveUnit();  // the listed port has gone
    Button("Lesen").click();
    ASSERT_EQ(ui_.messages.size(), 1u);
    const QString text = ui_.messages[0].text;
    ASSERT_TRUE(text.startsWith(QString(kPortInitFailedText) + "\n\n"));
    EXPECT_GT(text.size(), QString(kPortInitFailedText).size() + 2);
}

TEST_F(MainWindowStates, SendStartedDisablesFourButtonsAndEndEnablesThem) {
    AddUnit();
    OpenWindow();
    OpenFile();
    Button("Senden").click();
    EXPECT_EQ(Now(), (States{false, false, false, false, false}));  // tree: held during transfer
    ASSERT_TRUE(WaitForTransferEnd());
    EXPECT_EQ(Now(), (States{true, true, true, true, true}));
}

TEST_F(MainWindowStates, SendEndedByWrongDeviceEnablesTheFourButtonsAndKeepsTheTree) {
    AddUnit({.identification = sim::Identification::OnlyVX22});
    OpenWindow();
    OpenFile();
    Button("Senden").click();
    ASSERT_TRUE(WaitForTransferEnd());
    EXPECT_EQ(Now(), (States{true, true, true, true, true}));
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text, kWrongDeviceText);
}

TEST_F(MainWindowStates, SendPortFailureEnablesTheFourButtons) {
    AddUnit();
    OpenWindow();
    OpenFile();
    RemoveUnit();
    Button("Senden").click();
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_TRUE(ui_.messages[0].text.startsWith(kPortInitFailedText));
    EXPECT_EQ(Now(), (States{true, true, true, true, true}));
    EXPECT_FALSE(Window().TransferRunning());
}

TEST_F(MainWindowStates, ConfirmedFactoryResetDisablesFourButtonsThenReads) {
    AddUnit();
    OpenWindow();
    OpenFile();
    ui_.answers.push_back(MessageAnswer::Ok);
    Button("Werkseinstellungen").click();
    EXPECT_EQ(Now(), (States{false, false, false, false, false}));
    EXPECT_FALSE(FileMenuOn());
    ASSERT_TRUE(WaitForTransferEnd());
    EXPECT_EQ(Now(), (States{true, true, true, true, true}));
}

TEST_F(MainWindowStates, FactoryResetWhosePortFailsChangesNoButton) {
    OpenWindow();
    OpenFile();
    ui_.answers.push_back(MessageAnswer::Ok);
    Button("Werkseinstellungen").click();
    ASSERT_EQ(ui_.messages.size(), 2u);
    EXPECT_TRUE(ui_.messages[1].text.startsWith(kPortInitFailedText));
    EXPECT_EQ(Now(), (States{true, true, true, false, true}));
    EXPECT_FALSE(Window().TransferRunning());
}

TEST_F(MainWindowStates, OtherPortSelectedDisablesSendVersionAndTree) {
    AddUnit();
    AddUnit();
    OpenWindow();
    Button("Lesen").click();
    ASSERT_TRUE(WaitForTransferEnd());
    ChooseInList(1);
    EXPECT_EQ(Now(), (States{true, true, false, false, false}));
}

TEST_F(MainWindowStates, FileOpenedEnablesSendAndTreeOnly) {
    AddUnit();
    OpenWindow();
    OpenFile();
    EXPECT_EQ(Now(), (States{true, true, true, false, true}));
}

TEST_F(MainWindowStates, InfoCancelledEnablesTheTreeButOkDoesNot) {
    OpenWindow();
    OnNextModal([](QWidget& dialog) { FindByText<QPushButton>(dialog, "OK")->click(); });
    Button("Info...").click();
    EXPECT_FALSE(Tree().isEnabled());
    OnNextModal([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    Button("Info...").click();
    EXPECT_TRUE(Tree().isEnabled());
    EXPECT_FALSE(On("Senden"));
}

TEST_F(MainWindowStates, InfoFromTheMenuChangesNothing) {
    OpenWindow();
    OnNextModal([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    Action("Inf&o über VEXA2a...").trigger();
    EXPECT_FALSE(Tree().isEnabled());
}

TEST_F(MainWindowStates, InfoCancelledDuringATransferOpensTheTreeOnlyAfterIt) {
    AddUnit({.fault = sim::Fault::Silent});  // the send waits for the silence limit
    OpenWindow();
    OpenFile();
    Tree().setEnabled(false);  // as after another port was chosen
    Button("Senden").click();
    OnNextModal([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    Button("Info...").click();
    ASSERT_TRUE(Window().TransferRunning());
    EXPECT_FALSE(Tree().isEnabled());
    ASSERT_TRUE(WaitForTransferEnd());
    EXPECT_TRUE(Tree().isEnabled());
}

}  // namespace
}  // namespace orvan::test
