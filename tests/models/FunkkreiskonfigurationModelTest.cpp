#include <gtest/gtest.h>

#include "CatalogueTestSupport.h"
#include "core/Register.h"
#include "pages/model/FunkkreiskonfigurationModel.h"

namespace orvan {
namespace {

class FunkkreiskonfigurationModelTest : public ::testing::Test {
  protected:
    void Load(std::string circuits, std::string powerUp) {
        image.SetValue(0, std::move(circuits));
        image.SetValue(1, std::move(powerUp));
    }

    Register image;
};

TEST_F(FunkkreiskonfigurationModelTest, ShowsFlagsAndPowerUpChoice) {
    Load("11110000", "10001000");
    FunkkreiskonfigurationModel model(image);
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        EXPECT_TRUE(model.Allowed(circuit).IsOn());
        EXPECT_EQ(model.OnAtPowerUp(circuit).IsOn(), circuit == 0);
    }
    EXPECT_FALSE(model.MultipleActive().IsOn());
    EXPECT_EQ(model.PowerUpCircuits().ShownText(), "Letzte aktive Kreise");
    EXPECT_FALSE(model.OnAtPowerUpEnabled());
}

TEST_F(FunkkreiskonfigurationModelTest, PowerUpRadiosEnableThePresetBoxesWhoseStatesAreKept) {
    Load("00000000", "01001000");
    FunkkreiskonfigurationModel model(image);
    model.PowerUpCircuits().Choose(0);
    EXPECT_TRUE(model.OnAtPowerUpEnabled());
    model.OnAtPowerUp(2).Set(true);
    model.PowerUpCircuits().Choose(1);
    EXPECT_FALSE(model.OnAtPowerUpEnabled());
    model.Commit(image);
    EXPECT_EQ(image.Value(1), "01101000");
}

TEST_F(FunkkreiskonfigurationModelTest, LastCircuitsAreACircuitSet) {
    Load("00000050", "00000000");
    FunkkreiskonfigurationModel model(image);
    EXPECT_TRUE(model.LastCircuits().Contains(0));
    EXPECT_FALSE(model.LastCircuits().Contains(1));
    EXPECT_TRUE(model.LastCircuits().Contains(2));
    EXPECT_FALSE(model.LastCircuits().Contains(3));

    model.LastCircuits().Set(0, false);
    model.LastCircuits().Set(2, false);
    model.LastCircuits().Set(3, true);
    model.Commit(image);
    EXPECT_EQ(image.Value(0)[6], '8');

    FunkkreiskonfigurationModel again(image);
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        again.LastCircuits().Set(circuit, true);
    }
    again.Commit(image);
    EXPECT_EQ(image.Value(0)[6], 'F');
}

TEST_F(FunkkreiskonfigurationModelTest, ErrorToneDisablesLastCircuitsButKeepsThem) {
    Load("00000000", "00000000");
    FunkkreiskonfigurationModel model(image);
    EXPECT_TRUE(model.LastCircuitsEnabled());
    model.LastCircuits().Set(1, true);
    model.AutomaticActivation().ChooseText("Fehlerton");
    EXPECT_FALSE(model.LastCircuitsEnabled());
    model.Commit(image);
    EXPECT_EQ(image.Value(0), "00000120");
}

TEST_F(FunkkreiskonfigurationModelTest, CodesThatAreNoOptionSurviveOkButLowerCaseHexDoesNot) {
    Load("000002a0", "00007000");
    FunkkreiskonfigurationModel model(image);
    EXPECT_EQ(model.PowerUpCircuits().ShownText(), "Letzte aktive Kreise");
    EXPECT_EQ(model.AutomaticActivation().ShownText(), "");
    EXPECT_FALSE(model.LastCircuitsEnabled());
    EXPECT_FALSE(model.OnAtPowerUpEnabled());
    model.Commit(image);
    EXPECT_EQ(image.Value(0), "00000200");
    EXPECT_EQ(image.Value(1), "00007000");
}

TEST_F(FunkkreiskonfigurationModelTest, OkWithoutChangesRewritesAndMarksChanged) {
    Load("10101019XYZ", "01011000");
    FunkkreiskonfigurationModel model(image);
    model.Commit(image);
    EXPECT_EQ(image.Value(0), "10101019XYZ");
    EXPECT_EQ(image.Value(1), "01011000");
    EXPECT_TRUE(image.changed);
}

TEST_F(FunkkreiskonfigurationModelTest, ShortRegistersArePaddedUpToTheLastWrittenCharacter) {
    Load("1", "");
    FunkkreiskonfigurationModel model(image);
    EXPECT_TRUE(model.Allowed(0).IsOn());
    EXPECT_FALSE(model.Allowed(1).IsOn());
    EXPECT_EQ(model.PowerUpCircuits().ShownText(), "Einschaltkreise");
    model.OnAtPowerUp(3).Set(true);
    model.Commit(image);
    EXPECT_EQ(image.Value(0), "1000000");
    EXPECT_EQ(image.Value(1), "00010");
}

TEST_F(FunkkreiskonfigurationModelTest, HelpHasThePageCaptionAndTheQuotedTerm) {
    const HelpText help = FunkkreiskonfigurationModel::Help();
    EXPECT_EQ(help.caption, "Hilfe Funkkreiskonfiguration");
    EXPECT_EQ(help.icon, MessageIcon::Information);
    EXPECT_TRUE(help.text.starts_with("Funkkreiskonfiguration:\n\nFunkkreis x erlaubt: "));
    EXPECT_NE(help.text.find("aktiven Kreise\t\n\nAutomatische"), std::string::npos);
    EXPECT_NE(help.text.find("\"automatische\nKreisaktivierung\""), std::string::npos);
    EXPECT_TRUE(help.text.ends_with("die eingestellten Kreise aktiviert."));
}

TEST_F(FunkkreiskonfigurationModelTest, SettingsNamedAsThePageShowsThemCoverWhatOkWrites) {
    Load("10015A6x", "0001x");
    const std::vector<NamedSetting> settings = FunkkreiskonfigurationModel(image).Settings();
    struct Expected {
        const char* name;
        const char* words;
    };
    const Expected expected[] = {
        {"Funkkreis 1 erlaubt", "ja"},
        {"Funkkreis 2 erlaubt", "nein"},
        {"Funkkreis 3 erlaubt", "nein"},
        {"Funkkreis 4 erlaubt", "ja"},
        {"Mehrere aktive Kreise möglich", "nein (gespeichert: 5)"},
        {"Funkkreis 1 beim Einschalten an", "nein"},
        {"Funkkreis 2 beim Einschalten an", "nein"},
        {"Funkkreis 3 beim Einschalten an", "nein"},
        {"Funkkreis 4 beim Einschalten an", "ja"},
        {"Beim Einschalten aktive Kreise", "x"},
        {"Automatische Kreisaktivierung › Automatische Kreisaktivierung", "A"},
        {"Automatische Kreisaktivierung › Letzter Kreis nach Einschalten",
         "Funkkreis 2, Funkkreis 3"},
    };
    ASSERT_EQ(settings.size(), std::size(expected));
    for (std::size_t i = 0; i < settings.size(); ++i) {
        EXPECT_EQ(settings[i].page, "Funkkreiskonfiguration");
        EXPECT_EQ(settings[i].name, expected[i].name);
        EXPECT_EQ(settings[i].words, expected[i].words) << expected[i].name;
    }

    FillDistinct(image);
    ExpectListCoversCommit(FunkkreiskonfigurationModel(image));
}

}  // namespace
}  // namespace orvan
