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

// German names, and characters no Western ANSI code page has (one beyond 16 bits).
const std::pair<std::string, std::u16string> kNames[] = {
    {"Übung.rvx2a2", u"Übung.rvx2a2"},
    {"Anlagen Süd", u"Anlagen Süd"},
    {"Jörg Weiß", u"Jörg Weiß"},
    {"Žilina € Ωμέγα 𝄞", u"Žilina € Ωμέγα 𝄞"},
};

// Each name as a path, as the folder and name of a register file that is written, read back and
// listed, and back as text.
TEST(UnicodePaths, RegisterFilesNamedWithAnyCharacters) {
    test::TempFolder root;
    for (const auto& [utf8, utf16] : kNames) {
        EXPECT_EQ(Utf16FromUtf8(utf8), utf16);
        EXPECT_EQ(Utf8FromUtf16(utf16), utf8);
        std::error_code error;
        const fs::path name = PathFromText(utf8, error);
        ASSERT_FALSE(error) << utf8;
#ifdef _WIN32
        EXPECT_EQ(name.native(), std::wstring(utf16.begin(), utf16.end()));
#else
        EXPECT_EQ(name.native(), utf8);
#endif
        fs::create_directories(root.Path() / name);
        Register image;
        image.SetValue(7, "0000ABCD");
        image.fileName = TextFromPath(root.Path() / name) + "/" + utf8 + ".rvx2a2";
        ASSERT_TRUE(SaveToFile(image).Succeeded()) << utf8;
        Register loaded;
        loaded.fileName = image.fileName;
        ASSERT_TRUE(LoadFromFile(loaded).Succeeded()) << utf8;
        EXPECT_EQ(loaded.Value(7), "0000ABCD");
        const std::vector<fs::path> listed = ListBackups(root.Path() / name);
        ASSERT_EQ(listed.size(), 1u);
        EXPECT_EQ(TextFromPath(listed[0].filename()), utf8 + ".rvx2a2");
    }
}

// "ü" in an ANSI code page, a cut "ß", an overlong "/", an encoded surrogate, beyond U+10FFFF.
TEST(UnicodePaths, MalformedUtf8IsRefusedNotGuessed) {
    for (const char* text : {"\xFC", "Stra\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
        EXPECT_FALSE(Utf16FromUtf8(text)) << text;
#ifdef _WIN32
        Register image;  // no file can have this name: saving says why
        image.fileName = text;
        EXPECT_EQ(SaveToFile(image).reason, "Der Name ist kein gültiger Unicode-Text");
#endif
    }
}

TEST(UnicodePaths, LoneSurrogateShowsAsReplacementCharacter) {
    for (const std::u16string& text : {std::u16string{u'a', 0xD800}, {u'a', 0xDC00}}) {
        EXPECT_EQ(Utf8FromUtf16(text), "a\uFFFD");
#ifdef _WIN32
        // Windows allows such a file name; showing it must not throw.
        EXPECT_EQ(TextFromPath(fs::path(std::wstring(text.begin(), text.end()))), "a\uFFFD");
#endif
    }
}

// On Windows the folder comes from the wide environment.
TEST(UnicodePaths, BackupFolderOfAUserWithAnUmlaut) {
#ifdef _WIN32
    const char* variable = "LOCALAPPDATA";
    const std::string home = "C:\\Users\\Jürgen\\AppData\\Local";
    const std::wstring saved = _wgetenv(L"LOCALAPPDATA") ? _wgetenv(L"LOCALAPPDATA") : L"";
    _wputenv_s(L"LOCALAPPDATA", L"C:\\Users\\J\u00FCrgen\\AppData\\Local");
#else
    const char* variable = "XDG_DATA_HOME";
    const std::string home = "/home/jürgen/.local/share";
    const std::string saved = EnvironmentText(variable);
    setenv(variable, home.c_str(), 1);
#endif
    EXPECT_EQ(EnvironmentText(variable), home);
    const fs::path folder = DefaultBackupFolder();
    EXPECT_EQ(TextFromPath(folder.parent_path().parent_path()), home);
    EXPECT_EQ(folder.parent_path().filename(), "orvan2a");
#ifdef _WIN32
    _wputenv_s(L"LOCALAPPDATA", saved.c_str());
#else
    setenv(variable, saved.c_str(), 1);
#endif
}

}  // namespace
}  // namespace orvan
