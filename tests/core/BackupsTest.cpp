#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "TestFiles.h"
#include "core/Backups.h"
#include "core/RegisterFile.h"

namespace orvan {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

// 2026-12-08 14:03:27 in this machine's local time.
std::chrono::system_clock::time_point Moment(int second = 27) {
    std::tm local{};
    local.tm_year = 2026 - 1900;
    local.tm_mon = 11;
    local.tm_mday = 8;
    local.tm_hour = 14;
    local.tm_min = 3;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::chrono::system_clock::from_time_t(std::mktime(&local));
}

TEST(Backups, NamesSayWhenWhatAndWhichPort) {
    const struct {
        BackupKind kind;
        const char* port;
        const char* name;
    } rows[] = {
        {BackupKind::Read, "\\\\.\\COM3", "2026-12-08_14-03-27_gelesen_COM3"},
        {BackupKind::Sent, "\\\\.\\COM12", "2026-12-08_14-03-27_gesendet_COM12"},
        {BackupKind::Read, "/dev/ttyUSB0", "2026-12-08_14-03-27_gelesen_ttyUSB0"},
        {BackupKind::Sent, "/dev/pts/3", "2026-12-08_14-03-27_gesendet_pts-3"},
        {BackupKind::Read, "", "2026-12-08_14-03-27_gelesen_Port"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(BackupBaseName(row.kind, row.port, Moment()), row.name) << row.port;
}

TEST(Backups, BackupHoldsTheImageAsARegisterFileAndLeavesTheImageAlone) {
    TempFolder folder;
    Register image;
    image.SetValue(0, "abcdef01");
    image.SetValue(299, "123456789");
    image.fileName = "/somewhere/else.rvx2a2";
    image.changed = true;
    const fs::path into = folder.Path() / "new" / "Sicherungen";

    const BackupResult backup = SaveBackup(image, BackupKind::Sent, "\\\\.\\COM3", into, Moment());
    ASSERT_TRUE(backup.Succeeded()) << backup.reason;
    EXPECT_EQ(backup.path, into / "2026-12-08_14-03-27_gesendet_COM3.rvx2a2");
    const std::string bytes = ReadBytes(backup.path);
    EXPECT_EQ(bytes, RegisterFileText(image));
    EXPECT_NE(bytes.find("R000 ABCDEF01\r\n"), std::string::npos);
    EXPECT_EQ(image.Value(0), "abcdef01");
    EXPECT_EQ(image.fileName, "/somewhere/else.rvx2a2");
    EXPECT_TRUE(image.changed);
    EXPECT_EQ(static_cast<int>(std::distance(fs::directory_iterator(into), {})), 1);
}

TEST(Backups, BackupsOfTheSameSecondNeverReplaceEachOtherAndListInOrder) {
    TempFolder folder;
    Register image;
    std::vector<fs::path> written;
    written.push_back(SaveBackup(image, BackupKind::Read, "COM1", folder.Path(), Moment(26)).path);
    for (int k = 0; k < 3; ++k) {
        image.SetValue(0, std::to_string(k) + "0000000");
        const BackupResult backup =
            SaveBackup(image, BackupKind::Read, "COM1", folder.Path(), Moment());
        ASSERT_TRUE(backup.Succeeded()) << backup.reason;
        EXPECT_EQ(ReadBytes(backup.path), RegisterFileText(image));
        written.push_back(backup.path);
    }
    EXPECT_EQ(written[2].filename(), "2026-12-08_14-03-27_gelesen_COM1_2.rvx2a2");
    EXPECT_EQ(written[3].filename(), "2026-12-08_14-03-27_gelesen_COM1_3.rvx2a2");
    WriteBytes(folder.Path() / "notes.txt", "not a backup");
    EXPECT_EQ(ListBackups(folder.Path()), written);
    EXPECT_TRUE(ListBackups(folder.Path() / "missing").empty());
}

TEST(Backups, FolderThatCannotBeCreatedGivesAReason) {
    TempFolder folder;
    WriteBytes(folder.Path() / "blocked", "a file where the folder should be");
    const BackupResult backup =
        SaveBackup(Register(), BackupKind::Read, "COM1", folder.Path() / "blocked" / "Sicherungen");
    EXPECT_FALSE(backup.Succeeded());
    EXPECT_FALSE(backup.reason.empty());
    EXPECT_EQ(ReadBytes(folder.Path() / "blocked"), "a file where the folder should be");
}

TEST(Backups, DefaultFolderFollowsTheDataHome) {
    const char* data = std::getenv("XDG_DATA_HOME");
    const std::string saved = data != nullptr ? data : "";
    setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(DefaultBackupFolder(), fs::path("/data/home/orvan2a/Sicherungen"));
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(DefaultBackupFolder(),
              fs::path(std::getenv("HOME")) / ".local/share/orvan2a/Sicherungen");
    if (data != nullptr)
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
}

}  // namespace
}  // namespace orvan
