#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/Register.h"
#include "core/RegisterFile.h"
#include "pages/model/FunkkreiskonfigurationModel.h"
#include "procedures/model/EingangsverstaerkungModel.h"
#include "report/SettingsText.h"

namespace orvan {
namespace {

const std::string kHeader = std::string(kSettingsTextHeader) + "\n";
const std::string kAllowed = "Funkkreiskonfiguration › Funkkreis 2 erlaubt";
const std::string kLeadTime = "Sendereinstellungen › Vorlaufzeit vor Tonfolge / FMS in ms";

void CopyValues(const Register& from, Register& to) {
    for (int reg = 0; reg < kRegisterCount; ++reg)
        to.SetValue(reg, from.Value(reg));
}

void LoadTypical(Register& image) {
    image.fileName = std::string(ORVAN_TEST_DATA) + "/typical.rvx2a2";
    ASSERT_EQ(LoadFromFile(image).status, FileResult::Status::Ok);
}

// A value a register file can hold: 1 to 9 characters, the first a digit or "A"-"F", then
// mostly what the pages write, often any other character, now and then any byte but a line feed
// (and no carriage return at the end).
std::string RandomValue(std::mt19937& random) {
    const std::string hex = "0123456789ABCDEF";
    std::uniform_int_distribution<int> percent(0, 99), byte(1, 255);
    const std::size_t length = percent(random) < 70 ? 8 : 1 + percent(random) % 9;
    std::string value(1, hex[percent(random) % 16]);
    while (value.size() < length) {
        const int kind = percent(random);
        char c = kind < 60   ? hex[percent(random) % 16]
                 : kind < 85 ? static_cast<char>(0x20 + percent(random) % 95)
                             : static_cast<char>(byte(random));
        if (c == '\n' || (c == '\r' && value.size() + 1 == length))
            c = 'a';
        value += c;
    }
    return value;
}

TEST(SettingsText, EveryImageReadsBackByteForByteAndExportsTheSameText) {
    std::mt19937 random(17);
    for (int run = 0; run < 200; ++run) {
        Register image;
        for (int reg = 0; reg < kRegisterCount; ++reg)
            image.SetValue(reg, RandomValue(random));
        const std::string text = SettingsText(image);
        ASSERT_EQ(text, SettingsText(image));
        Register back;
        const TextImport import = ReadSettingsText(text, nullptr, back);
        ASSERT_TRUE(import.Taken()) << ImportMessages(import, "run " + std::to_string(run))[0];
        for (int reg = 0; reg < kRegisterCount; ++reg)
            ASSERT_EQ(back.Value(reg), image.Value(reg)) << "register " << reg << "\n" << text;
        EXPECT_EQ(RegisterFileTextAsStored(back), RegisterFileTextAsStored(image));
        EXPECT_EQ(SettingsText(back), text);
    }
}

// The text of typical.rvx2a2 with the line of `key` replaced by `line` (or `line` added).
std::string TypicalWithLine(const std::string& key, const std::string& line) {
    Register typical;
    LoadTypical(typical);
    std::string text = SettingsText(typical);
    const std::size_t at = text.find("\n" + key + ": ");
    if (at == std::string::npos)
        return text + line + "\n";
    return text.replace(at + 1, text.find('\n', at + 1) - at - 1, line);
}

TEST(SettingsText, AnEditedLineOfEachKindChangesOnlyItsOwnRegister) {
    struct Case {
        std::string key, words;
        int reg;
        std::string value;  // register reg afterwards; every other register stays
    } const cases[] = {
        {kLeadTime, "250 ms", 55, "25"},
        {"Tastenfunktionen › PTT › auf Kreis", "Funkkreis 1, Funkkreis 3", 23, "5"},
        {"Tastenfunktionen › PTT › FMS Kennung", "12345", 20, "12345000"},
        {"Tonrufauswertung › Kreis 1 › Funkkreisaktivierung",
         "Nur wenn kein TX, Neuen Kreis zusätzlich an", -1, "6"},
    };
    Register typical;
    LoadTypical(typical);
    for (const Case& c : cases) {
        Register image;
        const TextImport import =
            ReadSettingsText(TypicalWithLine(c.key, c.key + ": " + c.words), &typical, image);
        ASSERT_TRUE(import.Taken()) << ImportMessages(import, c.key)[0];
        int changed = 0;
        for (int reg = 0; reg < kRegisterCount; ++reg) {
            if (image.Value(reg) == typical.Value(reg))
                continue;
            ++changed;
            if (c.reg >= 0) {
                EXPECT_EQ(reg, c.reg) << c.key;
            }
            EXPECT_NE(image.Value(reg).find(c.value), std::string::npos)
                << c.key << ": " << image.Value(reg);
        }
        EXPECT_EQ(changed, 1) << c.key;
        EXPECT_NE(SettingsText(image).find(c.key + ": " + c.words.substr(0, 5)), std::string::npos)
            << c.key;
    }
}

// The page's OK on the same edit writes the setting's characters as the text does; OK also
// rewrites the page's other settings in their normal form, the text leaves them as they are.
TEST(SettingsText, AnEditedLineWritesWhatThePagesOkWritesAndNothingElse) {
    struct Case {
        std::string line;
        std::function<void(Register&)> ok;
    } const cases[] = {
        {kAllowed + ": nein",
         [](Register& image) {
             FunkkreiskonfigurationModel page(image);
             page.Allowed(1).Set(false);
             page.Commit(image);
         }},
        {"Funkkreiskonfiguration › Automatische Kreisaktivierung › Letzter Kreis nach "
         "Einschalten: Funkkreis 2, Funkkreis 4",
         [](Register& image) {
             FunkkreiskonfigurationModel page(image);
             page.LastCircuits().Set(1, true);
             page.LastCircuits().Set(3, true);
             page.Commit(image);
         }},
        {"Eingangsverstärkung › Funkkreis 2 › Eingangspegel: 1.5 dB",
         [](Register& image) {
             EingangsverstaerkungModel page(image);
             page.CircuitGain(1).SetText("1.5");
             page.LeaveGain(1);
             page.Commit(image);
         }},
        {"Eingangsverstärkung › Funkkreis 1 › Pegel für minimale Lautstärke: 250",
         [](Register& image) {
             EingangsverstaerkungModel page(image);
             page.CircuitLevel(0).SetText("250");
             page.CircuitLevel(0).Normalise();
             page.Commit(image);
         }},
    };
    Register base;
    LoadTypical(base);
    base.ReplaceChars(0, 2, "7");  // "Funkkreis 3 erlaubt": an odd character OK would rewrite
    for (const Case& c : cases) {
        Register viaOk, viaText;
        CopyValues(base, viaOk);
        c.ok(viaOk);
        const std::string text = kHeader + c.line + "\n";
        ASSERT_TRUE(ReadSettingsText(text, &base, viaText).Taken()) << c.line;
        int changed = 0;
        for (int reg = 0; reg < kRegisterCount; ++reg) {
            const std::string& value = viaText.Value(reg);
            for (std::size_t i = 0; i < value.size(); ++i) {
                if (value[i] == base.CharAt(reg, i))
                    continue;
                ++changed;
                EXPECT_EQ(value[i], viaOk.CharAt(reg, i)) << c.line << ": register " << reg;
            }
        }
        EXPECT_GT(changed, 0) << c.line;
        EXPECT_EQ(viaText.CharAt(0, 2), '7') << c.line;
    }
}

TEST(SettingsText, AStoredNoteHoldsOnlyWhileItsWordsAreUnchanged) {
    Register typical;
    LoadTypical(typical);
    typical.SetValue(0, "17110000");  // "Funkkreis 2 erlaubt" holds an odd "7": off
    const std::string text = SettingsText(typical);
    ASSERT_NE(text.find(kAllowed + ": nein (gespeichert: 7)"), std::string::npos);
    const struct {
        std::string line, value;
    } cases[] = {{kAllowed + ": nein (gespeichert: 7)", "17110000"},
                 {kAllowed + ": ja (gespeichert: 7)", "11110000"},
                 {kAllowed + ": nein", "10110000"}};
    for (const auto& c : cases) {
        std::string edited = text;
        const std::size_t at = edited.find(kAllowed);
        edited.replace(at, edited.find('\n', at) - at, c.line);
        Register image;
        ASSERT_TRUE(ReadSettingsText(edited, nullptr, image).Taken()) << c.line;
        EXPECT_EQ(image.Value(0), c.value) << c.line;
    }
}

TEST(SettingsText, ReadsWhatEditorsMakeOfIt) {
    Register typical;
    LoadTypical(typical);
    const std::string texts[] = {
        "\xEF\xBB\xBF" + kHeader + kAllowed + ": nein\n",
        "# Orvan 2a/2b Einstellungen, Format 1\r\n\r\n# Wagen 7\r\n" + kAllowed + ": nein  \r\n",
        "\n  \n" + kHeader + "Funkkreiskonfiguration > Funkkreis 2 erlaubt: nein\t\n# Ende",
    };
    for (const std::string& text : texts) {
        Register image;
        const TextImport import = ReadSettingsText(text, &typical, image);
        ASSERT_TRUE(import.Taken()) << ImportMessages(import, "text")[0];
        EXPECT_EQ(image.Value(0), "10110000");
    }
}

TEST(SettingsText, RefusesEveryFaultWithItsLineAndWritesNothing) {
    struct Case {
        std::string text;
        std::vector<int> lines;
        std::string message;  // part of the first line's message
    };
    const std::string tooLarge = kHeader + std::string(kSettingsTextLimit, '#');
    const Case cases[] = {
        {kAllowed + ": nein\n", {1}, "Kopfzeile"},
        {"# Orvan 2a/2b Einstellungen, Format 2\n", {1}, "Format „2“"},
        {"", {1}, "leer"},
        {kHeader + "Funkkreiskonfiguration › Funkkreis 2 erlaubd: ja\n",
         {2},
         "Meinten Sie „" + kAllowed + "“?"},
        {kHeader + "\n" + kAllowed + ": vielleicht\n", {3}, "erlaubt: „nein“, „ja“"},
        {kHeader + kLeadTime + ": 5000 ms\n", {2}, "ganze Zahl von 0 bis"},
        {kHeader + kAllowed + ": ja\n" + kAllowed + ": nein\n",
         {3},
         "steht doppelt im Text (zuerst in Zeile 2)."},
        {kHeader + "irgendwas\n", {2}, "nicht die Form"},
        {kHeader + "Register 250 (Zeichen 1-2): 123\n", {2}, "nennt 2 Zeichen, gibt aber 3"},
        {kHeader + "Register 250: 123456789A\n", {2}, "1 bis 9 Zeichen"},
        {kHeader + "Register 250: G0000000\n", {2}, "beginnt nicht mit 0-9 oder A-F"},
        {kHeader + "Register 250: 0\\x0A000000\n", {2}, "Zeilenvorschub"},
        {kHeader + "Register 250: 00\\x4\n", {2}, "keine Registerzeichen"},
        {kHeader + "Register 250: 0\nRegister 250 (Zeichen 3): 1\n",
         {3},
         "doppelt bestimmt (zuerst in Zeile 2)."},
        {kHeader + "Register 300: 0\n", {2}, "gibt es nicht"},
        {kHeader + "Register 012 (Länge): 12\n", {2}, "Länge"},
        {kHeader + "Register 250: 0\n\xC3(\n", {3}, "UTF-8"},
        {tooLarge, {2}, "1 MB"},
        {kHeader + "x: ja\n" + kAllowed + ": 1\n\n" + kLeadTime + ": ms\n", {2, 3, 5}, ""},
    };
    Register typical;
    LoadTypical(typical);
    for (const Case& c : cases) {
        Register image;
        image.SetValue(0, "untouched");
        const TextImport import = ReadSettingsText(c.text, &typical, image);
        ASSERT_FALSE(import.problems.empty()) << c.text.substr(0, 200);
        std::vector<int> lines;
        for (const TextProblem& problem : import.problems)
            lines.push_back(problem.line);
        const std::string first = ImportMessages(import, "t.txt").front();
        EXPECT_EQ(lines, c.lines) << first;
        EXPECT_NE(first.find(c.message), std::string::npos) << first;
        EXPECT_EQ(image.Value(0), "untouched");
    }
}

TEST(SettingsText, ACompleteImportNamesWhatTheTextLeavesOpen) {
    Register typical;
    LoadTypical(typical);
    std::string text = SettingsText(typical);
    for (const std::string& key : {kAllowed, std::string("Register 250")}) {
        const std::size_t at = text.find("\n" + key + ": ");
        text.erase(at + 1, text.find('\n', at + 1) - at);
    }
    Register image;
    const TextImport import = ReadSettingsText(text, nullptr, image);
    EXPECT_TRUE(import.problems.empty());
    EXPECT_EQ(import.missing, (std::vector<std::string>{kAllowed, "Register 250"}));
    EXPECT_NE(ImportMessages(import, "t.txt")[0].find("es fehlen: " + kAllowed + "; Register 250"),
              std::string::npos);
    EXPECT_TRUE(ReadSettingsText(text, &typical, image).Taken());
}

}  // namespace
}  // namespace orvan
