// The port list: built on first show and on every opening, at most ten entries, and the rules
// that decide the current port and the buttons when the list closes.
#include <QFile>

#include <algorithm>

#include "ShellTestSupport.h"

namespace orvan::test {
namespace {

class PortSelection : public ShellTest {
  protected:
    void EnableSendAndTree() {
        ui_.openPaths.push_back(QString::fromStdString(WriteRegisterFile("image.rvx2a2")));
        Action("Ö&ffnen ...").trigger();
        ASSERT_TRUE(On("Senden"));
    }
    QStringList Entries() {
        QStringList texts;
        for (int k = 0; k < Selector().count(); ++k)
            texts << Selector().itemText(k);
        return texts;
    }
};

TEST_F(PortSelection, FirstShowListsTheUnitsAndMakesTheFirstCurrent) {
    const std::string first = AddUnit();
    const std::string second = AddUnit();
    OpenWindow();
    EXPECT_EQ(Window().PortList(), (std::vector<std::string>{first, second}));
    EXPECT_EQ(Entries(), (QStringList{QString::fromStdString(PortDisplayName(first)),
                                      QString::fromStdString(PortDisplayName(second))}));
    EXPECT_EQ(Window().CurrentPort(), first);
    EXPECT_EQ(Selector().currentIndex(), 0);
    EXPECT_FALSE(Image().IsPortOpen());
}

TEST_F(PortSelection, EachEntryShowsItsDeviceAsToolTip) {
    AddUnit();
    OpenWindow();
    ASSERT_EQ(Selector().count(), 1);
    EXPECT_EQ(Selector().itemData(0, Qt::ToolTipRole).toString().toStdString(), Unit().SlavePath());
}

TEST_F(PortSelection, ShowsNoMoreThanTenPorts) {
    std::vector<std::string> paths;
    for (int k = 0; k < 11; ++k)
        paths.push_back(AddUnit());
    OpenWindow();
    ASSERT_EQ(Selector().count(), 10);
    EXPECT_EQ(Window().PortList(), std::vector<std::string>(paths.begin(), paths.begin() + 10));
    const auto found = std::count_if(Image().portPaths.begin(), Image().portPaths.end(),
                                     [](const std::string& path) { return !path.empty(); });
    EXPECT_EQ(found, 11);  // found, but not offered
}

TEST_F(PortSelection, OpeningTheListRebuildsIt) {
    AddUnit();
    OpenWindow();
    ASSERT_EQ(Selector().count(), 1);
    const std::string added = AddUnit();
    OpenAndCloseList();
    EXPECT_EQ(Selector().count(), 2);
    EXPECT_EQ(Window().PortList().back(), added);
    RemoveUnit(0);
    OpenAndCloseList();
    EXPECT_EQ(Window().PortList(), std::vector<std::string>{added});
    EXPECT_EQ(Window().CurrentPort(), added);
}

TEST_F(PortSelection, ChoosingAnotherPortMakesItCurrent) {
    AddUnit();
    const std::string second = AddUnit();
    OpenWindow();
    EnableSendAndTree();
    ChooseInList(1);
    EXPECT_EQ(Window().CurrentPort(), second);
    EXPECT_FALSE(On("Senden"));
    EXPECT_FALSE(Tree().isEnabled());
}

TEST_F(PortSelection, ChoosingTheFirstPortAgainChangesNoButton) {
    const std::string first = AddUnit();
    AddUnit();
    OpenWindow();
    EnableSendAndTree();
    ChooseInList(0);
    EXPECT_EQ(Window().CurrentPort(), first);
    EXPECT_TRUE(On("Senden"));
    EXPECT_TRUE(Tree().isEnabled());
}

TEST_F(PortSelection, ReopeningMakesTheFirstCurrentSoChoosingTheUsedPortDisables) {
    AddUnit();
    const std::string second = AddUnit();
    OpenWindow();
    ChooseInList(1);
    ASSERT_EQ(Window().CurrentPort(), second);
    EnableSendAndTree();
    ChooseInList(1);  // the reopened list made the first port current
    EXPECT_EQ(Window().CurrentPort(), second);
    EXPECT_FALSE(On("Senden"));
    EXPECT_FALSE(On("Version des Orvans"));
    EXPECT_FALSE(Tree().isEnabled());
}

TEST_F(PortSelection, ClosingTheListWithoutChoiceLeavesTheFirstCurrent) {
    const std::string first = AddUnit();
    AddUnit();
    OpenWindow();
    ChooseInList(1);
    EnableSendAndTree();
    OpenAndCloseList();
    EXPECT_EQ(Window().CurrentPort(), first);
    EXPECT_TRUE(On("Senden"));
    EXPECT_TRUE(Tree().isEnabled());
}

TEST_F(PortSelection, KeyboardChoiceOnTheClosedListIsAChoiceToo) {
    AddUnit();
    const std::string second = AddUnit();
    OpenWindow();
    EnableSendAndTree();
    Selector().setFocus();
    QTest::keyClick(&Selector(), Qt::Key_Down);
    QTest::qWait(1);
    EXPECT_EQ(Selector().currentText().toStdString(), PortDisplayName(second));
    EXPECT_EQ(Window().CurrentPort(), second);
    EXPECT_FALSE(On("Senden"));
}

TEST_F(PortSelection, ReadUsesTheChosenPort) {
    AddUnit({.identification = sim::Identification::WrongDevice});
    AddUnit();
    OpenWindow();
    ChooseInList(1);
    Button("Lesen").click();
    ASSERT_TRUE(WaitForTransferEnd());
    EXPECT_TRUE(ui_.messages.empty());
    EXPECT_EQ(Unit(0).CommandsReceived("$PROGSTART"), 0);
    EXPECT_EQ(Unit(1).CommandsReceived("$PROGSTART"), 1);
}

TEST_F(PortSelection, WithoutPortsTheListStaysEmptyAndTheCurrentPortToo) {
    OpenWindow();
    EXPECT_EQ(Selector().count(), 0);
    EXPECT_TRUE(Window().CurrentPort().empty());
    OpenAndCloseList();
    EXPECT_TRUE(Window().CurrentPort().empty());
}

}  // namespace
}  // namespace orvan::test
