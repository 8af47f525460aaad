// The "Datei" menu and the exit procedure, with the file dialogs and questions scripted.
#include <QDir>
#include <QFile>

#include "ShellTestSupport.h"
#include "app/ShellTexts.h"
#include "core/RegisterFile.h"

namespace orvan::test {
namespace {

class FileCommandsTest : public ShellTest {
  protected:
    void SetUp() override {
        OpenWindow();
        ui_.messages.clear();
    }
    void Trigger(const char* item) { Action(item).trigger(); }
    QString Unwritable() { return FilePath("missing-folder/image.rvx2a2"); }
    static QByteArray Contents(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    bool Ended() { return !Window().isVisible(); }
};

TEST_F(FileCommandsTest, MenuHoldsItsItemsInOrder) {
    QMenu* file = nullptr;
    for (QMenu* menu : Window().findChildren<QMenu*>())
        if (menu->title() == "&Datei")
            file = menu;
    ASSERT_NE(file, nullptr);
    QStringList items;
    for (QAction* action : file->actions())
        if (!action->isSeparator())
            items << action->text();
    EXPECT_EQ(items, (QStringList{"&Neu", "Ö&ffnen ...", "Zuletzt geöffnet",
                                  "Sicherungen öffnen...", "&Speichern ", "Speichern &unter ...",
                                  "Als Text e&xportieren...", "Text &importieren...", "&Beenden"}));
}

TEST_F(FileCommandsTest, NewDiscardsChangesWithoutAskingAndKeepsTheButtons) {
    ui_.openPaths.push_back(QString::fromStdString(WriteRegisterFile("a.rvx2a2")));
    Trigger("Ö&ffnen ...");
    Image().changed = true;
    Image().hasAfSquelch = true;
    Trigger("&Neu");
    EXPECT_TRUE(ui_.messages.empty());
    EXPECT_EQ(Image().Value(5), "00000000");
    EXPECT_TRUE(Image().fileName.empty());
    EXPECT_FALSE(Image().changed);
    EXPECT_FALSE(Image().hasAfSquelch);
    EXPECT_TRUE(On("Senden"));
    EXPECT_TRUE(Tree().isEnabled());
}

TEST_F(FileCommandsTest, OpenLoadsTheFileAndEnablesSendAndTree) {
    const std::string path = WriteRegisterFile("a.rvx2a2");
    ui_.openPaths.push_back(QString::fromStdString(path));
    Trigger("Ö&ffnen ...");
    EXPECT_EQ(ui_.openDialogs, 1);
    EXPECT_TRUE(ui_.messages.empty());
    EXPECT_EQ(Image().fileName, path);
    EXPECT_EQ(Image().Value(5), "00000005");
    EXPECT_FALSE(Image().changed);
    EXPECT_TRUE(On("Senden"));
    EXPECT_FALSE(On("Version des Orvans"));
    EXPECT_TRUE(Tree().isEnabled());
}

TEST_F(FileCommandsTest, CancelledOpenChangesNothing) {
    Trigger("Ö&ffnen ...");
    EXPECT_EQ(ui_.openDialogs, 1);
    EXPECT_FALSE(On("Senden"));
    EXPECT_FALSE(Tree().isEnabled());
}

TEST_F(FileCommandsTest, UnreadableFileIsReportedAndChangesNothing) {
    Image().SetValue(5, "ABCDEF01");
    Image().fileName = "/earlier/file.rvx2a2";
    const QString missing = FilePath("gone.rvx2a2");
    ui_.openPaths.push_back(missing);
    Trigger("Ö&ffnen ...");
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].caption, "Fehler");
    EXPECT_EQ(ui_.messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(
        ui_.messages[0].text.startsWith("Die Datei konnte nicht geöffnet werden:\n" + missing));
    EXPECT_EQ(Image().Value(5), "ABCDEF01");
    EXPECT_EQ(Image().fileName, "/earlier/file.rvx2a2");
    EXPECT_FALSE(On("Senden"));
    EXPECT_FALSE(Tree().isEnabled());
}

TEST_F(FileCommandsTest, TruncatedFileIsLoadedAndThenWarnedAbout) {
    const std::string path = WriteRegisterFile("short.rvx2a2", 100);
    ui_.openPaths.push_back(QString::fromStdString(path));
    Trigger("Ö&ffnen ...");
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(ui_.messages[0].text.contains(QString::fromStdString(path)));
    EXPECT_EQ(Image().Value(99), "00000099");
    EXPECT_EQ(Image().fileName, path);
    EXPECT_TRUE(On("Senden"));
}

TEST_F(FileCommandsTest, FirstSaveAsksReportsAfterWritingAndThenSavesSilently) {
    const QString path = FilePath("new.rvx2a2");
    ui_.savePaths.push_back(path);
    Image().SetValue(1, "0000abcd");
    Image().changed = true;
    Trigger("&Speichern ");
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].text, "gespeichert in: " + path);
    EXPECT_EQ(ui_.messages[0].caption, "");
    EXPECT_EQ(ui_.messages[0].icon, MessageIcon::None);
    EXPECT_EQ(Contents(path).size(), 4510);
    EXPECT_EQ(Image().Value(1), "0000ABCD");
    EXPECT_FALSE(Image().changed);

