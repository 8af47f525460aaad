#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "link/PortNamespace.h"

namespace orvan {
namespace {

namespace fs = std::filesystem;

class PortNamespaceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "orvan-names-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
};

TEST_F(PortNamespaceTest, DefaultTableAtItsBoundaries) {
    const PortNamespace names(folder.string());
    EXPECT_EQ(names.Resolve("\\\\.\\COM1"), "/dev/ttyS0");
    EXPECT_EQ(names.Resolve("\\\\.\\COM32"), "/dev/ttyS31");
    EXPECT_EQ(names.Resolve("\\\\.\\COM33"), "/dev/ttyUSB0");
    EXPECT_EQ(names.Resolve("\\\\.\\COM64"), "/dev/ttyUSB31");
    EXPECT_EQ(names.Resolve("\\\\.\\COM65"), "/dev/ttyACM0");
    EXPECT_EQ(names.Resolve("\\\\.\\COM96"), "/dev/ttyACM31");
    EXPECT_EQ(names.Resolve("\\\\.\\COM97"), "");
    EXPECT_EQ(names.Resolve("\\\\.\\COM256"), "");
    EXPECT_EQ(names.DeviceFor("\\\\.\\COM33"), "/dev/ttyUSB0");
}

TEST_F(PortNamespaceTest, OnlyWellFormedPortNamesResolve) {
    const PortNamespace names(folder.string());
    for (const char* name : {"", "COM3", "\\\\.\\COM", "\\\\.\\COM0", "\\\\.\\COM03",
                             "\\\\.\\COM257", "\\\\.\\COM1000", "\\\\.\\COM3x", "\\\\.\\com3"}) {
        EXPECT_EQ(PortNamespace::PortNumber(name), 0) << name;
        EXPECT_EQ(names.Resolve(name), "") << name;
    }
    EXPECT_EQ(PortNamespace::PortNumber("\\\\.\\COM256"), 256);
}

TEST_F(PortNamespaceTest, PathWithSlashIsADeviceAsItStands) {
    const PortNamespace names(folder.string());
    fs::create_symlink("/dev/ttyUSB5", folder / "COM1");
    EXPECT_EQ(names.Resolve("/dev/pts/7"), "/dev/pts/7");
    EXPECT_EQ(names.Resolve("ports/COM1"), "ports/COM1");
    EXPECT_EQ(names.DeviceFor("/dev/pts/7"), "/dev/pts/7");
    EXPECT_EQ(PortNamespace::Label("/dev/pts/7"), "/dev/pts/7");
    EXPECT_EQ(PortNamespace::Label("\\\\.\\COM7"), "COM7");
}

TEST_F(PortNamespaceTest, LinkInTheFolderWinsOverTheTable) {
    const PortNamespace names(folder.string());
    fs::create_symlink("/dev/pts/4", folder / "COM33");
    fs::create_symlink("../elsewhere/tty", folder / "COM200");
    fs::create_symlink("/orvan/missing", folder / "COM2");
    std::ofstream(folder / "COM3") << "";

    EXPECT_EQ(names.Resolve("\\\\.\\COM33"), (folder / "COM33").string());
    EXPECT_EQ(names.DeviceFor("\\\\.\\COM33"), "/dev/pts/4");
    EXPECT_EQ(names.DeviceFor("\\\\.\\COM200"), (folder.parent_path() / "elsewhere/tty").string());
    // A dangling link still names the port: the user chose it, the table must not stand in.
    EXPECT_EQ(names.Resolve("\\\\.\\COM2"), (folder / "COM2").string());
    EXPECT_EQ(names.DeviceFor("\\\\.\\COM2"), "/orvan/missing");
    EXPECT_EQ(names.DeviceFor("\\\\.\\COM3"), (folder / "COM3").string());
    EXPECT_EQ(names.Resolve("\\\\.\\COM34"), "/dev/ttyUSB1");
}

TEST_F(PortNamespaceTest, MissingFolderLeavesTheTable) {
    const PortNamespace names((folder / "absent").string());
    EXPECT_EQ(names.Resolve("\\\\.\\COM65"), "/dev/ttyACM0");
}

}  // namespace
}  // namespace orvan
