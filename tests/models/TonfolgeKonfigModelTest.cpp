#include <gtest/gtest.h>

#include "CatalogueTestSupport.h"
#include "core/Register.h"
#include "pages/model/TonfolgeKonfigModel.h"

namespace orvan {
namespace {

using Field = TonfolgeKonfigModel::Field;

TEST(TonfolgeKonfigModel, ToneSystemCodesAndACodeThatIsNoSystemKeptUntilOneIsChosen) {
    struct Case {
        char code;
        const char* shown;
    };
    const Case cases[] = {{'0', "ZVEI"}, {'1', "CCIR"},  {'2', "ZVEI2"},
                          {'3', "EEA"},  {'4', "ZVEI3"}, {'5', ""}};
    for (const Case& c : cases) {
        Register image;
        image.SetValue(81, std::string("ABCD") + c.code + "FGH");
        TonfolgeKonfigModel model(image);
        EXPECT_EQ(model.ToneSystem().ShownText(), c.shown) << c.code;
        model.Commit(image);
        EXPECT_EQ(image.Value(81), std::string("ABCD") + c.code + "FGH");
    }
    Register image;
    image.SetValue(81, "00005000");
    TonfolgeKonfigModel model(image);
    model.ToneSystem().ChooseText("zvei");
    model.ToneSystem().ChooseText("EEA");
    model.Commit(image);
    EXPECT_EQ(image.Value(81), "00003000");
}

TEST(TonfolgeKonfigModel, LengthsAreTheFirstFiveCharactersOfRegister82) {
    Register image;
    image.SetValue(82, "07707XYZ");
    TonfolgeKonfigModel model(image);
    EXPECT_EQ(model.Length(Field::FirstTone).Text(), "07");
    EXPECT_EQ(model.Length(Field::LaterTones).Text(), "7");
    EXPECT_EQ(model.Length(Field::Pause).Text(), "07");
    model.Length(Field::FirstTone).SetText("12");
    model.Length(Field::LaterTones).SetText("3");
    model.Length(Field::Pause).SetText("45");
    model.Commit(image);
    EXPECT_EQ(image.Value(82), "12345XYZ");
    EXPECT_TRUE(image.changed);
}

TEST(TonfolgeKonfigModel, LeavingAFieldGivesEveryToneAndPauseALength) {
    struct Case {
        Field field;
        const char* typed;
        const char* left;
    };
    const Case cases[] = {
        {Field::FirstTone, "5", "05"}, {Field::FirstTone, "00", "07"}, {Field::FirstTone, "", "07"},
        {Field::FirstTone, "0", "07"}, {Field::FirstTone, "12", "12"}, {Field::Pause, "9", "09"},
        {Field::Pause, "00", "07"},    {Field::LaterTones, "0", "7"},  {Field::LaterTones, "", "7"},
        {Field::LaterTones, "3", "3"},
    };
    for (const Case& c : cases) {
        Register image;
        TonfolgeKonfigModel model(image);
        model.Length(c.field).SetText(c.typed);
        model.Leave(c.field);
        EXPECT_EQ(model.Length(c.field).Text(), c.left) << c.typed;
    }
}

TEST(TonfolgeKonfigModel, OkStoresFieldsStillBeingTypedAsOnLeavingThem) {
    Register image;
    image.SetValue(82, "12345");
    TonfolgeKonfigModel model(image);
    model.Length(Field::Pause).SetText("4");
    model.Length(Field::LaterTones).SetText("");
    model.Length(Field::FirstTone).SetText("00");
    model.Commit(image);
    EXPECT_EQ(image.Value(82), "07704");
}

TEST(TonfolgeKonfigModel, ShortRegistersReadAsZerosAndArePaddedOnOk) {
    Register image;
    image.SetValue(81, "12");
    image.SetValue(82, "3");
    TonfolgeKonfigModel model(image);
    EXPECT_EQ(model.ToneSystem().ShownText(), "ZVEI");
    EXPECT_EQ(model.Length(Field::FirstTone).Text(), "30");
    model.Commit(image);
    EXPECT_EQ(image.Value(81), "12000");
    EXPECT_EQ(image.Value(82), "30707");
}

TEST(TonfolgeKonfigModel, SettingsNamedAsThePageShowsThemCoverWhatOkWrites) {
    Register image;
    image.SetValue(81, "00001000");
    image.SetValue(82, "05307000");
    const std::vector<NamedSetting> settings = TonfolgeKonfigModel(image).Settings();
    ASSERT_EQ(settings.size(), 4u);
    EXPECT_EQ(settings[0].page, "5-Tonfolge Konfiguration");
    EXPECT_EQ(settings[0].name, "Tonrufsystem");
    EXPECT_EQ(settings[0].words, "CCIR");
    EXPECT_EQ(settings[2].name, "Tonlänge ab 2. Ton");
    EXPECT_EQ(settings[2].words, "3 * 10 ms");
    EXPECT_EQ(settings[3].words, "07 * 10 ms");

    FillDistinct(image);
    ExpectListCoversCommit(TonfolgeKonfigModel(image));
}

}  // namespace
}  // namespace orvan
