#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TestFiles.h"
#include "core/Backups.h"
#include "core/Environment.h"
#include "core/FileAccess.h"
#include "core/RegisterFile.h"
#include "core/UnicodeText.h"

namespace orvan {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

// German names and two characters no Western ANSI code page has.
const struct {
    const char* utf8;
    const char16_t* utf16;
} kNames[] = {
    {"Übung.rvx2a2", u"Übung.rvx2a2"}, {"Anlagen Süd", u"Anlagen Süd"}, {"Jörg Weiß", u"Jörg Weiß"},
    {"Žilina €", u"Žilina €"},         {"Ωμέγα 𝄞", u"Ωμέγα 𝄞"},
};

TEST(UnicodePaths, TextBecomesThePathOfTheSameCharactersAndBack) {
    for (const auto& name : kNames) {
        std::error_code error;
        const fs::path path = PathFromText(name.utf8, error);
        ASSERT_FALSE(error) << name.utf8;
#ifdef _WIN32
        EXPECT_EQ(path.native(),
                  std::wstring(name.utf16, name.utf16 + std::u16string_view(name.utf16).size()));
#else
        EXPECT_EQ(path.native(), name.utf8);
#endif
        EXPECT_EQ(TextFromPath(path), name.utf8);
        EXPECT_EQ(Utf16FromUtf8(name.utf8), std::u16string(name.utf16));
        EXPECT_EQ(Utf8FromUtf16(name.utf16), name.utf8);
    }
}

TEST(UnicodePaths, RegisterFileInAFolderOfSuchNamesIsWrittenReadAndListed) {
    TempFolder root;
    for (const auto& name : kNames) {
        std::error_code error;
        const fs::path folder = root.Path() / PathFromText(name.utf8, error);
        fs::create_directories(folder);
        Register image;
        image.SetValue(7, "0000ABCD");
        image.fileName =
            TextFromPath(folder / PathFromText(std::string(name.utf8) + ".rvx2a2", error));
        ASSERT_TRUE(SaveToFile(image).Succeeded()) << name.utf8;

        Register loaded;
        loaded.fileName = image.fileName;
        ASSERT_TRUE(LoadFromFile(loaded).Succeeded()) << name.utf8;
        EXPECT_EQ(loaded.Value(7), "0000ABCD");
        const std::vector<fs::path> listed = ListBackups(folder);
        ASSERT_EQ(listed.size(), 1u);
        EXPECT_EQ(TextFromPath(listed[0]), image.fileName);
    }
}

TEST(UnicodePaths, MalformedUtf8IsRefusedNotGuessed) {
    const char* malformed[] = {
        "\xFC"
        "bung",              // "ü" in an ANSI code page
        "Stra\xC3",          // cut off after the first byte of "ß"
        "\xC0\xAF",          // "/" in an overlong form
        "\xED\xA0\x80",      // an encoded surrogate
        "\xF4\x90\x80\x80",  // beyond U+10FFFF
        "\xE2\x82",          // "€" without its last byte
    };
    for (const char* text : malformed) {
        EXPECT_FALSE(Utf16FromUtf8(text)) << text;
#ifdef _WIN32
        // No file could carry this name: saving says why and writes nothing.
        std::error_code error;
        EXPECT_TRUE(PathFromText(text, error).empty());
        EXPECT_EQ(error, std::errc::illegal_byte_sequence);
        Register image;
        image.fileName = text;
        const FileResult saved = SaveToFile(image);
        EXPECT_FALSE(saved.Succeeded());
        EXPECT_EQ(saved.reason, "Der Name ist kein gültiger Unicode-Text");
#endif
    }
}

TEST(UnicodePaths, LoneSurrogateShowsAsReplacementCharacter) {
    const struct {
        std::u16string utf16;
        const char* utf8;
    } rows[] = {
        {{u'a', 0xD800, u'b'}, "a\uFFFDb"},
        {{0xDC00}, "\uFFFD"},
        {{u'x', 0xD83D}, "x\uFFFD"},
        {{0xDC00, 0xD800}, "\uFFFD\uFFFD"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Utf8FromUtf16(row.utf16), row.utf8) << row.utf8;
#ifdef _WIN32
        // Windows allows such a file name; showing it must not throw.
        EXPECT_EQ(TextFromPath(fs::path(std::wstring(row.utf16.begin(), row.utf16.end()))),
                  row.utf8);
#endif
    }
}

// The backup folder of a user with an umlaut; on Windows from the wide environment.
TEST(UnicodePaths, BackupFolderOfAUserWithAnUmlaut) {
#ifdef _WIN32
    const char* variable = "LOCALAPPDATA";
    const std::string home = "C:\\Users\\Jürgen Weiß\\AppData\\Local";
    const std::string expected = home + "\\orvan2a\\Sicherungen";
    const wchar_t* before = _wgetenv(L"LOCALAPPDATA");
    const std::wstring saved = before != nullptr ? before : L"";
    _wputenv_s(L"LOCALAPPDATA", L"C:\\Users\\J\u00FCrgen Wei\u00DF\\AppData\\Local");
#else
    const char* variable = "XDG_DATA_HOME";
    const std::string home = "/home/jürgen/.local/share";
    const std::string expected = home + "/orvan2a/Sicherungen";
    const std::string saved = EnvironmentText(variable);
    setenv(variable, home.c_str(), 1);
#endif
    EXPECT_EQ(EnvironmentText(variable), home);
    EXPECT_EQ(TextFromPath(DefaultBackupFolder()), expected);
#ifdef _WIN32
    _wputenv_s(L"LOCALAPPDATA", saved.c_str());
#else
    setenv(variable, saved.c_str(), 1);
#endif
}

}  // namespace
}  // namespace orvan
