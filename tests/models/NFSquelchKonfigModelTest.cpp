#include <gtest/gtest.h>

#include "CatalogueTestSupport.h"
#include "core/Register.h"
#include "pages/model/NFSquelchKonfigModel.h"

namespace orvan {
namespace {

using Setting = NFSquelchKonfigModel::Setting;

const CarrierModes kAllFromAudio{'2', '2', '2', '2'};

TEST(NFSquelchKonfigModel, FieldsAreTheFourTwoDigitNumbersOfTheCircuitsRegister) {
    Register image;
    image.SetValue(214, "02604010");
    NFSquelchKonfigModel model(image, kAllFromAudio);
    EXPECT_EQ(model.Field(0, Setting::PresenceTime).Text(), "02");
    EXPECT_EQ(model.Field(0, Setting::PresenceLevel).Text(), "60");
    EXPECT_EQ(model.Field(0, Setting::AbsenceTime).Text(), "40");
    EXPECT_EQ(model.Field(0, Setting::AbsenceLevel).Text(), "10");
    model.Commit(image);
    EXPECT_EQ(image.Value(214), "02604010");
    EXPECT_TRUE(image.changed);
}

TEST(NFSquelchKonfigModel, OnlyCircuitsWithCarrierFromAudioAreEditableButAllAreWritten) {
    Register image;
    image.SetValue(214, "11111111");
    image.SetValue(215, "12");
    image.SetValue(216, "33333333");
    image.SetValue(217, "44444444");
    NFSquelchKonfigModel model(image, {'2', '0', '2', '1'});
    EXPECT_TRUE(model.Editable(0));
    EXPECT_FALSE(model.Editable(1));
    EXPECT_TRUE(model.Editable(2));
    EXPECT_FALSE(model.Editable(3));
    model.Field(2, Setting::AbsenceTime).SetText("99");
    model.Commit(image);
    EXPECT_EQ(image.Value(214), "11111111");
    EXPECT_EQ(image.Value(215), "12000000");
    EXPECT_EQ(image.Value(216), "33339933");
    EXPECT_EQ(image.Value(217), "44444444");
}

TEST(NFSquelchKonfigModel, OkStoresAFieldStillBeingTypedAsTwoDigits) {
    Register image;
    NFSquelchKonfigModel model(image, kAllFromAudio);
    model.Field(3, Setting::PresenceTime).SetText("5");
    model.Field(3, Setting::AbsenceLevel).SetText("");
    model.Commit(image);
    EXPECT_EQ(image.Value(217), "05000000");
}

TEST(NFSquelchKonfigModel, HelpSharesTheSquelchCaption) {
    const HelpText help = NFSquelchKonfigModel::Help();
    EXPECT_EQ(help.caption, "Hilfe Squelchkonfiguration");
    EXPECT_EQ(help.icon, MessageIcon::Information);
    EXPECT_TRUE(help.text.starts_with("Konfiguration NF-Squelch:\n\nFür alle Funkkreise"));
    EXPECT_TRUE(help.text.ends_with("größer sein als der für die Deaktivierung."));
}

TEST(NFSquelchKonfigModel, SettingsInTheGroupsOrderWithUnitsCoverWhatOkWrites) {
    Register image;
    image.SetValue(217, "02604010");
    const std::vector<NamedSetting> settings =
        NFSquelchKonfigModel(image, kAllFromAudio).Settings();
    ASSERT_EQ(settings.size(), 16u);
    EXPECT_EQ(settings[12].page, "Konfiguration NF-Squelch");
    EXPECT_EQ(settings[12].name, "Funkkreis 4 › Squelch an › NF wird erkannt ab Schwellwert");
    EXPECT_EQ(settings[12].words, "60 * 1,8 mV");
    EXPECT_EQ(settings[12].chars.front().first, 2u);
    EXPECT_EQ(
        settings[15].name,
        "Funkkreis 4 › Squelch wieder aus › Squelch deaktiviert, wenn NF nicht vorhanden für");
    EXPECT_EQ(settings[15].words, "40 * 5 ms");

    FillDistinct(image);
    ExpectListCoversCommit(NFSquelchKonfigModel(image, {'0', '1', '2', '9'}));
}

}  // namespace
}  // namespace orvan
