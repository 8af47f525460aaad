#include <gtest/gtest.h>

#include "CatalogueTestSupport.h"
#include "core/Register.h"
#include "pages/model/HoererLSKonfigModel.h"

namespace orvan {
namespace {

TEST(HoererLSKonfigModel, HandsetSwitchesAreOffOnlyForZeroAndWrittenAsZeroOrOne) {
    struct Case {
        const char* reg16;
        std::size_t earpiece;
        std::size_t loudspeaker;
        const char* written;
    };
    const Case cases[] = {
        {"01345678", 0, 1, "01345678"},
        {"10", 1, 0, "10"},
        {"x7abc", 1, 1, "11abc"},
        {"", 0, 0, "00"},
    };
    for (const Case& c : cases) {
        Register image;
        image.SetValue(16, c.reg16);
        HoererLSKonfigModel model(image);
        EXPECT_EQ(model.Earpiece().Shown(), c.earpiece) << c.reg16;
        EXPECT_EQ(model.Loudspeaker().Shown(), c.loudspeaker) << c.reg16;
        model.Commit(image);
        EXPECT_EQ(image.Value(16), c.written) << c.reg16;
    }
}

TEST(HoererLSKonfigModel, TetraStateIsImmerAktivOnlyForOneAndVolumesAreFiveDigits) {
    Register image;
    image.SetValue(270, "0ab01234xyz");
    image.SetValue(271, "1cd32767");
    image.SetValue(272, "7ef99999");
    image.SetValue(273, "1");
    HoererLSKonfigModel model(image);
    EXPECT_EQ(model.PttState(0).Shown(), 0u);
    EXPECT_EQ(model.PttState(1).Shown(), 1u);
    EXPECT_EQ(model.PttState(2).Shown(), 0u);
    EXPECT_EQ(model.PttVolume(0).Text(), "01234");
    EXPECT_EQ(model.PttVolume(3).Text(), "00000");

    model.PttState(0).Choose(1);
    model.PttVolume(1).SetText("7");
    model.LeaveVolume(1);
    EXPECT_EQ(model.PttVolume(1).Text(), "00007");
    model.PttVolume(2).SetText("40000");
    model.LeaveVolume(2);
    EXPECT_EQ(model.PttVolume(2).Text(), "00000");
    // Typed and confirmed with Enter, without leaving the field.
    model.PttVolume(3).SetText("12");
    model.Commit(image);
    EXPECT_EQ(image.Value(270), "1ab01234xyz");
    EXPECT_EQ(image.Value(271), "1cd00007");
    EXPECT_EQ(image.Value(272), "0ef00000");
    EXPECT_EQ(image.Value(273), "10000012");
    EXPECT_TRUE(image.changed);
}

TEST(HoererLSKonfigModel, AVolumeAbove32767IsSwitchedOffAlsoWhenOkComesFirst) {
    Register image;
    image.SetValue(270, "00032768");
    HoererLSKonfigModel model(image);
    model.Commit(image);
    EXPECT_EQ(image.Value(270), "00000000");
}

TEST(HoererLSKonfigModel, HelpIsAPlainBoxUnderTheProgramsTitle) {
    const HelpText help = HoererLSKonfigModel::Help();
    EXPECT_EQ(help.caption, "");
    EXPECT_EQ(help.icon, MessageIcon::None);
    EXPECT_TRUE(help.text.starts_with("Hörerkonfiguration: \nHier kann eingestellt werden"));
    EXPECT_NE(
        help.text.find("aufgelegtem Handapparat funktionieren.\n\nLautsprecherkonfiguration:"),
        std::string::npos);
    EXPECT_TRUE(help.text.ends_with("Laut-\nsprecherkonfiguration oder ist immer aktiv."));
}

TEST(HoererLSKonfigModel, SettingsInTheOptionsWordsCoverWhatOkWrites) {
    Register image;
    image.SetValue(16, "07");
    image.SetValue(272, "1xx00042");
    const std::vector<NamedSetting> settings = HoererLSKonfigModel(image).Settings();
    ASSERT_EQ(settings.size(), 10u);
    EXPECT_EQ(settings[0].page, "Hörer- und Lautsprecherkonfiguration");
    EXPECT_EQ(settings[0].name, "Hörer");
    EXPECT_EQ(settings[0].words, "Hörer aus wenn aufgelegt");
    EXPECT_EQ(settings[1].name, "Lautsprecher");
    EXPECT_EQ(settings[1].words, "Lautsprecher immer an (gespeichert: 7)");
    EXPECT_EQ(settings[4].name,
              "TETRA-Funktion › Funkkreis 3 › LS-Status ist bei Schwanenhals-PTT und "
              "abgehobenem Hörer");
    EXPECT_EQ(settings[4].words, "immer aktiv");
    EXPECT_EQ(settings[8].name,
              "TETRA-Funktion › Funkkreis 3 › Max. Lautstärke bei Schwanenhals-PTT");
    EXPECT_EQ(settings[8].words, "00042");

    FillDistinct(image);
    ExpectListCoversCommit(HoererLSKonfigModel(image));
}

}  // namespace
}  // namespace orvan
