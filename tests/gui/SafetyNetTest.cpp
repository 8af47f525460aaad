// Backups of every read and send, and the trace of the serial traffic, through the main window.
#include <QDir>
#include <QFile>

#include "ShellTestSupport.h"
#include "app/ShellTexts.h"
#include "core/RegisterFile.h"
#include "link/DeviceMessages.h"

namespace orvan::test {
namespace {

class SafetyNet : public ShellTest {
  protected:
    void Transfer(const QString& button) {
        Button(button).click();
        ASSERT_TRUE(WaitForTransferEnd());
    }
    QStringList Backups() {
        return QDir(BackupFolder()).entryList({"*.rvx2a2"}, QDir::Files, QDir::Name);
    }
    QByteArray Contents(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    QByteArray Backup(const QString& name) { return Contents(QDir(BackupFolder()).filePath(name)); }
    QByteArray ImageFile() { return QByteArray::fromStdString(RegisterFileText(Image())); }
};

TEST_F(SafetyNet, ReadAndSendEachLeaveOneBackupOfTheirImage) {
    const QString port = QString::fromStdString(PortDisplayName(AddUnit()));
    Unit().SetRegisterValue(7, "0000abcd");
    OpenWindow();
    Transfer("Lesen");
    ASSERT_TRUE(ui_.messages.empty());
    QStringList names = Backups();
    ASSERT_EQ(names.size(), 1);
    EXPECT_TRUE(names[0].endsWith("_gelesen_" + port + ".rvx2a2")) << names[0].toStdString();
    EXPECT_EQ(Backup(names[0]), ImageFile());
    EXPECT_TRUE(Backup(names[0]).contains("R007 0000ABCD\r\n"));
    EXPECT_TRUE(Image().fileName.empty());
    EXPECT_TRUE(Image().changed);

    Image().SetValue(9, "12345678");
    Transfer("Senden");
    ASSERT_TRUE(ui_.messages.empty());
    names = Backups();
    ASSERT_EQ(names.size(), 2);
    names.removeAll(Backups().filter("_gelesen_").front());
    EXPECT_TRUE(names[0].endsWith("_gesendet_" + port + ".rvx2a2")) << names[0].toStdString();
    EXPECT_EQ(Backup(names[0]), ImageFile());
    EXPECT_TRUE(Backup(names[0]).contains("R009 12345678\r\n"));
    EXPECT_TRUE(Image().fileName.empty());
}

TEST_F(SafetyNet, BackupThatCannotBeWrittenWarnsOnceAndTheReadStands) {
    AddUnit();
    OpenWindow();
    QFile blocker(BackupFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Transfer("Lesen");
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].caption, "");
    EXPECT_EQ(ui_.messages[0].icon, MessageIcon::Warning);
    const QStringList lines = ui_.messages[0].text.split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], kBackupFailedText);
    EXPECT_TRUE(lines[1].startsWith(BackupFolder())) << lines[1].toStdString();
    EXPECT_FALSE(lines[2].isEmpty());
    EXPECT_TRUE(On("Senden"));
    EXPECT_TRUE(Tree().isEnabled());
    EXPECT_TRUE(Image().changed);
    EXPECT_EQ(Image().Value(0), Unit().RegisterValue(0));
}

TEST_F(SafetyNet, FailedReadLeavesNoBackup) {
    AddUnit({.fault = sim::Fault::MissingReply, .faultAfter = 10});
    OpenWindow();
    Transfer("Lesen");
    ASSERT_EQ(ui_.Texts(), QStringList{kIncompleteReplyText});
    EXPECT_EQ(ui_.messages[0].caption, kErrorCaption);
    EXPECT_EQ(ui_.messages[0].icon, MessageIcon::Error);
    EXPECT_FALSE(On("Senden"));
    EXPECT_EQ(Image().Value(0), "00000000");
    EXPECT_TRUE(Backups().isEmpty());
}

TEST_F(SafetyNet, OpenBackupsStartsTheOpenDialogInTheBackupFolder) {
    AddUnit();
    OpenWindow();
    Transfer("Lesen");
    ASSERT_FALSE(Backups().isEmpty()) << ui_.Texts().join(" | ").toStdString();
    const QString backup = QDir(BackupFolder()).filePath(Backups().front());
    Action("&Neu").trigger();
    ui_.openPaths.push_back(backup);
    Action(kOpenBackupsItem).trigger();
    ASSERT_EQ(ui_.fileRequests.size(), 1u);
    EXPECT_FALSE(ui_.fileRequests[0].save);
    EXPECT_EQ(QDir(ui_.fileRequests[0].folder), QDir(BackupFolder()));
    EXPECT_EQ(ui_.fileRequests[0].filter, kFileFilter);
    EXPECT_EQ(Image().fileName, backup.toStdString());
    EXPECT_EQ(Image().Value(0), Unit().RegisterValue(0));
    EXPECT_TRUE(On("Senden"));
    EXPECT_TRUE(Tree().isEnabled());
    EXPECT_EQ(Backups().size(), 1);
}

TEST_F(SafetyNet, TraceRecordsFromCheckingToUnchecking) {
    AddUnit();
    OpenWindow();
    QAction& item = Action(kTraceItemText);
    ASSERT_TRUE(item.isCheckable());
    const QString file = FilePath("trace.txt");
    ui_.savePaths.push_back(file);
    item.trigger();
    EXPECT_TRUE(item.isChecked());
    ASSERT_EQ(ui_.fileRequests.size(), 1u);
    EXPECT_TRUE(ui_.fileRequests[0].save);
    EXPECT_EQ(ui_.fileRequests[0].suffix, "txt");
    Transfer("Lesen");
    item.trigger();
    EXPECT_FALSE(item.isChecked());
    const QByteArray recorded = Contents(file);
    EXPECT_EQ(recorded.count(">> $R"), 300);
    EXPECT_TRUE(recorded.contains(">> $R299\\r\n"));
    EXPECT_TRUE(recorded.contains("<< #VEXA"));

    Transfer("Lesen");
    EXPECT_EQ(Contents(file), recorded);
    EXPECT_TRUE(ui_.messages.empty());
}

TEST_F(SafetyNet, TraceFileThatCannotBeCreatedIsReportedAndTheItemStaysOff) {
    OpenWindow();
    QAction& item = Action(kTraceItemText);
    item.trigger();  // dialog cancelled
    EXPECT_FALSE(item.isChecked());
    EXPECT_TRUE(ui_.messages.empty());

    const QString file = FilePath("missing-folder/trace.txt");
    ui_.savePaths.push_back(file);
    item.trigger();
    EXPECT_FALSE(item.isChecked());
    ASSERT_EQ(ui_.messages.size(), 1u);
    EXPECT_EQ(ui_.messages[0].caption, kErrorCaption);
    EXPECT_EQ(ui_.messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(ui_.messages[0].text.startsWith(QString(kTraceFailedText) + "\n" + file));
}

}  // namespace
}  // namespace orvan::test
