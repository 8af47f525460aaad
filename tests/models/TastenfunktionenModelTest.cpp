#include <gtest/gtest.h>

#include <string>

#include "CatalogueTestSupport.h"
#include "core/Register.h"
#include "pages/model/TastenfunktionenModel.h"

namespace orvan {
namespace {

using Text = TastenfunktionenModel::Text;

const std::string kOptionNote =
    "Um diese Funktion zu nutzen, muss der Orvan mit der Option \"Geber/Auswerter\" "
    "ausgestattet sein!";

class TastenfunktionenModelTest : public ::testing::Test {
  protected:
    // Register 19: PTT flag, RUF 1 and RUF 2 functions, two unused characters, their circuits.
    void SetUp() override {
        image.SetValue(19, "123xx5A0");
        image.SetValue(20, "6A123456");
        image.SetValue(21, "11111111");
        image.SetValue(22, "22222222");
        image.SetValue(23, "37C112207");
        image.SetValue(31, "12345999");
        image.SetValue(32, "ABCDE999");
    }

    Register image;
};

TEST_F(TastenfunktionenModelTest, CallKeyCircuitsFromTheirMaskWhereZeroMeansTheCurrentCircuit) {
    struct Case {
        char mask;
        bool current;
        std::array<bool, kCircuitCount> circuits;
    };
    const Case cases[] = {
        {'0', true, {false, false, false, false}},
        {'5', false, {true, false, true, false}},
        {'F', false, {true, true, true, true}},
        {'a', false, {false, false, false, false}},
    };
    for (const Case& c : cases) {
        for (std::size_t key = 0; key < TastenfunktionenModel::kKeyCount; ++key) {
            image.SetValue(19, std::string("00000") + c.mask + c.mask);
            TastenfunktionenModel model(image);
            EXPECT_EQ(model.Circuits(key).Current(), c.current) << c.mask;
            for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
                EXPECT_EQ(model.Circuits(key).Contains(circuit), c.circuits[circuit]) << c.mask;
            }
        }
    }
}

TEST_F(TastenfunktionenModelTest, CurrentCircuitStaysOnUntilACircuitIsChosen) {
    image.SetValue(19, "000000A");
    TastenfunktionenModel model(image);
    KeyCircuits& ruf2 = model.Circuits(1);
    EXPECT_FALSE(ruf2.Current());
    ruf2.ChooseCurrent();
    ruf2.ChooseCurrent();
    EXPECT_TRUE(ruf2.Current());
    EXPECT_FALSE(ruf2.Contains(1));

    KeyCircuits& ruf1 = model.Circuits(0);
    ASSERT_TRUE(ruf1.Current());
    ruf1.SetCircuit(1, true);
    EXPECT_FALSE(ruf1.Current());
    model.Commit(image);
    EXPECT_EQ(image.Value(19).substr(5, 2), "20");

    TastenfunktionenModel again(image);
    again.Circuits(0).SetCircuit(1, false);
    EXPECT_FALSE(again.Circuits(0).Current()) << "unchecking a circuit does not check it";
    again.Commit(image);
    EXPECT_EQ(image.Value(19)[5], '0');
    EXPECT_TRUE(TastenfunktionenModel(image).Circuits(0).Current());
}

TEST_F(TastenfunktionenModelTest, EachFunctionShowsItsTextCaptionLimitAndEnabledControls) {
    struct Case {
        char function;
        const char* shown;
        const char* text;
        const char* caption;
        std::size_t limit;
        bool textEnabled;
        bool detailEnabled;
    };
    const Case cases[] = {
        {'0', "Keine", "", "FMS Telegramm:", 0, false, false},
        {'1', "RUF1 senden", "", "FMS Telegramm:", 8, false, false},
        {'2', "FMS senden", "1111111111", "FMS Telegramm:", 10, true, true},
        {'3', "Tonfolge senden", "12345", "Tonfolge:", 5, true, false},
        {'x', "", "", "FMS Telegramm:", 0, false, false},
    };
    for (const Case& c : cases) {
        image.SetValue(19, std::string("0") + c.function + "0");
        const TastenfunktionenModel model(image);
        EXPECT_EQ(model.Function(0).ShownText(), c.shown);
        EXPECT_EQ(model.TextOf(Text::Ruf1), c.text) << c.function;
        EXPECT_EQ(model.TextCaption(0), c.caption) << c.function;
        EXPECT_EQ(model.Limit(Text::Ruf1), c.limit) << c.function;
        EXPECT_EQ(model.TextEnabled(0), c.textEnabled) << c.function;
        EXPECT_EQ(model.DetailEnabled(0), c.detailEnabled) << c.function;
        EXPECT_EQ(model.SequenceConfigEnabled(), c.function == '3') << c.function;
    }
    const TastenfunktionenModel model(image);
    EXPECT_EQ(model.TextOf(Text::Identification), "6A1234567C");
    EXPECT_EQ(model.Limit(Text::Identification), 10u);
}

TEST_F(TastenfunktionenModelTest, ChoosingAFunctionReloadsItsTextAndNamesTheOptionItNeeds) {
    image.SetValue(19, "0000000");
    TastenfunktionenModel model(image);

    EXPECT_EQ(model.ChooseFunction(1, "FMS senden"), kOptionNote);
    EXPECT_EQ(model.TextOf(Text::Ruf2), "2222222222");
    EXPECT_EQ(model.Limit(Text::Ruf2), 10u);
    model.EditText(Text::Ruf2, "99");
    EXPECT_EQ(model.ChooseFunction(1, "FMS senden"), kOptionNote);
    EXPECT_EQ(model.TextOf(Text::Ruf2), "2222222222") << "loaded again from the image";

    EXPECT_EQ(model.ChooseFunction(1, "Tonfolge senden"), kOptionNote);
    EXPECT_EQ(model.TextOf(Text::Ruf2), "ABCDE");
    EXPECT_EQ(model.TextCaption(1), "Tonfolge:");
    EXPECT_TRUE(model.SequenceConfigEnabled());
    EXPECT_FALSE(model.DetailEnabled(1));

    EXPECT_EQ(model.ChooseFunction(1, "RUF2 senden"), std::nullopt);
    EXPECT_EQ(model.TextOf(Text::Ruf2), "00000000");
    EXPECT_EQ(model.Limit(Text::Ruf2), 8u);
    EXPECT_EQ(model.TextCaption(1), "Tonfolge:") << "the caption stays as it was";
    EXPECT_FALSE(model.SequenceConfigEnabled());
    EXPECT_FALSE(model.TextEnabled(1));

    EXPECT_EQ(model.ChooseFunction(1, "RUF1 senden"), std::nullopt) << "not RUF 2's item";
    EXPECT_EQ(model.Function(1).Code(), '1');
    EXPECT_EQ(model.TextOf(Text::Ruf2), "00000000");
}

TEST_F(TastenfunktionenModelTest, TextOverItsLimitLosesTheCharacterAtTheLimit) {
    struct Case {
        char function;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {'2', "12345678901", "1234567891"},  // typed at the end: replaces the last
        {'2', "1X2345678901", "1X23456781"},
        {'2', "123", "123"},
        {'3', "123456", "12346"},
        {'3', "1234567890", "12340"},
        {'3', "12345\xC3\xA4", "1234\xC3\xA4"},  // an umlaut counts as one character
        {'3', "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xA4\xC3\xB6",
         "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xB6"},
        {'0', "1", ""},
    };
    for (const Case& c : cases) {
        image.SetValue(19, std::string("0") + c.function);
        TastenfunktionenModel model(image);
        model.EditText(Text::Ruf1, c.typed);
        EXPECT_EQ(model.TextOf(Text::Ruf1), c.kept) << c.typed;
    }
    TastenfunktionenModel model(image);
    model.EditText(Text::Identification, "ABCDEFABCDE");
    EXPECT_EQ(model.TextOf(Text::Identification), "ABCDEFABCE");
}

TEST_F(TastenfunktionenModelTest, OkSplitsTheTextsOverTheirRegisters) {
    image.SetValue(19, "132xx5A0");
    TastenfunktionenModel model(image);
    model.EditText(Text::Identification, "12ab");
    ASSERT_EQ(model.Function(0).Code(), '3');
    model.EditText(Text::Ruf1, "12345");
    model.ChooseFunction(1, "Keine");
    model.IdentificationOnPtt().Set(false);
    model.Preamble().ChoosePreamble(1);
    model.Preamble().ChooseFinalBit(1);
    ASSERT_TRUE(model.Commit(image));

    EXPECT_EQ(image.Value(19), "030xx5A0");
    EXPECT_EQ(image.Value(20), "12AB0000");
    EXPECT_EQ(image.Value(21), "11111111") << "a key sending its sequence leaves its telegram";
    EXPECT_EQ(image.Value(31), "12345000");
    EXPECT_EQ(image.Value(22), "00000000");
    EXPECT_EQ(image.Value(32), "ABCDE999") << "a key without a sequence leaves it";
    EXPECT_EQ(image.Value(23), "300000037");
    EXPECT_TRUE(image.changed);
}

TEST_F(TastenfunktionenModelTest, OkWithoutChangesKeepsTheTextsAndNormalisesFlagAndPreamble) {
    image.SetValue(19, "x2300F0");
    image.SetValue(23, "3ab12345x");
    TastenfunktionenModel model(image);
    EXPECT_TRUE(model.IdentificationOnPtt().IsOn());
    EXPECT_EQ(model.Preamble().Preamble(), 0u);
    EXPECT_EQ(model.Preamble().FinalBit(), 0u);
    ASSERT_TRUE(model.Commit(image));
    EXPECT_EQ(image.Value(19), "12300F0");
    EXPECT_EQ(image.Value(20), "6A123456");
    EXPECT_EQ(image.Value(21), "11111111");
    EXPECT_EQ(image.Value(31), "12345999");
    EXPECT_EQ(image.Value(32), "ABCDE000");
    EXPECT_EQ(image.Value(23), "3AB12000x") << "character 8 is no page's";
}

TEST_F(TastenfunktionenModelTest, PreambleAndFinalBitShareOneCharacter) {
    struct Case {
        char stored;
        std::size_t preamble;
        std::size_t finalBit;
        char written;
    };
    const Case cases[] = {{'0', 0, 0, '0'}, {'1', 0, 1, '1'}, {'2', 1, 0, '2'},
                          {'3', 1, 1, '3'}, {'4', 0, 0, '0'}, {'x', 0, 0, '0'}};
    for (const Case& c : cases) {
        image.SetValue(23, std::string("0000000") + c.stored);
        TastenfunktionenModel model(image);
        EXPECT_EQ(model.Preamble().Preamble(), c.preamble) << c.stored;
        EXPECT_EQ(model.Preamble().FinalBit(), c.finalBit) << c.stored;
        ASSERT_TRUE(model.Commit(image));
        EXPECT_EQ(image.Value(23)[7], c.written);
    }
}

TEST_F(TastenfunktionenModelTest, ATextThatIsNoHexadecimalWritesNothing) {
    for (Text field : {Text::Identification, Text::Ruf1, Text::Ruf2}) {
        image.SetValue(19, "1220000");
        TastenfunktionenModel model(image);
        model.EditText(field, "12G");
        model.Preamble().ChooseFinalBit(0);
        model.IdentificationOnPtt().Set(false);
        EXPECT_EQ(model.Problem(), "Hexwert eingeben!");
        EXPECT_FALSE(model.Commit(image));
        EXPECT_EQ(image.Value(19), "1220000");
        EXPECT_EQ(image.Value(23), "37C112207");
        EXPECT_FALSE(image.changed);

        model.EditText(field, "12fa");
        EXPECT_EQ(model.Problem(), std::nullopt);
    }
}

TEST_F(TastenfunktionenModelTest, ShortRegistersReadAsZerosAndArePaddedOnOk) {
    image.SetValue(19, "1");
    image.SetValue(20, "12");
    image.SetValue(23, "");
    TastenfunktionenModel model(image);
    EXPECT_TRUE(model.Circuits(0).Current());
    EXPECT_EQ(model.TextOf(Text::Identification), "1200000000");
    ASSERT_TRUE(model.Commit(image));
    EXPECT_EQ(image.Value(19), "1000000");
    EXPECT_EQ(image.Value(20), "12000000");
    EXPECT_EQ(image.Value(23), "00000000");
}

TEST_F(TastenfunktionenModelTest, ALongRegisterKeepsItsLengthAndItsTextIsReadByPosition) {
    image.SetValue(20, "6A1234567");
    TastenfunktionenModel model(image);
    EXPECT_EQ(model.TextOf(Text::Identification), "6A1234567C");
    ASSERT_TRUE(model.Commit(image));
    EXPECT_EQ(image.Value(20), "6A1234567");
}

TEST_F(TastenfunktionenModelTest, SettingsNameTheTextsWhereOkStoresThem) {
    image.SetValue(19, "1230005");
    image.SetValue(20, "6A123456");
    image.SetValue(23, "37C11223");
    const std::vector<NamedSetting> settings = TastenfunktionenModel(image).Settings();
    struct Expected {
        const char* name;
        const char* words;
        std::vector<CharRange> chars;
    };
    const Expected expected[] = {
        {"PTT › FMS Kennung bei PTT", "ja", {{19, 0, 1}}},
        {"PTT › auf Kreis", "Funkkreis 1, Funkkreis 2", {{23, 0, 1}}},
        {"PTT › FMS Kennung",
         "6A1234567C (6: Feuerwehr, A: Rheinland-Pfalz, Ort 12, Fahrzeug 3456, Status 7, TKI4, "
         "Baustufe 1)",
         {{20, 0, 8}, {23, 1, 2}}},
        {"RUF 1 Taste › Funktion RUF1-Taste", "FMS senden", {{19, 1, 1}}},
        {"RUF 1 Taste › auf Kreis", "auf aktuellen Kreis", {{19, 5, 1}}},
        {"RUF 1 Taste › FMS Telegramm",
         "1111111111 (1: Polizei (Länder), 1: Bund, Ort 11, Fahrzeug 1111, Status 1, TKI 1, "
         "Baustufe 2)",
         {{21, 0, 8}, {23, 3, 2}}},
        {"RUF 2 Taste › Funktion RUF2-Taste", "Tonfolge senden", {{19, 2, 1}}},
        {"RUF 2 Taste › auf Kreis", "Funkkreis 1, Funkkreis 3", {{19, 6, 1}}},
        {"RUF 2 Taste › Tonfolge", "ABCDE (gespeichert: ABCDE99922)", {{32, 0, 8}, {23, 5, 2}}},
        {"Konfiguration Vorlauf & Schlussbit (für alle Telegramme)",
         "Richtlinien-Vorlauf, Schlussbit = 1",
         {{23, 7, 1}}},
    };
    ASSERT_EQ(settings.size(), std::size(expected));
    for (std::size_t i = 0; i < settings.size(); ++i) {
        EXPECT_EQ(settings[i].page, "Tastenfunktionen");
        EXPECT_EQ(settings[i].name, expected[i].name);
        EXPECT_EQ(settings[i].words, expected[i].words) << expected[i].name;
        ASSERT_EQ(settings[i].chars.size(), expected[i].chars.size()) << expected[i].name;
        for (std::size_t piece = 0; piece < settings[i].chars.size(); ++piece) {
            EXPECT_EQ(settings[i].chars[piece].reg, expected[i].chars[piece].reg);
            EXPECT_EQ(settings[i].chars[piece].first, expected[i].chars[piece].first);
            EXPECT_EQ(settings[i].chars[piece].width, expected[i].chars[piece].width);
        }
    }
}

TEST_F(TastenfunktionenModelTest, ListingCoversWhatOkWritesWhateverTheKeysSend) {
    for (const char* functions : {"23", "32", "01", "xy"}) {
        FillDistinct(image);
        std::string keys = image.Value(19);
        keys.replace(1, 2, functions);
        image.SetValue(19, keys);
        TastenfunktionenModel model(image);
        // The distinct characters are no hexadecimal texts; OK would refuse them.
        for (Text field : {Text::Identification, Text::Ruf1, Text::Ruf2})
            model.SetText(field, "1");
        ExpectListCoversCommit(model);
    }
}

TEST(TastenfunktionenHelp, PlainBoxWithThePagesCaption) {
    const HelpText help = TastenfunktionenModel::Help();
    EXPECT_EQ(help.caption, "Hilfe Tastenfunktionen");
    EXPECT_EQ(help.icon, MessageIcon::None);
    EXPECT_TRUE(help.text.starts_with("Allgemein:\nDie Funktionen \"FMS-Kennung senden\""));
    EXPECT_NE(help.text.find("der Ruf 1,das FMS-\nTelegramm"), std::string::npos);
    EXPECT_TRUE(help.text.ends_with("Pausenlänge zwischen Ruf und Kennung eingestellt werden."));
}

}  // namespace
}  // namespace orvan
