#include <gtest/gtest.h>

#include <string>

#include "pages/model/DetailFMSModel.h"

namespace orvan {
namespace {

TEST(DetailFMSModel, SplitsTheTextIntoItsFields) {
    DetailFMSModel model("6A1234567C");
    EXPECT_EQ(model.Organisation().ShownText(), "6: Feuerwehr");
    EXPECT_EQ(model.State().ShownText(), "A: Rheinland-Pfalz");
    EXPECT_EQ(model.Location(), "12");
    EXPECT_EQ(model.Vehicle(), "3456");
    EXPECT_EQ(model.Status().ShownText(), "7");
    EXPECT_EQ(model.Tki().ShownText(), "TKI4");
    EXPECT_EQ(model.Direction().ShownText(), "Status");
    EXPECT_EQ(model.Level().ShownText(), "Baustufe 1");
}

TEST(DetailFMSModel, FlagsDigitIsFourTimesTkiPlusTwiceInstructionPlusLevel) {
    struct Case {
        char flags;
        const char* tki;
        const char* direction;
        const char* level;
    };
    const Case cases[] = {
        {'0', "TKI 1", "Status", "Baustufe 1"},   {'3', "TKI 1", "Anweisung", "Baustufe 2"},
        {'7', "TKI2", "Anweisung", "Baustufe 2"}, {'9', "TKI3", "Status", "Baustufe 2"},
        {'C', "TKI4", "Status", "Baustufe 1"},    {'F', "TKI4", "Anweisung", "Baustufe 2"},
        {'c', "TKI 1", "Status", "Baustufe 1"},   {'x', "TKI 1", "Status", "Baustufe 1"},
    };
    for (const Case& c : cases) {
        DetailFMSModel model(std::string("000000000") + c.flags);
        EXPECT_EQ(model.Tki().ShownText(), c.tki) << c.flags;
        EXPECT_EQ(model.Direction().ShownText(), c.direction) << c.flags;
        EXPECT_EQ(model.Level().ShownText(), c.level) << c.flags;
    }
}

TEST(DetailFMSModel, OkPutsTheFieldsBackWithLocationAndVehicleFilledOnTheLeft) {
    DetailFMSModel model("6A1234567C");
    model.Organisation().ChooseText("D: Rettungsdienst");
    model.State().ChooseText("3: Bayern 1");
    model.SetLocation("5");
    model.SetVehicle("12");
    model.Status().ChooseText("E");
    model.Tki().ChooseText("TKI3");
    model.Direction().ChooseText("Anweisung");
    model.Level().ChooseText("Baustufe 2");
    std::string text = "6A1234567C";
    model.Apply(text);
    EXPECT_EQ(text, "D3050012EB");
}

TEST(DetailFMSModel, EveryFlagsDigitIsWrittenBackAsItWasRead) {
    for (char flags : std::string("0123456789ABCDEF")) {
        std::string text = std::string("6A1234567") + flags;
        DetailFMSModel(text).Apply(text);
        EXPECT_EQ(text.back(), flags);
    }
    DetailFMSModel model("0000000000");
    model.Tki().ChooseText("TKI2");
    model.Direction().ChooseText("Anweisung");
    std::string text = "0000000000";
    model.Apply(text);
    EXPECT_EQ(text.back(), '6');
}

TEST(DetailFMSModel, CharactersThatAreNoCodeShowNoEntryAndSurviveOk) {
    DetailFMSModel model("xy12 456zz");
    EXPECT_EQ(model.Organisation().ShownText(), "");
    EXPECT_EQ(model.State().ShownText(), "");
    EXPECT_EQ(model.Status().ShownText(), "");
    EXPECT_EQ(model.Vehicle(), " 456");
    std::string text = "xy12 456zz";
    model.Apply(text);
    EXPECT_EQ(text, "xy12 456z0") << "the flags digit is rewritten from its parts";
}

TEST(DetailFMSModel, AShortTextIsReadAndWrittenAsIfFilledWithZeros) {
    DetailFMSModel model("6A12");
    EXPECT_EQ(model.Vehicle(), "0000");
    EXPECT_EQ(model.Status().ShownText(), "0");
    std::string text = "6A12";
    model.Apply(text);
    EXPECT_EQ(text, "6A12000000");
}

TEST(DetailFMSModel, DescribesHexadecimalFmsTextsOnly) {
    EXPECT_EQ(DetailFMSModel::Describe("6A1234567C"),
              "6: Feuerwehr, A: Rheinland-Pfalz, Ort 12, Fahrzeug 3456, Status 7, TKI4, "
              "Baustufe 1");
    EXPECT_EQ(DetailFMSModel::Describe("1000000003"),
              "1: Polizei (Länder), 0: Sachsen, Ort 00, Fahrzeug 0000, Anweisung 0, TKI 1, "
              "Baustufe 2");
    EXPECT_EQ(DetailFMSModel::Describe("6a1234567C"), "");
    EXPECT_EQ(DetailFMSModel::Describe("6A1234567"), "");
}

TEST(DetailFMSModel, HelpIsAPlainBoxUnderTheProgramsTitle) {
    const HelpText help = DetailFMSModel::Help();
    EXPECT_EQ(help.caption, "");
    EXPECT_EQ(help.icon, MessageIcon::None);
    EXPECT_TRUE(help.text.starts_with("BOS-Kennung:\nHier wird die 1. Stelle"));
    EXPECT_NE(help.text.find("Status F einzustellen.\n\nTKI 1-4:\n"), std::string::npos);
    EXPECT_NE(help.text.find("Anweisungstelegramme\nwerden immer"), std::string::npos);
    EXPECT_TRUE(help.text.ends_with("ein Anweisungstelegramm gewählt werden.\n\n"));
}

}  // namespace
}  // namespace orvan
