// What a desktop tool remembers and shows: the file given at start or dropped on the window, the
// recent files, the port and folders used last, and the open file and its changes in the title.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWindow>

#include "ShellTestSupport.h"
#include "app/ConfigurationTree.h"
#include "app/ShellTexts.h"
#include "core/RegisterFile.h"

namespace orvan::test {
namespace {

class Desktop : public ShellTest {
  protected:
    QString Shown() { return Window().windowHandle()->title(); }
    QString File(const QString& name) { return QString::fromStdString(WriteRegisterFile(name)); }
    void Open(const QString& path) {
        ui_.openPaths.push_back(path);
        Action("Ö&ffnen ...").trigger();
    }
    // Drops urls on the window as a file manager would; true when the window took them.
    bool Drop(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPoint inside = Window().rect().center();
        QDragEnterEvent enter(inside, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&Window(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(inside), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&Window(), &drop);
        QTest::qWait(1);
        return true;
    }
    QMenu& RecentMenu() {
        for (QMenu* menu : Window().findChildren<QMenu*>())
            if (menu->title() == kRecentFilesMenu)
                return *menu;
        throw std::runtime_error("no recent files menu");
    }
    QStringList RecentEntries() {
        QStringList texts;
        for (QAction* action : RecentMenu().actions())
            texts << action->text();
        return texts;
    }
};

TEST_F(Desktop, StartArgumentLoadsLikeOpenOrSaysWhyNot) {
    struct Case {
        const char* name;
        bool valid;
    };
    for (const Case& c : {Case{"leitstelle-nord.rvx2a2", true}, Case{"fehlt.rvx2a2", false}}) {
        SCOPED_TRACE(c.name);
        ui_.messages.clear();
        const QString path = c.valid ? File(c.name) : FilePath(c.name);
        OpenWindow();
        Window().OpenAtStart(path);
        EXPECT_EQ(On("Senden"), c.valid);
        EXPECT_EQ(Tree().isEnabled(), c.valid);
        EXPECT_EQ(Image().Value(7), c.valid ? "00000007" : "00000000");
        if (c.valid) {
            EXPECT_TRUE(ui_.messages.empty());
            EXPECT_EQ(Shown(), QString::fromUtf8("leitstelle-nord.rvx2a2 – ") + kProgramTitle);
        } else {
            ASSERT_EQ(ui_.messages.size(), 1u);
            EXPECT_TRUE(ui_.messages[0].text.startsWith(kOpenFailedText));
            EXPECT_TRUE(ui_.messages[0].text.contains(path));
            EXPECT_EQ(Shown(), kProgramTitle);
        }
    }
}

TEST_F(Desktop, TitleMarksEveryChangeOfTheImage) {
    AddUnit();
    OpenWindow();
    EXPECT_EQ(Shown(), kProgramTitle);
    Open(File("anlage.rvx2a2"));
    const QString clean = QString::fromUtf8("anlage.rvx2a2 – ") + kProgramTitle;
    const QString marked = QString::fromUtf8("anlage.rvx2a2* – ") + kProgramTitle;
    EXPECT_EQ(Shown(), clean);
    EXPECT_EQ(Window().windowFilePath(), FilePath("anlage.rvx2a2"));

    OnNextModal([](QWidget& page) { FindByText<QPushButton>(page, "OK")->click(); });
    emit Window().findChild<ConfigurationTree*>()->topicChosen("Funkkreiskonfiguration");
    EXPECT_EQ(Shown(), marked);
    Action("&Speichern ").trigger();
    EXPECT_EQ(Shown(), clean);

    Button("Lesen").click();
    ASSERT_TRUE(WaitForTransferEnd());
    EXPECT_EQ(Shown(), marked);
    Action("&Neu").trigger();
    EXPECT_EQ(Shown(), kProgramTitle);
}

TEST_F(Desktop, DropOpensOneLocalFileAfterAskingAboutChanges) {
    OpenWindow();
    const QString first = File("erste.rvx2a2");
    EXPECT_FALSE(Drop({QUrl("https://example.org/a.rvx2a2")}));
    EXPECT_FALSE(Drop({QUrl::fromLocalFile(first), QUrl::fromLocalFile(first)}));
    ASSERT_TRUE(Drop({QUrl::fromLocalFile(first)}));
    EXPECT_EQ(Image().fileName, first.toStdString());
    EXPECT_TRUE(On("Senden"));
    EXPECT_TRUE(ui_.messages.empty());

    // Unsaved changes: "Ja" saves them into the open file first.
    Image().changed = true;
    Image().SetValue(3, "ABCDEF01");
    ui_.answers = {MessageAnswer::Yes};
    ASSERT_TRUE(Drop({QUrl::fromLocalFile(File("zweite.rvx2a2"))}));
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text, kReplaceQuestion);
    EXPECT_EQ(Image().fileName, FilePath("zweite.rvx2a2").toStdString());
    Register saved;
    saved.fileName = first.toStdString();
    ASSERT_TRUE(LoadFromFile(saved).Succeeded());
    EXPECT_EQ(saved.Value(3), "ABCDEF01");

