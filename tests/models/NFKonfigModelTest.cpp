#include <gtest/gtest.h>

#include "CatalogueTestSupport.h"
#include "core/Register.h"
#include "pages/model/NFKonfigModel.h"

namespace orvan {
namespace {

constexpr std::size_t kDeactivated = NFKonfigModel::kDeactivated;
constexpr std::size_t kActivated = NFKonfigModel::kActivated;

// Each output's page writes only its own four characters of its two registers.
TEST(NFKonfigModel, EachOutputEditsOnlyItsOwnCharacters) {
    struct Case {
        const AfOutput& output;
        int deactivated;
        int activated;
        const char* deactivatedAfter;
        const char* activatedAfter;
    };
    const Case cases[] = {
        {NFKonfigModel::kLoudspeaker, 10, 11, "30xy456x", "0122y567"},
        {NFKonfigModel::kHandset, 10, 11, "01xy306x", "0123y562"},
        {NFKonfigModel::kTape, 12, 13, "01xy306x", "0123y562"},
    };
    const std::string untouched = "0123456789";
    for (const Case& c : cases) {
        Register image;
        for (int reg = 10; reg <= 13; ++reg)
            image.SetValue(reg, untouched);
        image.SetValue(c.deactivated, "01xy456x");
        image.SetValue(c.activated, "0123y567");
        NFKonfigModel model(image, c.output);
        model.Choice(kDeactivated, 0).ChooseText("MH + max. Lautstärke");
        model.Choice(kDeactivated, 1).ChooseText("Kreis gemutet");
        model.Choice(kActivated, 3).ChooseText("Maximale Lautstärke");
        // Text typed into a list's field is no option and changes nothing.
        model.Choice(kActivated, 0).ChooseText("Maximale lautstärke");
        model.Commit(image);
        EXPECT_EQ(image.Value(c.deactivated), c.deactivatedAfter) << c.output.title;
        EXPECT_EQ(image.Value(c.activated), c.activatedAfter) << c.output.title;
        for (int reg = 10; reg <= 13; ++reg) {
            if (reg != c.deactivated && reg != c.activated) {
                EXPECT_EQ(image.Value(reg), untouched) << c.output.title;
            }
        }
        EXPECT_TRUE(image.changed);
    }
}

TEST(NFKonfigModel, ARouteShowsItsEntryAndACharacterThatIsNoRouteShowsNothingAndStays) {
    Register image;
    image.SetValue(10, "3x21");
    NFKonfigModel model(image, NFKonfigModel::kLoudspeaker);
    EXPECT_EQ(model.Choice(kDeactivated, 0).ShownText(), "MH + max. Lautstärke");
    EXPECT_EQ(model.Choice(kDeactivated, 1).ShownText(), "");
    EXPECT_EQ(model.Choice(kDeactivated, 2).ShownText(), "Maximale Lautstärke");
    EXPECT_EQ(model.Choice(kDeactivated, 3).ShownText(), "Mithörlautstärke");
    model.Commit(image);
    EXPECT_EQ(image.Value(10), "3x21");
}

TEST(NFKonfigModel, AShortRegisterIsPaddedNeverOverrun) {
    Register image;
    image.SetValue(12, "11");
    image.SetValue(13, "");
    NFKonfigModel model(image, NFKonfigModel::kTape);
    EXPECT_EQ(model.Choice(kDeactivated, 0).ShownText(), "Kreis gemutet");
    model.Choice(kActivated, 2).ChooseText("Mithörlautstärke");
    model.Commit(image);
    EXPECT_EQ(image.Value(12), "11000000");
    EXPECT_EQ(image.Value(13), "00000010");
}

TEST(NFKonfigModel, HelpIsThePiecesOfItsOutput) {
    struct Case {
        const AfOutput& output;
        const char* caption;
        const char* heading;
        const char* tail;
    };
    const Case cases[] = {
        {NFKonfigModel::kLoudspeaker, "Hilfe NF-Eingangskonfiguration Lautsprecher",
         "NF-Eingangskonfiguration Lautsprecher:\n\n",
         "Die normalen Einstellungen für die Lautsprecherausgabe sind:\n\n"
         "Deaktivierter Kreis:\tMithörlautstärke (MH)\n"},
        {NFKonfigModel::kHandset, "Hilfe NF-Eingangskonfiguration Hörer",
         "NF-Eingangskonfiguration Hörer:\n\n",
         "Die normalen Einstellungen für die Hörerausgabe sind:\n\n"
         "Deaktivierter Kreis:\tKreis gemutet\n"},
        {NFKonfigModel::kTape, "Hilfe NF-Eingangskonfiguration Tonband",
         "NF-Eingangskonfiguration Tonband:\n\n",
         "Die normalen Einstellungen für die Tonbandausgabe sind:\n\n"
         "Deaktivierter Kreis:\tKreis gemutet\n"},
    };
    for (const Case& c : cases) {
        const HelpText help = NFKonfigModel(Register(), c.output).Help();
        EXPECT_EQ(help.caption, c.caption);
        EXPECT_EQ(help.icon, MessageIcon::Information);
        EXPECT_EQ(help.text,
                  std::string(c.heading) +
                      "Pro Funkkreis sind 2 Schalter für die NF vorhanden. Mit dem Schalter\n"
                      "für die Mithörlautstärke wird der Mithörweg über das Mithörpoti "
                      "aktiviert.\n"
                      "Mit dem Schalter für die maximale Lautstärke wird der Normalweg für\n"
                      "ausgewählte Kreise aktiviert.\n\n" +
                      c.tail + "Aktivierter Kreis:\tMaximale Lautstärke\n");
    }
}

TEST(NFKonfigModel, SettingsNameGroupAndCircuitAndCoverWhatOkWrites) {
    Register image;
    image.SetValue(13, "00001203");
    const std::vector<NamedSetting> settings =
        NFKonfigModel(image, NFKonfigModel::kTape).Settings();
    ASSERT_EQ(settings.size(), 8u);
    EXPECT_EQ(settings[4].page, "NF-Eingangskonfiguration für Tonbandausgabe");
    EXPECT_EQ(settings[4].name, "Aktivierter Kreis › Funkkreis 1");
    EXPECT_EQ(settings[4].words, "Mithörlautstärke");
    EXPECT_EQ(settings[7].words, "MH + max. Lautstärke");
    EXPECT_EQ(settings[7].chars.front().reg, 13);
    EXPECT_EQ(settings[7].chars.front().first, 7u);

    FillDistinct(image);
    for (const AfOutput* output :
         {&NFKonfigModel::kLoudspeaker, &NFKonfigModel::kHandset, &NFKonfigModel::kTape})
        ExpectListCoversCommit(NFKonfigModel(image, *output));
}

}  // namespace
}  // namespace orvan
