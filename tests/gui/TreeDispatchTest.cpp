// The configuration tree: its items, and which page a chosen item opens, through the table.
#include <array>
#include <utility>

#include "ShellTestSupport.h"
#include "app/EinzelnesRegister.h"
#include "pages/BUSYInKonfig.h"
#include "pages/BUSYOutKonfig.h"
#include "pages/DuplexKonfig.h"
#include "pages/Funkkreiskonfiguration.h"
#include "pages/HeadsetKonfig.h"
#include "pages/HoererLSKonfig.h"
#include "pages/NFKonfig.h"
#include "pages/NFKonfigHoerer.h"
#include "pages/NFKonfigTonband.h"
#include "pages/NFMute.h"
#include "pages/Sendezeitbegrenzung.h"
#include "pages/Squelchkonfiguration.h"
#include "pages/TXKonfig.h"
#include "pages/Tastenfunktionen.h"
#include "pages/TonbandrelaisKonfig.h"
#include "pages/Tonrufauswertung.h"
#include "procedures/Ausgabepegel.h"
#include "procedures/Eingangsverstaerkung.h"

namespace orvan::test {
namespace {

// Records which topic's page was built and run, on which image and service.
struct Opened {
    std::vector<int> topics;
    int destroyed = 0;
    Register* image = nullptr;
    UserInterface* ui = nullptr;
} opened;

class RecordingPage : public QDialog {
  public:
    RecordingPage(int topic, Register& image, UserInterface& ui) : topic_(topic) {
        opened.image = &image;
        opened.ui = &ui;
    }
    ~RecordingPage() override { ++opened.destroyed; }
    int exec() override {
        opened.topics.push_back(topic_);
        return QDialog::Rejected;
    }

