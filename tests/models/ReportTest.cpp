#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "CatalogueTestSupport.h"
#include "core/Register.h"
#include "core/RegisterFile.h"
#include "core/TextFunctions.h"
#include "report/Comparison.h"
#include "report/Description.h"
#include "report/PageCatalogue.h"

namespace orvan {
namespace {

// How often the description names each character.
std::map<CharPosition, int> DescribedCounts(const std::vector<DescribedSetting>& described) {
    std::map<CharPosition, int> counts;
    for (const DescribedSetting& setting : described) {
        for (const CharRange& range : setting.chars) {
            for (std::size_t i = 0; i < range.width; ++i)
                ++counts[{range.reg, range.first + i}];
        }
    }
    return counts;
}

// A register no catalogued page binds, or -1 when every register is bound somewhere.
int UnboundRegister(const Register& image) {
    std::set<int> bound;
    for (const NamedSetting& setting : AllSettings(image)) {
        for (const CharRange& range : setting.chars)
            bound.insert(range.reg);
    }
    for (int reg = kRegisterCount - 1; reg >= 0; --reg) {
        if (!bound.contains(reg))
            return reg;
    }
    return -1;
}

void ChangeChar(Register& image, int reg, std::size_t i) {
    const char now = image.CharAt(reg, i);
    image.ReplaceChars(reg, i, std::string(1, now == '1' ? '2' : '1'));
}

TEST(DescribeImage, EveryCharacterOfEveryRegisterExactlyOnceNamedOrRaw) {
    Register image;
    FillDistinct(image);
    image.SetValue(17, "0123456789");  // a long value: its extra characters are raw
    const std::vector<DescribedSetting> described = DescribeImage(image);
    const std::map<CharPosition, int> counts = DescribedCounts(described);
    for (int reg = 0; reg < kRegisterCount; ++reg) {
        for (std::size_t i = 0; i < image.Value(reg).size(); ++i) {
            const auto it = counts.find({reg, i});
            EXPECT_EQ(it == counts.end() ? 0 : it->second, 1)
                << "register " << reg << " char " << i;
        }
    }
    // Raw lines come last and show exactly the characters they stand for.
    bool rawSeen = false;
    for (const DescribedSetting& setting : described) {
        if (!setting.Raw()) {
            EXPECT_FALSE(rawSeen) << setting.name << " after a raw line";
            continue;
        }
        rawSeen = true;
        std::string chars;
        for (const CharRange& range : setting.chars)
            chars += image.Value(range.reg).substr(range.first, range.width);
        EXPECT_EQ(setting.words, chars) << setting.name;
    }
}

TEST(DescribeImage, RawLinesNameTheRegisterAndThePositionsOfAPartlyBoundOne) {
    Register image;
    const int unbound = UnboundRegister(image);
    ASSERT_GE(unbound, 0);
    image.SetValue(unbound, "0A1BZQ9Y");
    image.SetValue(unbound - 1, "");
    std::map<std::string, std::string> raw;
    for (const DescribedSetting& setting : DescribeImage(image)) {
        if (setting.Raw())
            raw[setting.name] = setting.words;
    }
    EXPECT_EQ(raw["Register " + PadLeftZeros(std::to_string(unbound), 3)], "0A1BZQ9Y");
    EXPECT_EQ(raw["Register " + PadLeftZeros(std::to_string(unbound - 1), 3)], "(leer)");

    EXPECT_EQ(report_detail::RawName(12, {3, 6, 7}, false), "Register 012 (Zeichen 3, 6-7)");
    EXPECT_EQ(report_detail::RawName(7, {0, 1, 2, 3, 4, 5, 6, 7}, true), "Register 007");
    EXPECT_EQ(DescriptionLine("Seite", "Einstellung", "Wert"), "Seite › Einstellung: Wert");
    EXPECT_EQ(DescriptionLine("", "Register 017", "0A1BZQ9Y"), "Register 017: 0A1BZQ9Y");
}

TEST(CompareImages, EqualImagesGiveNothingAndOneChangedCharacterOneLine) {
    Register before, after;
    FillDistinct(before);
    FillDistinct(after);
    EXPECT_TRUE(CompareImages(before, after).empty());

    const int unbound = UnboundRegister(before);
    ASSERT_GE(unbound, 0);
    ChangeChar(after, unbound, 5);
    const std::vector<Difference> raw = CompareImages(before, after);
    ASSERT_EQ(raw.size(), 1u);
    EXPECT_TRUE(raw[0].Raw());
    EXPECT_EQ(raw[0].name, "Register " + PadLeftZeros(std::to_string(unbound), 3));
    EXPECT_EQ(raw[0].before, before.Value(unbound));
    EXPECT_EQ(raw[0].after, after.Value(unbound));
}

TEST(CompareImages, EveryCharacterOfEverySettingIsNamedThroughItsSetting) {
    Register before;
    FillDistinct(before);
    for (const NamedSetting& setting : AllSettings(before)) {
        for (const CharRange& range : setting.chars) {
            for (std::size_t i = 0; i < range.width; ++i) {
                Register after;
                FillDistinct(after);
                ChangeChar(after, range.reg, range.first + i);
                const std::vector<Difference> differences = CompareImages(before, after);
                ASSERT_EQ(differences.size(), 1u) << setting.name;
                EXPECT_EQ(differences[0].page, setting.page);
                EXPECT_EQ(differences[0].name, setting.name);
                EXPECT_NE(differences[0].before, differences[0].after) << setting.name;
            }
        }
    }
}

TEST(CompareImages, PagesOfTodayNameTheirSettingInWords) {
    struct Case {
        int reg;
        std::size_t index;
        const char* value;
        const char* line;
    };
    const Case cases[] = {
        {0, 1, "0100", "Funkkreiskonfiguration › Funkkreis 2 erlaubt: nein → ja"},
        {214, 2, "0012",
         "Konfiguration NF-Squelch › Funkkreis 1 › Squelch an › NF wird erkannt "
         "ab Schwellwert: 00 * 1,8 mV → 12 * 1,8 mV"},
    };
    for (const Case& c : cases) {
        Register before, after;
        after.ReplaceChars(c.reg, 0, c.value);
        const std::vector<Difference> differences = CompareImages(before, after);
        ASSERT_EQ(differences.size(), 1u) << c.line;
        EXPECT_EQ(DifferenceLine(differences[0]), c.line);
    }
}

TEST(CompareImages, AMissingCharacterDiffersFromAZeroAndIsShown) {
    Register before, after;
    before.SetValue(0, "0000");
    after.SetValue(0, "00000000");
    const std::vector<Difference> differences = CompareImages(before, after);
    ASSERT_FALSE(differences.empty());
    for (const Difference& difference : differences)
        EXPECT_NE(difference.before, difference.after) << difference.name;

    Register shortRaw;
    const int unbound = UnboundRegister(shortRaw);
    shortRaw.SetValue(unbound, "0A");
    Register full;
    full.SetValue(unbound, "0A000000");
    const std::vector<Difference> raw = CompareImages(shortRaw, full);
    ASSERT_EQ(raw.size(), 1u);
    EXPECT_EQ(DifferenceLine(raw[0]),
              "Register " + PadLeftZeros(std::to_string(unbound), 3) + ": 0A → 0A000000");
}

TEST(CompareWithUnit, OnlyWhatASendAndAReadKeepCountsAndLettersInEitherCase) {
    Register sent, unit;
    sent.SetValue(4, "0a");         // short: the unit answers it padded with "0"
    sent.SetValue(5, "00ab00001");  // nine characters: the read takes eight
    unit.SetValue(4, "0A000000");
    unit.SetValue(5, "00AB0000");
    EXPECT_TRUE(CompareWithUnit(sent, unit).empty());
    unit.SetValue(5, "00ab0000");
    EXPECT_TRUE(CompareWithUnit(sent, unit).empty());
    unit.SetValue(5, "00AC0000");
    EXPECT_EQ(CompareWithUnit(sent, unit).size(), 1u);
    for (int reg : {4, 5}) {
        Register one;
        one.SetValue(reg, sent.Value(reg));
        EXPECT_FALSE(CompareImages(one, *AsTheUnitReturns(one)).empty())
            << "an exact comparison still sees register " << reg;
    }
}

TEST(CompareImages, CorpusFilesDifferExactlyWhenTheirValuesDo) {
    std::vector<std::unique_ptr<Register>> images;
    for (const auto& entry : std::filesystem::directory_iterator(ORVAN_TEST_DATA)) {
        if (entry.path().extension() != ".rvx2a2")
            continue;
        auto image = std::make_unique<Register>();
        image->fileName = entry.path().string();
        LoadFromFile(*image);
        const auto counts = DescribedCounts(DescribeImage(*image));
        for (int reg = 0; reg < kRegisterCount; ++reg) {
            for (std::size_t i = 0; i < image->Value(reg).size(); ++i)
                EXPECT_EQ(counts.count({reg, i}), 1u) << entry.path() << " " << reg;
        }
        images.push_back(std::move(image));
    }
    ASSERT_GE(images.size(), 10u);
    for (const auto& a : images) {
        for (const auto& b : images) {
            bool equal = true;
            for (int reg = 0; reg < kRegisterCount; ++reg)
                equal = equal && a->Value(reg) == b->Value(reg);
            EXPECT_EQ(CompareImages(*a, *b).empty(), equal) << a->fileName << " " << b->fileName;
        }
    }
}

}  // namespace
}  // namespace orvan