    // Without a file, "Ja" with a cancelled save dialog keeps them; "Nein" gives them up.
    Action("&Neu").trigger();
    Image().changed = true;
    Image().SetValue(3, "ABCDEF01");
    ui_.answers = {MessageAnswer::Yes};
    ASSERT_TRUE(Drop({QUrl::fromLocalFile(first)}));
    EXPECT_EQ(Image().Value(3), "ABCDEF01");
    EXPECT_TRUE(Image().fileName.empty());
    ASSERT_TRUE(Drop({QUrl::fromLocalFile(first)}));
    EXPECT_EQ(Image().fileName, first.toStdString());
    EXPECT_EQ(ui_.messages.size(), 3u);
}

TEST_F(Desktop, RecentFilesNewestFirstAtMostEightAndGoneOnesRemoved) {
    OpenWindow();
    EXPECT_FALSE(RecentMenu().isEnabled());
    for (int k = 1; k <= 9; ++k)
        Open(File(QString("datei%1.rvx2a2").arg(k)));
    ui_.savePaths.push_back(FilePath("gespeichert.rvx2a2"));
    Action("Speichern &unter ...").trigger();
    Open(FilePath("datei8.rvx2a2"));
    EXPECT_EQ(RecentEntries(),
              (QStringList{"&1 datei8.rvx2a2", "&2 gespeichert.rvx2a2", "&3 datei9.rvx2a2",
                           "&4 datei7.rvx2a2", "&5 datei6.rvx2a2", "&6 datei5.rvx2a2",
                           "&7 datei4.rvx2a2", "&8 datei3.rvx2a2"}));

    // Kept for the next run, and an entry opens its file.
    OpenWindow();
    ASSERT_EQ(RecentEntries().size(), 8);
    RecentMenu().actions().at(2)->trigger();
    EXPECT_EQ(Image().fileName, FilePath("datei9.rvx2a2").toStdString());
    EXPECT_TRUE(On("Senden"));
    EXPECT_EQ(RecentEntries().front(), "&1 datei9.rvx2a2");

    ASSERT_TRUE(QFile::remove(FilePath("datei7.rvx2a2")));
    ui_.messages.clear();
    RecentMenu().actions().at(3)->trigger();
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text,
              QString(kRecentFileGoneText) + "\n" + FilePath("datei7.rvx2a2"));
    EXPECT_EQ(Image().fileName, FilePath("datei9.rvx2a2").toStdString());
    EXPECT_FALSE(RecentEntries().join(' ').contains("datei7"));
    EXPECT_EQ(RecentEntries().size(), 7);
}

TEST_F(Desktop, BackupOpenedCountsAsRecentFile) {
    QDir().mkpath(BackupFolder());
    const QString backup = QDir(BackupFolder()).filePath("2026-12-08_gelesen_COM3.rvx2a2");
    ASSERT_TRUE(QFile::copy(File("quelle.rvx2a2"), backup));
    OpenWindow();
    ui_.openPaths.push_back(backup);
    Action(kOpenBackupsItem).trigger();
    EXPECT_EQ(RecentEntries(), QStringList{"&1 2026-12-08_gelesen_COM3.rvx2a2"});
}

TEST_F(Desktop, PortUsedLastIsChosenAgainWhenListed) {
    const std::string first = AddUnit();
    const std::string second = AddUnit();
    OpenWindow();
    ASSERT_EQ(Window().CurrentPort(), first);
    ChooseInList(1);
    ASSERT_EQ(Window().CurrentPort(), second);

    OpenWindow();
    EXPECT_EQ(Window().CurrentPort(), second);
    EXPECT_EQ(Selector().currentIndex(), 1);

    RemoveUnit(1);
    OpenWindow();
    EXPECT_EQ(Window().CurrentPort(), first);
    EXPECT_EQ(Selector().currentIndex(), 0);
}

TEST_F(Desktop, FileDialogsStartWhereTheirKindWasChosenLast) {
    OpenWindow();
    QDir().mkpath(FilePath("anlagen"));
    QDir().mkpath(FilePath("protokolle"));
    Open(QString::fromStdString(WriteRegisterFile("anlagen/a.rvx2a2")));
    ui_.savePaths.push_back(FilePath("protokolle/spur.txt"));
    Action(kTraceItemText).trigger();
    Action("Speichern &unter ...").trigger();
    Action(kOpenBackupsItem).trigger();
    Action(kTraceItemText).trigger();  // off
    Action(kTraceItemText).trigger();
    ASSERT_EQ(ui_.fileRequests.size(), 5u);
    EXPECT_EQ(ui_.fileRequests[0].folder, QString());
    EXPECT_EQ(ui_.fileRequests[2].folder, FilePath("anlagen"));  // save as: register files
    EXPECT_EQ(ui_.fileRequests[3].folder, BackupFolder());
    EXPECT_EQ(ui_.fileRequests[4].folder, FilePath("protokolle"));
}

}  // namespace
}  // namespace orvan::test
