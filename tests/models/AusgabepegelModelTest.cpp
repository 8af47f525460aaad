#include <gtest/gtest.h>

#include "CatalogueTestSupport.h"
#include "core/Register.h"
#include "procedures/model/AusgabepegelModel.h"

namespace orvan {
namespace {

TEST(OutputLevels, RegisterIs220PlusSourcePlusTenTimesTarget) {
    struct Case {
        LevelChoice level;
        int reg;
    };
    const Case cases[] = {{{'2', '0'}, 222}, {{'3', '0'}, 223}, {{'2', '1'}, 232},
                          {{'3', '1'}, 233}, {{'2', '2'}, 242}, {{'3', '3'}, 253}};
    for (const Case& c : cases)
        EXPECT_EQ(LevelRegister(c.level), c.reg);
}

TEST(AusgabepegelModel, StartsOnRuftonToLautsprecherAndFollowsTheButtons) {
    AusgabepegelModel model;
    EXPECT_EQ(LevelRegister(model.Chosen()), 222);
    model.Source().Choose(1);
    model.Target().Choose(1);
    EXPECT_EQ(LevelRegister(model.Chosen()), 233);
}

TEST(AusgabepegelAendernModel, LeavingPadsAndCapsAndOkWritesOnlyItsFiveCharacters) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {{"40000", "32767"}, {"7", "00007"}, {"32768", "32767"},
                          {"32767", "32767"}, {"", "00000"},  {"01000", "01000"}};
    for (const Case& c : cases) {
        AusgabepegelAendernModel model(Register(), {'3', '1'});
        model.Level().SetText(c.typed);
        model.Leave();
        EXPECT_EQ(model.Level().Text(), c.shown) << c.typed;
    }

    Register image;
    for (int reg = 222; reg <= 253; ++reg)
        image.SetValue(reg, "abc12345xy");
    AusgabepegelAendernModel model(image, {'3', '1'});
    EXPECT_EQ(model.Level().Text(), "12345");
    // Confirmed with Enter while the field still holds what was typed.
    model.Level().SetText("99999");
    model.Commit(image);
    EXPECT_EQ(image.Value(233), "abc32767xy");
    for (int reg = 222; reg <= 253; ++reg) {
        if (reg != 233) {
            EXPECT_EQ(image.Value(reg), "abc12345xy") << reg;
        }
    }
    EXPECT_TRUE(image.changed);
}

TEST(AusgabepegelAendernModel, FrameNamesTheRadioTargetShortly) {
    EXPECT_EQ(AusgabepegelAendernModel(Register(), {'2', '3'}).Frame(), "Rufton -> Funk");
    EXPECT_EQ(AusgabepegelAendernModel(Register(), {'3', '1'}).Frame(),
              "Weckton -> Hörer / Headset");
}

TEST(AusgabepegelModel, SummaryListsEveryLevelWithItsStandardTargetAfterTarget) {
    Register image;
    image.SetValue(222, "00011111");
    image.SetValue(253, "0");
    EXPECT_EQ(AusgabepegelModel::Summary(image),
              "Rufton\t->  Lautsprecher:\t11111\t(Standard:  00000)\n"
              "Weckton\t->  Lautsprecher:\t00000\t(Standard:  10640)\n"
              "\n"
              "Rufton\t->  Hörer / Headset:\t00000\t(Standard:  00000)\n"
              "Weckton\t->  Hörer / Headset:\t00000\t(Standard:  05320)\n"
              "\n"
              "Rufton\t->  Tonband:\t00000\t(Standard:  00000)\n"
              "Weckton\t->  Tonband:\t00000\t(Standard:  00000)\n"
              "\n"
              "Rufton\t->  Funk (NF-out):\t00000\t(Standard:  10640)\n"
              "Weckton\t->  Funk (NF-out):\t00000\t(Standard:  00000)\n"
              "\n");
}

TEST(AusgabepegelModel, HelpAndSettings) {
    const HelpText help = AusgabepegelModel::Help();
    EXPECT_EQ(help.caption, "Hilfe Ausgabepegel");
    EXPECT_EQ(help.icon, MessageIcon::Information);
    EXPECT_EQ(help.text,
              "Hier kann die Lautstärke von Weckton und Rufton für alle unterschiedlichen "
              "Tonausgaben variiert werden.\nÜber die Schaltfläche \"Ändern...\" wird ein neuer "
              "Wert für die digitale\nVerstärkung festgelegt.\n\nEinen kompletten Überblick über "
              "alle Einstellungen und deren\nStandardwerte erlaubt die Schaltfläche \"Alle "
              "anzeigen...\"\n");

    Register image;
    image.SetValue(252, "00010640");
    const std::vector<NamedSetting> settings = AusgabepegelModel::Settings(image);
    ASSERT_EQ(settings.size(), 8u);
    EXPECT_EQ(settings[6].page, "Digitale Ausgabepegel");
    EXPECT_EQ(settings[6].name, "Rufton › Funk (NF-out)");
    EXPECT_EQ(settings[6].words, "10640");
    EXPECT_EQ(settings[6].chars.front().reg, 252);
    EXPECT_EQ(settings[6].chars.front().first, 3u);
    EXPECT_EQ(settings[6].chars.front().width, 5u);
}

TEST(AusgabepegelModel, TheListNamesExactlyWhatTheChangeDialogsWrite) {
    Register image;
    FillDistinct(image);
    std::set<CharPosition> written;
    for (char source : {'2', '3'}) {
        for (char target : {'0', '1', '2', '3'}) {
            const std::set<CharPosition> one = CommittedPositions([&](Register& target_) {
                AusgabepegelAendernModel(image, {source, target}).Commit(target_);
            });
            written.insert(one.begin(), one.end());
        }
    }
    EXPECT_EQ(ListedPositions(AusgabepegelModel::Settings(image)), written);
}

}  // namespace
}  // namespace orvan
