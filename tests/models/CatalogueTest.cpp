#include <gtest/gtest.h>

#include <map>
#include <string>

#include "CatalogueTestSupport.h"
#include "EncodingTables.h"
#include "core/Register.h"
#include "pages/model/Binding.h"
#include "pages/model/CircuitChoiceModel.h"
#include "report/PageCatalogue.h"

namespace orvan {
namespace {

TEST(SettingName, CaptionsBecomeOneLineWithoutClosingColonsJoinedOutermostFirst) {
    struct Case {
        std::initializer_list<std::string_view> captions;
        const char* name;
    };
    const Case cases[] = {
        {{"LED wenn BUSY Eingang aktiv", "Funkkreis 1:"},
         "LED wenn BUSY Eingang aktiv › Funkkreis 1"},
        {{"", "BUSY Ausgang Funkkreis 2:"}, "BUSY Ausgang Funkkreis 2"},
        {{"Funkkreis 3", ""}, "Funkkreis 3"},
        {{"Wert, über dem \nNF-Mute deaktiviert wird:"}, "Wert, über dem NF-Mute deaktiviert wird"},
        {{"  Squelch deaktiviert,\n wenn NF  nicht vorhanden für: "},
         "Squelch deaktiviert, wenn NF nicht vorhanden für"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SettingName(c.captions), c.name);
}

constexpr ChoiceTable kFallingBackToFirst{kBusyOptions, 0};

TEST(ValueWords, EachEncodingInThePagesWordsAndOddCharactersNeverHidden) {
    struct Case {
        std::string words;
        const char* expected;
    };
    FixedDecimal typed("975", {3, kPadRightRules, "* 5 mV"});
    typed.SetText("5");
    Flag set('7');
    set.Set(true);
    CircuitSet changedSet('a');
    changedSet.Set(2, true);
    const Case cases[] = {
        {Flag('1').Words(), "ja"},
        {Flag('0').Words(), "nein"},
        {Flag('2').Words(), "nein (gespeichert: 2)"},
        {Flag('7', Flag::Reading::AnyButZeroIsOn).Words(), "ja (gespeichert: 7)"},
        {set.Words(), "ja"},
        {ChoiceCode('1', kFallingBackToFirst).Words(), "BUSY aktiv bei TX aktiv"},
        {ChoiceCode('3', kFallingBackToFirst).Words(), "3"},
        {ChoiceCode('\x01', kFallingBackToFirst).Words(), "\\x01"},
        {CircuitSet('5').Words(), "Funkkreis 1, Funkkreis 3"},
        {CircuitSet('F').Words(), "Funkkreis 1, Funkkreis 2, Funkkreis 3, Funkkreis 4"},
        {CircuitSet('0').Words(), "kein Funkkreis"},
        {CircuitSet('a').Words(), "kein Funkkreis (gespeichert: a)"},
        {changedSet.Words(), "Funkkreis 3"},
        {FixedDecimal("250", {3, kPadRightRules, "ms"}).Words(), "250 ms"},
        {FixedDecimal("60", {2, {}}).Words(), "60"},
        {typed.Words(), "5 * 5 mV"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.words, c.expected);
}

constexpr CircuitChoiceRow kRows[] = {{5, kFallingBackToFirst, "LED", "Funkkreis %1:"},
                                      {6, kFallingBackToFirst, "", "Ausgang Funkkreis %1:"}};
constexpr CircuitChoicePage kPage{"Seite", kRows};

TEST(CircuitChoiceModel, RowsOfPerCircuitChoicesNamedAndWrittenInTheirOrder) {
    Register image;
    image.SetValue(5, "0129");
    image.SetValue(6, "21");
    CircuitChoiceModel model(image, kPage);
    EXPECT_EQ(model.Choice(0, 3).Shown(), 0u);
    EXPECT_EQ(model.Choice(1, 2).Code(), '0') << "a short register reads \"0\"";
    model.Choice(1, 3).ChooseText("BUSY aktiv bei Kreis an");

    const std::vector<NamedSetting> settings = model.Settings();
    ASSERT_EQ(settings.size(), 8u);
    EXPECT_EQ(settings[3].page, "Seite");
    EXPECT_EQ(settings[3].name, "LED › Funkkreis 4");
    EXPECT_EQ(settings[3].words, "9");
    EXPECT_EQ(settings[4].name, "Ausgang Funkkreis 1");
    EXPECT_EQ(settings[4].words, "BUSY aktiv bei Kreis an");
    EXPECT_EQ(settings[7].words, "BUSY aktiv bei Kreis an");
    EXPECT_EQ(settings[7].chars.front().reg, 6);
    EXPECT_EQ(settings[7].chars.front().first, 3u);

    model.Commit(image);
    EXPECT_EQ(image.Value(5), "0129");
    EXPECT_EQ(image.Value(6), "2102");
    EXPECT_TRUE(image.changed);

    Register distinct;
    FillDistinct(distinct);
    ExpectListCoversCommit(CircuitChoiceModel(distinct, kPage));
}

TEST(PageCatalogue, EveryPageListsItsOwnTitleAndNoCharacterBelongsToTwoSettings) {
    Register image;
    FillDistinct(image);
    std::map<std::string, int> titles;
    for (const CataloguedPage& page : CataloguedPages()) {
        EXPECT_EQ(titles[std::string(page.title)]++, 0) << page.title;
        const std::vector<NamedSetting> settings = page.settings(image);
        EXPECT_FALSE(settings.empty()) << page.title;
        for (const NamedSetting& setting : settings)
            EXPECT_EQ(setting.page, page.title);
    }
    // The whole list fails on a character named twice, also across pages.
    ListedPositions(AllSettings(image));
}

// Two images are compared setting by setting: the list has the same entries in the same
// places whatever the image holds, only the words differ.
TEST(PageCatalogue, ListsTheSameSettingsInTheSameOrderOnEveryImage) {
    Register distinct;
    FillDistinct(distinct);
    Register plain;
    plain.SetValue(2, "2222");
    plain.SetValue(13, "");
    const std::vector<NamedSetting> first = AllSettings(distinct);
    const std::vector<NamedSetting> second = AllSettings(plain);
    ASSERT_EQ(first.size(), second.size());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].page, second[i].page);
        EXPECT_EQ(first[i].name, second[i].name);
        ASSERT_EQ(first[i].chars.size(), second[i].chars.size());
        EXPECT_EQ(first[i].chars.front().reg, second[i].chars.front().reg);
        EXPECT_EQ(first[i].chars.front().first, second[i].chars.front().first);
        differing += first[i].words != second[i].words ? 1 : 0;
    }
    EXPECT_EQ(differing, first.size()) << "every setting reads differently on the two images";
}

}  // namespace
}  // namespace orvan