    Image().SetValue(2, "11111111");
    Image().changed = true;
    Trigger("&Speichern ");
    EXPECT_EQ(ui_.saveDialogs, 1);
    EXPECT_EQ(ui_.messages.size(), 1u);
    EXPECT_TRUE(Contents(path).contains("R002 11111111"));
    EXPECT_FALSE(Image().changed);
}

TEST_F(FileCommandsTest, FailedSaveIsReportedAndKeepsTheChanges) {
    ui_.savePaths.push_back(Unwritable());
    Image().changed = true;
    Trigger("&Speichern ");
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].caption, "Fehler");
    EXPECT_EQ(ui_.messages[0].icon, MessageIcon::Error);
    const QStringList lines = ui_.messages[0].text.split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "Die Datei konnte nicht gespeichert werden:");
    EXPECT_EQ(lines[1], Unwritable());
    EXPECT_FALSE(lines[2].isEmpty());
    EXPECT_TRUE(Image().changed);
    EXPECT_TRUE(Image().fileName.empty());  // the next save asks again
    Trigger("&Speichern ");
    EXPECT_EQ(ui_.saveDialogs, 2);
}

TEST_F(FileCommandsTest, FailedSaveToTheKnownFileIsReported) {
    const QString folder = FilePath("folder");
    QDir().mkpath(folder);
    Image().fileName = folder.toStdString();  // a folder cannot be replaced by the file
    Image().changed = true;
    Trigger("&Speichern ");
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_TRUE(ui_.messages[0].text.startsWith("Die Datei konnte nicht gespeichert werden:\n"));
    EXPECT_TRUE(Image().changed);
}

TEST_F(FileCommandsTest, CancelledSaveDialogsKeepTheChangedFlag) {
    Image().changed = true;
    Trigger("&Speichern ");
    Trigger("Speichern &unter ...");
    EXPECT_EQ(ui_.saveDialogs, 2);
    EXPECT_TRUE(ui_.messages.empty());
    EXPECT_TRUE(Image().changed);
}

TEST_F(FileCommandsTest, SaveAsWritesToTheChosenFileSilently) {
    const QString first = FilePath("first.rvx2a2");
    const QString second = FilePath("second.rvx2a2");
    Image().fileName = first.toStdString();
    Image().changed = true;
    ui_.savePaths.push_back(second);
    Trigger("Speichern &unter ...");
    EXPECT_TRUE(ui_.messages.empty());
    EXPECT_EQ(Contents(second).size(), 4510);
    EXPECT_FALSE(QFile::exists(first));
    EXPECT_EQ(Image().fileName, second.toStdString());
    EXPECT_FALSE(Image().changed);
}