  private:
    int topic_;
};

template <int Topic>
std::unique_ptr<QDialog> MakeRecordingPage(Register& image, UserInterface& ui) {
    return std::make_unique<RecordingPage>(Topic, image, ui);
}

constexpr std::size_t kTopicCount = 19;

// The production texts in the production order, each opening a recording page.
template <std::size_t... I>
std::array<Topic, kTopicCount> RecordingTable(std::index_sequence<I...>) {
    return {Topic{DispatchTable()[I].text, &MakeRecordingPage<static_cast<int>(I)>}...};
}

const std::array<Topic, kTopicCount>& TestTable() {
    static const auto table = RecordingTable(std::make_index_sequence<kTopicCount>());
    return table;
}

class TreeDispatch : public ShellTest {
  protected:
    void SetUp() override {
        opened = {};
        OpenWindow(TestTable());
        Tree().setEnabled(true);
    }
    QTreeWidgetItem* Item(const QString& text) {
        const auto found = Tree().findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return found.size() == 1 ? found.front() : nullptr;
    }
    void Choose(QTreeWidgetItem* item) {
        Tree().scrollToItem(item);
        const QRect rect = Tree().visualItemRect(item);
        QTest::mouseClick(Tree().viewport(), Qt::LeftButton, {}, rect.center());
        QTest::qWait(1);
    }
};

TEST_F(TreeDispatch, ItemsStandInDisplayOrderWithCollapsedGroups) {
    QStringList top;
    for (int k = 0; k < Tree().topLevelItemCount(); ++k)
        top << Tree().topLevelItem(k)->text(0);
    EXPECT_EQ(top,
              (QStringList{"BUSY-Konfiguration", "Squelchkonfiguration", "Funkkreiskonfiguration",
                           "TX Konfiguration", "Duplexkonfiguration", "NF-Eingangskonfiguration",
                           "Hörer-/LS-Konfiguration (+TETRA)", "Tonbandrelais Konfiguration",
                           "Headset Konfiguration", "Sendereinstellungen", "Tastenfunktionen",
                           "Tonrufauswertung", "Ausgabepegel", "Eingangsverstärkung",
                           "Einzelnes Register lesen/schreiben"}));
    auto children = [](QTreeWidgetItem* group) {
        QStringList texts;
        for (int k = 0; k < group->childCount(); ++k)
            texts << group->child(k)->text(0);
        return texts;
    };
    EXPECT_EQ(children(Tree().topLevelItem(0)),
              (QStringList{"BUSY Ausgang Konfiguration", "BUSY Eingang Konfiguration"}));
    EXPECT_EQ(children(Tree().topLevelItem(5)),
              (QStringList{"NF zum Lautsprecher", "NF zum Hörer", "NF zum Tonband",
                           "Geräuschunterdrückung (NF-Mute)"}));
    for (int k = 0; k < Tree().topLevelItemCount(); ++k)
        EXPECT_FALSE(Tree().topLevelItem(k)->isExpanded());
    EXPECT_TRUE(Tree().rootIsDecorated());
}

TEST_F(TreeDispatch, DispatchTableComparesTheTopicsInTheirOrder) {
    QStringList texts;
    for (const Topic& topic : DispatchTable())
        texts << QString::fromUtf8(topic.text);
    EXPECT_EQ(texts,
              (QStringList{"Squelchkonfiguration", "Funkkreiskonfiguration",
                           "BUSY Ausgang Konfiguration", "BUSY Eingang Konfiguration",
                           "TX Konfiguration", "Duplexkonfiguration", "NF zum Lautsprecher",
                           "NF zum Hörer", "NF zum Tonband", "Geräuschunterdrückung (NF-Mute)",
                           "Tonbandrelais Konfiguration", "Headset Konfiguration",
                           "Sendereinstellungen", "Einzelnes Register lesen/schreiben",
                           "Hörer-/LS-Konfiguration (+TETRA)", "Tastenfunktionen",
                           "Tonrufauswertung", "Ausgabepegel", "Eingangsverstärkung"}));
    EXPECT_EQ(FindPage(DispatchTable(), "Einzelnes Register lesen/schreiben"),
              &MakePage<EinzelnesRegister>);
}

TEST_F(TreeDispatch, MatchingIsExactAndCaseSensitive) {
    EXPECT_NE(FindPage(TestTable(), "Ausgabepegel"), nullptr);
    EXPECT_EQ(FindPage(TestTable(), "ausgabepegel"), nullptr);
    EXPECT_EQ(FindPage(TestTable(), "Ausgabepegel "), nullptr);
    EXPECT_EQ(FindPage(TestTable(), "Ausgabe"), nullptr);
    EXPECT_EQ(FindPage(TestTable(), ""), nullptr);
}

TEST_F(TreeDispatch, EveryTopicOpensItsPageOnceAndTheSelectionIsCleared) {
    Tree().expandAll();
    for (std::size_t k = 0; k < kTopicCount; ++k) {
        QTreeWidgetItem* item = Item(QString::fromUtf8(TestTable()[k].text));
        ASSERT_NE(item, nullptr) << TestTable()[k].text;
        opened.topics.clear();
        Choose(item);
        EXPECT_EQ(opened.topics, std::vector<int>{static_cast<int>(k)}) << TestTable()[k].text;
        EXPECT_TRUE(Tree().selectedItems().isEmpty());
    }
    EXPECT_EQ(opened.destroyed, static_cast<int>(kTopicCount));
    EXPECT_EQ(opened.image, &Image());
    EXPECT_EQ(opened.ui, &ui_);
}

TEST_F(TreeDispatch, TheSameTopicCanBeChosenAgainAtOnce) {
    QTreeWidgetItem* item = Item("Ausgabepegel");
    Choose(item);
    Choose(item);
    EXPECT_EQ(opened.topics.size(), 2u);
}

TEST_F(TreeDispatch, KeyboardSelectionOpensToo) {
    Tree().setFocus();
    Tree().setCurrentItem(Item("Squelchkonfiguration"), 0, QItemSelectionModel::NoUpdate);
    QTest::keyClick(&Tree(), Qt::Key_Down);
    QTest::qWait(1);
    EXPECT_EQ(opened.topics, std::vector<int>{1});  // "Funkkreiskonfiguration"
    EXPECT_TRUE(Tree().selectedItems().isEmpty());
}

TEST_F(TreeDispatch, GroupsOpenNothingAndLeaveNoSelection) {
    for (const char* group : {"BUSY-Konfiguration", "NF-Eingangskonfiguration"}) {
        Choose(Item(group));
        EXPECT_TRUE(opened.topics.empty()) << group;
        EXPECT_TRUE(Tree().selectedItems().isEmpty());
    }
}

TEST_F(TreeDispatch, TopicsWithoutABuiltPageOpenNothing) {
    static const std::array<Topic, 1> table{Topic{"Ausgabepegel", nullptr}};
    OpenWindow(table);
    Tree().setEnabled(true);
    Choose(Item("Ausgabepegel"));
    EXPECT_TRUE(opened.topics.empty());
    EXPECT_TRUE(Tree().selectedItems().isEmpty());
}

TEST_F(TreeDispatch, PagesDoNotOpenWhileATransferHoldsTheImage) {
    AddUnit();
    OpenWindow(TestTable());
    Button("Lesen").click();
    ASSERT_TRUE(Window().TransferRunning());
    EXPECT_FALSE(Tree().isEnabled());
    ASSERT_TRUE(WaitForTransferEnd());
    Choose(Item("Ausgabepegel"));
    EXPECT_EQ(opened.topics, std::vector<int>{17});
}

TEST_F(TreeDispatch, TheSingleRegisterTopicOpensItsDialogOnTheImage) {
    OpenWindow();
    Tree().setEnabled(true);
    QString title;
    OnNextModal([&title](QWidget& dialog) {
        title = dialog.windowTitle();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    Choose(Item("Einzelnes Register lesen/schreiben"));
    EXPECT_TRUE(QTest::qWaitFor([&title] { return !title.isEmpty(); }, 2000));
    EXPECT_EQ(title, "Einzelnes Register Lesen/ Schreiben");
}

// The production table: choosing any topic runs its own page modally on the window's image, and
// no topic is left without one.
TEST_F(TreeDispatch, ProductionTreeOpensEveryPage) {
    OpenWindow();
    Tree().setEnabled(true);
    const std::pair<QString, const QMetaObject*> pages[] = {
        {"Funkkreiskonfiguration", &Funkkreiskonfiguration::staticMetaObject},
        {"Squelchkonfiguration", &Squelchkonfiguration::staticMetaObject},
        {"Tonrufauswertung", &Tonrufauswertung::staticMetaObject},
        {"Tastenfunktionen", &Tastenfunktionen::staticMetaObject},
        {"Einzelnes Register lesen/schreiben", &EinzelnesRegister::staticMetaObject},
        {"BUSY Ausgang Konfiguration", &BUSYOutKonfig::staticMetaObject},
        {"BUSY Eingang Konfiguration", &BUSYInKonfig::staticMetaObject},
        {"TX Konfiguration", &TXKonfig::staticMetaObject},
        {"Duplexkonfiguration", &DuplexKonfig::staticMetaObject},
        {"Geräuschunterdrückung (NF-Mute)", &NFMute::staticMetaObject},
        {"Tonbandrelais Konfiguration", &TonbandrelaisKonfig::staticMetaObject},
        {"Headset Konfiguration", &HeadsetKonfig::staticMetaObject},
        {"Sendereinstellungen", &Sendezeitbegrenzung::staticMetaObject},
        {"NF zum Lautsprecher", &NFKonfig::staticMetaObject},
        {"NF zum Hörer", &NFKonfigHoerer::staticMetaObject},
        {"NF zum Tonband", &NFKonfigTonband::staticMetaObject},
        {"Hörer-/LS-Konfiguration (+TETRA)", &HoererLSKonfig::staticMetaObject},
        {"Ausgabepegel", &Ausgabepegel::staticMetaObject},
        {"Eingangsverstärkung", &Eingangsverstaerkung::staticMetaObject},
    };
    ASSERT_EQ(std::size(pages), DispatchTable().size());
    for (const Topic& topic : DispatchTable())
        EXPECT_NE(topic.factory, nullptr) << topic.text;
    for (const auto& [topic, page] : pages) {
        QString shownClass;
        OnNextModal([&shownClass](QWidget& modal) {
            shownClass = modal.metaObject()->className();
            QTest::keyClick(&modal, Qt::Key_Escape);
        });
        Choose(Item(topic));
        EXPECT_EQ(shownClass, page->className()) << topic.toStdString();
        EXPECT_TRUE(Tree().selectedItems().isEmpty());
    }
    EXPECT_FALSE(Image().changed);
}

}  // namespace
}  // namespace orvan::test
