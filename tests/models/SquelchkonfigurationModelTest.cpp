#include <gtest/gtest.h>

#include "CatalogueTestSupport.h"
#include "core/Register.h"
#include "pages/model/NFSquelchKonfigModel.h"
#include "pages/model/SquelchkonfigurationModel.h"

namespace orvan {
namespace {

constexpr std::size_t kHigh = 0;
constexpr std::size_t kLow = 1;
constexpr std::size_t kFromAudio = SquelchkonfigurationModel::kCarrierFromAudioOption;
constexpr std::size_t kMuted = 0;
constexpr std::size_t kAlwaysOn = 1;

TEST(SquelchkonfigurationModel, OddCodesShowTheFallbackAndAreWrittenBackUnlessClicked) {
    Register image;
    image.SetValue(2, "10290000");
    image.SetValue(3, "105x");
    SquelchkonfigurationModel model(image);
    EXPECT_EQ(model.CarrierMode(0).Shown(), kHigh);
    EXPECT_EQ(model.CarrierMode(1).Shown(), kLow);
    EXPECT_EQ(model.CarrierMode(2).Shown(), kFromAudio);
    EXPECT_EQ(model.CarrierMode(3).Shown(), kFromAudio);
    EXPECT_EQ(model.Muting(0).Shown(), kMuted);
    EXPECT_EQ(model.Muting(2).Shown(), kAlwaysOn);
    EXPECT_EQ(model.Muting(3).Shown(), kAlwaysOn);
    model.Muting(1).Choose(kMuted);
    model.Commit(image);
    EXPECT_EQ(image.Value(2), "10290000");
    EXPECT_EQ(image.Value(3), "115x");
    EXPECT_TRUE(image.changed);
}

TEST(SquelchkonfigurationModel, WithoutTheOptionAudioCarrierIsOfferedNotButKept) {
    Register image;
    image.SetValue(2, "20000000");
    SquelchkonfigurationModel model(image);
    EXPECT_FALSE(model.AfSquelchAvailable());
    EXPECT_TRUE(model.CarrierOptionEnabled(kHigh));
    EXPECT_TRUE(model.CarrierOptionEnabled(kLow));
    EXPECT_FALSE(model.CarrierOptionEnabled(kFromAudio));
    EXPECT_EQ(model.CarrierMode(0).Shown(), kFromAudio);
    model.Commit(image);
    EXPECT_EQ(image.Value(2), "20000000");

    image.hasAfSquelch = true;
    EXPECT_TRUE(SquelchkonfigurationModel(image).CarrierOptionEnabled(kFromAudio));
}

TEST(SquelchkonfigurationModel, AfSquelchPageSeesUnconfirmedCarrierModes) {
    Register image;
    image.hasAfSquelch = true;
    image.SetValue(2, "1101");
    SquelchkonfigurationModel model(image);
    model.CarrierMode(1).Choose(kFromAudio);
    const CarrierModes modes = model.WorkingCarrierModes();
    EXPECT_EQ(modes, (CarrierModes{'1', '2', '0', '1'}));

    const NFSquelchKonfigModel afSquelch(image, modes);
    EXPECT_FALSE(afSquelch.Editable(0));
    EXPECT_TRUE(afSquelch.Editable(1));
    EXPECT_EQ(image.Value(2), "1101");
}

TEST(SquelchkonfigurationModel, CancelAfterAfSquelchOkKeepsOnlyTheAfSquelchRegisters) {
    Register image;
    image.hasAfSquelch = true;
    image.SetValue(2, "00000000");
    image.SetValue(214, "00000000");
    {
        SquelchkonfigurationModel model(image);
        model.CarrierMode(0).Choose(kFromAudio);
        model.Muting(0).Choose(kMuted);
        NFSquelchKonfigModel afSquelch(image, model.WorkingCarrierModes());
        afSquelch.Field(0, NFSquelchKonfigModel::Setting::PresenceLevel).SetText("60");
        afSquelch.Commit(image);
    }
    EXPECT_EQ(image.Value(214), "00600000");
    EXPECT_EQ(image.Value(2), "00000000");
    EXPECT_EQ(image.Value(3), "00000000");
}

TEST(SquelchkonfigurationModel, ShortRegistersArePaddedToFourCircuits) {
    Register image;
    image.SetValue(2, "1");
    image.SetValue(3, "");
    SquelchkonfigurationModel model(image);
    EXPECT_EQ(model.CarrierMode(3).Shown(), kLow);
    model.Commit(image);
    EXPECT_EQ(image.Value(2), "1000");
    EXPECT_EQ(image.Value(3), "0000");
}

TEST(SquelchkonfigurationModel, HelpHasThePageCaption) {
    const HelpText help = SquelchkonfigurationModel::Help();
    EXPECT_EQ(help.caption, "Hilfe Squelchkonfiguration");
    EXPECT_EQ(help.icon, MessageIcon::Information);
    EXPECT_TRUE(help.text.starts_with("Squelchkonfiguration:\n\nDer Trägereingang (SQL)"));
    EXPECT_NE(help.text.find("\"Konfiguration NF-Squelch\" zugänglich. \n\nNF:\n"),
              std::string::npos);
    EXPECT_TRUE(help.text.ends_with("nicht vom Träger\n\t\tstummgeschaltet.\n"));
}

TEST(SquelchkonfigurationModel, SettingsCircuitByCircuitCoverWhatOkWrites) {
    Register image;
    image.SetValue(2, "1029");
    image.SetValue(3, "105x");
    const std::vector<NamedSetting> settings = SquelchkonfigurationModel(image).Settings();
    ASSERT_EQ(settings.size(), 8u);
    EXPECT_EQ(settings[0].name, "Funkkreis 1 › SQL");
    EXPECT_EQ(settings[0].words, "SQL aktiv high");
    EXPECT_EQ(settings[1].name, "Funkkreis 1 › NF");
    EXPECT_EQ(settings[1].words, "NF an nur bei SQL");
    EXPECT_EQ(settings[4].words, "SQL aktiv bei NF*");
    EXPECT_EQ(settings[6].name, "Funkkreis 4 › SQL");
    EXPECT_EQ(settings[6].words, "9") << "the code, not the fallback the page shows";
    EXPECT_EQ(settings[7].words, "x");

    FillDistinct(image);
    ExpectListCoversCommit(SquelchkonfigurationModel(image));
}

}  // namespace
}  // namespace orvan
