#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/resource.h>
#include <unistd.h>

#include "TestFiles.h"
#include "core/RegisterFile.h"

namespace orvan {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

constexpr std::size_t kFileSize = 4510;

TEST(RegisterFileWrite, FreshImageGivesTheExactBytes) {
    TempFolder folder;
    Register image;
    image.fileName = folder.File("fresh.rvx2a2");

    const FileResult result = SaveToFile(image);

    ASSERT_EQ(result.status, FileResult::Status::Ok) << result.reason;
    const std::string bytes = ReadBytes(image.fileName);
    ASSERT_EQ(bytes.size(), kFileSize);
    EXPECT_EQ(bytes.substr(0, 10), "R       \r\n");
    EXPECT_EQ(bytes.substr(10, 15), "R000 00000000\r\n");
    EXPECT_EQ(bytes.substr(10 + 42 * 15, 15), "R042 00000000\r\n");
    EXPECT_EQ(bytes.substr(kFileSize - 15), "R299 00000000\r\n");
    test::Values zeros;
    zeros.fill("00000000");
    EXPECT_EQ(bytes, test::CurrentForm(zeros));
}

TEST(RegisterFileWrite, EveryRegisterLandsOnItsOwnLine) {
    TempFolder folder;
    Register image;
    image.fileName = folder.File("values.rvx2a2");
    const test::Values values = test::DistinctValues();
    for (int n = 0; n < kRegisterCount; ++n) {
        image.SetValue(n, values[n]);
    }
    image.SetValue(12, "0001A000");

    ASSERT_TRUE(SaveToFile(image).Succeeded());

    const std::string bytes = ReadBytes(image.fileName);
    EXPECT_EQ(bytes.substr(10 + 12 * 15, 15), "R012 0001A000\r\n");
    test::Values expected = values;
    expected[12] = "0001A000";
    EXPECT_EQ(bytes, test::CurrentForm(expected));
}

TEST(RegisterFileWrite, ValuesAreUpperCasedInTheFileAndInTheImage) {
    TempFolder folder;
    Register image;
    image.fileName = folder.File("lower.rvx2a2");
    image.SetValue(3, "00ab0000");
    image.SetValue(4, "zz-\xe4");

    ASSERT_TRUE(SaveToFile(image).Succeeded());

    const std::string bytes = ReadBytes(image.fileName);
    EXPECT_EQ(bytes.substr(10 + 3 * 15, 15), "R003 00AB0000\r\n");
    EXPECT_EQ(bytes.substr(10 + 4 * 15, 11), "R004 ZZ-\xe4\r\n");
    EXPECT_EQ(image.Value(3), "00AB0000");
    EXPECT_EQ(image.Value(4), "ZZ-\xe4");
}

TEST(RegisterFileWrite, ValuesOfOtherLengthsAreWrittenAsTheyStand) {
    TempFolder folder;
    Register image;
    image.fileName = folder.File("lengths.rvx2a2");
    image.SetValue(0, "");
    image.SetValue(1, "123456789");

    ASSERT_TRUE(SaveToFile(image).Succeeded());

    const std::string bytes = ReadBytes(image.fileName);
    EXPECT_EQ(bytes.size(), kFileSize - 8 + 1);
    EXPECT_EQ(bytes.substr(10, 7), "R000 \r\n");
    EXPECT_EQ(bytes.substr(17, 16), "R001 123456789\r\n");
}

TEST(RegisterFileWrite, ReplacesALongerFileCompletelyAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const std::string path = folder.File("old.rvx2a2");
    WriteBytes(path, std::string(20000, 'x'));
    Register image;
    image.fileName = path;

    ASSERT_TRUE(SaveToFile(image).Succeeded());

    EXPECT_EQ(fs::file_size(path), kFileSize);
    EXPECT_EQ(folder.EntryCount(), 1);
}

TEST(RegisterFileWrite, ReplacedFileKeepsItsAccessRights) {
    TempFolder folder;
    const std::string path = folder.File("private.rvx2a2");
    WriteBytes(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    Register image;
    image.fileName = path;

    ASSERT_TRUE(SaveToFile(image).Succeeded());

    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(RegisterFileWrite, MissingFolderFailsWithAReasonAndCreatesNothing) {
    TempFolder folder;
    Register image;
    image.fileName = folder.File("missing/file.rvx2a2");
    image.SetValue(0, "0000000a");

    const FileResult result = SaveToFile(image);

    EXPECT_EQ(result.status, FileResult::Status::Failed);
    EXPECT_EQ(result.reason, "Ordner nicht gefunden");
    EXPECT_EQ(folder.EntryCount(), 0);
    EXPECT_EQ(image.Value(0), "0000000a") << "a failed save changes nothing";
}

TEST(RegisterFileWrite, TargetThatIsAFolderFailsAndStaysAFolder) {
    TempFolder folder;
    const std::string path = folder.File("folder.rvx2a2");
    fs::create_directory(path);
    Register image;
    image.fileName = path;

    const FileResult result = SaveToFile(image);

    EXPECT_EQ(result.status, FileResult::Status::Failed);
    EXPECT_EQ(result.reason, "Der Pfad bezeichnet einen Ordner");
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(folder.EntryCount(), 1);
}

TEST(RegisterFileWrite, EmptyFileNameFails) {
    Register image;
    const FileResult result = SaveToFile(image);
    EXPECT_EQ(result.status, FileResult::Status::Failed);
    EXPECT_FALSE(result.reason.empty());
}

// A write that breaks off half-way (disk full, quota) must not damage the previous file. The
// file size limit makes the write fail for root too.
TEST(RegisterFileWrite, WriteFailureKeepsThePreviousFileAndNoTemporaryFile) {
    TempFolder folder;
    const std::string path = folder.File("keep.rvx2a2");
    const std::string previous = "R       \r\nR000 12345678\r\n";
    WriteBytes(path, previous);
    Register image;
    image.fileName = path;

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult result = SaveToFile(image);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result.status, FileResult::Status::Failed);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_EQ(folder.EntryCount(), 1);
}

TEST(RegisterFileWrite, ReadOnlyFolderFailsWithoutPermission) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes into read-only folders";
    }
    TempFolder folder;
    const std::string path = folder.File("locked.rvx2a2");
    WriteBytes(path, "old");
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    Register image;
    image.fileName = path;

    const FileResult result = SaveToFile(image);

    EXPECT_EQ(result.status, FileResult::Status::Failed);
    EXPECT_EQ(result.reason, "Keine Berechtigung");
    EXPECT_EQ(ReadBytes(path), "old");
}

TEST(RegisterFileWrite, SavedFileLoadsBackToTheSameImage) {
    TempFolder folder;
    Register image;
    image.fileName = folder.File("round.rvx2a2");
    const test::Values values = test::DistinctValues();
    for (int n = 0; n < kRegisterCount; ++n) {
        image.SetValue(n, values[n]);
    }
    image.SetValue(100, "123456789");
    ASSERT_TRUE(SaveToFile(image).Succeeded());

    Register loaded;
    loaded.fileName = image.fileName;
    const FileResult result = LoadFromFile(loaded);

    EXPECT_EQ(result.status, FileResult::Status::Ok) << result.reason;
    for (int n = 0; n < kRegisterCount; ++n) {
        EXPECT_EQ(loaded.Value(n), image.Value(n)) << "register " << n;
    }
}

}  // namespace
}  // namespace orvan