TEST_F(FileCommandsTest, FailedSaveAsKeepsTheEarlierFileName) {
    Image().fileName = FilePath("first.rvx2a2").toStdString();
    Image().changed = true;
    ui_.savePaths.push_back(Unwritable());
    Trigger("Speichern &unter ...");
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(Image().fileName, FilePath("first.rvx2a2").toStdString());
    EXPECT_TRUE(Image().changed);
}

TEST_F(FileCommandsTest, ExitWithoutChangesEndsAtOnce) {
    Trigger("&Beenden");
    EXPECT_TRUE(ui_.messages.empty());
    EXPECT_TRUE(Ended());
}

TEST_F(FileCommandsTest, ExitWithChangesAsksAndNoEndsWithoutSaving) {
    Image().changed = true;
    ui_.answers.push_back(MessageAnswer::No);
    Trigger("&Beenden");
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].caption, "Änderungen Speichern");
    EXPECT_EQ(ui_.messages[0].text,
              "Wollen Sie vor dem Schließen der Anwendung die Änderungen speichern?");
    EXPECT_EQ(ui_.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(ui_.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(ui_.saveDialogs, 0);
    EXPECT_TRUE(Ended());
}

TEST_F(FileCommandsTest, ExitWithYesSavesAndEnds) {
    const QString path = FilePath("kept.rvx2a2");
    Image().changed = true;
    ui_.answers.push_back(MessageAnswer::Yes);
    ui_.savePaths.push_back(path);
    Trigger("&Beenden");
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(ui_.messages.back().text, "gespeichert in: " + path);
    EXPECT_TRUE(Ended());
}

TEST_F(FileCommandsTest, ExitWithYesStaysOpenWhenTheSaveDialogIsCancelled) {
    Image().changed = true;
    ui_.answers.push_back(MessageAnswer::Yes);
    Trigger("&Beenden");
    EXPECT_EQ(ui_.saveDialogs, 1);
    EXPECT_FALSE(Ended());
    EXPECT_TRUE(Image().changed);
}

TEST_F(FileCommandsTest, ExitWithYesStaysOpenWhenTheSaveFails) {
    Image().changed = true;
    ui_.answers.push_back(MessageAnswer::Yes);
    ui_.savePaths.push_back(Unwritable());
    Trigger("&Beenden");
    ASSERT_EQ(ui_.messages.size(), 2u);
    EXPECT_EQ(ui_.messages[1].caption, "Fehler");
    EXPECT_FALSE(Ended());
}

TEST_F(FileCommandsTest, EveryWayOfClosingRunsTheExitProcedure) {
    Image().changed = true;
    const auto asked = [this] { return ui_.Texts().count(kExitQuestion); };
    ui_.answers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes};

    Window().close();  // close box, Alt+F4
    QTest::keyClick(&Window(), Qt::Key_Escape);
    Tree().setEnabled(true);
    Tree().setFocus();
    QTest::keyClick(&Tree(), Qt::Key_Return);  // Enter with no push button focused
    QTest::keyClick(&Window(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(asked(), 4);
    EXPECT_FALSE(Ended());  // every save dialog was cancelled
    ui_.answers.push_back(MessageAnswer::No);
    Window().close();
    EXPECT_TRUE(Ended());
}

TEST_F(FileCommandsTest, EnterOnAFocusedButtonClicksIt) {
    for (QPushButton* button : Window().findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->autoDefault()) << button->text().toStdString();
        EXPECT_FALSE(button->isDefault()) << button->text().toStdString();
    }
    Button("Hilfe...").setFocus();
    QTest::keyClick(&Button("Hilfe..."), Qt::Key_Return);
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].caption, "Hilfe");
    EXPECT_FALSE(Ended());
}

}  // namespace
}  // namespace orvan::test
