#include <gtest/gtest.h>

#include "CatalogueTestSupport.h"
#include "core/Register.h"
#include "procedures/model/EingangsverstaerkungModel.h"

namespace orvan {
namespace {

TEST(EingangsverstaerkungModel, ReadsGainsAndLevelsAndWritesThemBackUnchanged) {
    Register image;
    image.SetValue(260, "07512345xy");
    image.SetValue(261, "000327670");
    image.SetValue(262, "255");
    image.SetValue(263, "06000000");
    image.SetValue(264, "abc00099");
    EingangsverstaerkungModel model(image);
    EXPECT_EQ(model.CircuitGain(0).Text(), "1.5");
    EXPECT_EQ(model.CircuitGain(1).Text(), "-6");
    EXPECT_EQ(model.CircuitGain(2).Text(), "19.5");
    EXPECT_EQ(model.CircuitGain(3).Text(), "0");
    EXPECT_EQ(model.CircuitLevel(0).Text(), "12345");
    EXPECT_EQ(model.OverallLevel().Text(), "00099");
    model.Commit(image);
    EXPECT_EQ(image.Value(260), "07512345xy");
    EXPECT_EQ(image.Value(261), "000327670");
    EXPECT_EQ(image.Value(262), "25500000");
    EXPECT_EQ(image.Value(263), "06000000");
    EXPECT_EQ(image.Value(264), "abc00099");
    EXPECT_TRUE(image.changed);
}

TEST(EingangsverstaerkungModel, OkNormalisesFieldsStillBeingTyped) {
    Register image;
    EingangsverstaerkungModel model(image);
    model.CircuitGain(0).SetText("1.3");
    model.CircuitGain(1).SetText("25");
    model.CircuitGain(2).SetText("-1.25");
    model.CircuitGain(3).SetText("0.7");
    model.CircuitLevel(0).SetText("40000");
    model.CircuitLevel(1).SetText("12");
    model.OverallLevel().SetText("32768");
    ASSERT_FALSE(model.FirstInvalidGain());
    model.Commit(image);
    EXPECT_EQ(image.Value(260), "07300000");
    EXPECT_EQ(image.Value(261), "06000012");
    EXPECT_EQ(image.Value(262), "04700000");
    EXPECT_EQ(image.Value(263), "06700000");
    EXPECT_EQ(image.Value(264), "00000000");
}

TEST(EingangsverstaerkungModel, LeavingAFieldShowsItNormalised) {
    EingangsverstaerkungModel model{Register()};
    model.CircuitGain(2).SetText("1.29");
    model.LeaveGain(2);
    EXPECT_EQ(model.CircuitGain(2).Text(), "1.2");
    model.CircuitGain(2).SetText("-7");
    model.LeaveGain(2);
    EXPECT_EQ(model.CircuitGain(2).Text(), "0");
    model.OverallLevel().SetText("40000");
    EingangsverstaerkungModel::LeaveLevel(model.OverallLevel());
    EXPECT_EQ(model.OverallLevel().Text(), "00000");
    model.CircuitLevel(3).SetText("12");
    EingangsverstaerkungModel::LeaveLevel(model.CircuitLevel(3));
    EXPECT_EQ(model.CircuitLevel(3).Text(), "00012");
}

TEST(EingangsverstaerkungModel, AGainThatIsNoNumberIsFoundFirstToLast) {
    EingangsverstaerkungModel model{Register()};
    EXPECT_FALSE(model.FirstInvalidGain());
    model.CircuitGain(3).SetText("1,5");
    model.CircuitGain(1).SetText("x");
    EXPECT_EQ(model.FirstInvalidGain(), 1u);
    model.CircuitGain(1).SetText("2");
    EXPECT_EQ(model.FirstInvalidGain(), 3u);
    // Leaving the field does not make it a number.
    model.LeaveGain(3);
    EXPECT_EQ(model.CircuitGain(3).Text(), "1,5");
}

TEST(EingangsverstaerkungModel, HelpAndSettings) {
    const HelpText help = EingangsverstaerkungModel::Help();
    EXPECT_EQ(help.caption, "Hilfe Ausgabepegel");
    EXPECT_EQ(help.icon, MessageIcon::Information);
    EXPECT_TRUE(help.text.starts_with("Hier können die Pegel von eingehender NF"));
    EXPECT_NE(help.text.find("muss \".\" statt \",\" verwenket werden. Standardmäßig ist hier "
                             "\"0\"\neingestellt.\n\n"),
              std::string::npos);
    EXPECT_TRUE(help.text.ends_with("werden. Standard: 00000\n"));

    Register image;
    image.SetValue(261, "07500042");
    const std::vector<NamedSetting> settings = EingangsverstaerkungModel(image).Settings();
    ASSERT_EQ(settings.size(), 9u);
    EXPECT_EQ(settings[1].name, "Funkkreis 2 › Eingangspegel");
    EXPECT_EQ(settings[1].words, "1.5 dB");
    EXPECT_EQ(settings[5].name, "Funkkreis 2 › Pegel für minimale Lautstärke");
    EXPECT_EQ(settings[5].words, "00042");
    EXPECT_EQ(settings[8].name, "Pegel für minimale Gesamtlautstärke");

    FillDistinct(image);
    ExpectListCoversCommit(EingangsverstaerkungModel(image));
}

}  // namespace
}  // namespace orvan
