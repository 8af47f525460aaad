#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "CatalogueTestSupport.h"
#include "core/Register.h"
#include "pages/model/BUSYInKonfigModel.h"
#include "pages/model/BUSYOutKonfigModel.h"
#include "pages/model/DuplexKonfigModel.h"
#include "pages/model/TXKonfigModel.h"

namespace orvan {
namespace {

using Texts = std::array<const char*, kCircuitCount>;

// A row of a page loaded from one value: what each circuit shows, and what OK writes back.
struct Shown {
    const char* page;
    std::function<CircuitChoiceModel(const Register&)> load;
    std::size_t row;
    int reg;
    const char* value;
    Texts texts;  // "" = no item chosen
};

const Shown kShown[] = {
    {"BUSY Ausgang",
     [](const Register& image) { return BUSYOutKonfigModel(image); },
     0,
     4,
     "0120",
     {"BUSY immer aus", "BUSY aktiv bei TX aktiv", "BUSY aktiv bei Kreis an", "BUSY immer aus"}},
    {"BUSY Ausgang",
     [](const Register& image) { return BUSYOutKonfigModel(image); },
     0,
     4,
     "3A1\x7f",
     {"", "", "BUSY aktiv bei TX aktiv", ""}},
    {"BUSY Eingang LED",
     [](const Register& image) { return BUSYInKonfigModel(image); },
     0,
     5,
     "2100",
     {"KR-LED blinkt", "TX-LED blinkt", "Keine Funktion", "Keine Funktion"}},
    {"BUSY Eingang Funktion",
     [](const Register& image) { return BUSYInKonfigModel(image); },
     1,
     6,
     "0467",
     {"Keine Funktion", "Sperrt Kreisaktivierung", "Sperrt jegliche Kreisaktivierung",
      "Sperrt jegliche Kreisaktivierung + mutet Kreis"}},
    {"BUSY Eingang Funktion",
     [](const Register& image) { return BUSYInKonfigModel(image); },
     1,
     6,
     "8235",
     {"", "Sperrt Sendertastung", "Sperrt Sendertastung + mutet Kreis",
      "Sperrt Kreisaktivierung + mutet Kreis"}},
    {"TX LED",
     [](const Register& image) { return TXKonfigModel(image); },
     0,
     7,
     "0210",
     {"Keine Funktion", "", "TX-LED blinkt", "Keine Funktion"}},
    {"TX Funktion",
     [](const Register& image) { return TXKonfigModel(image); },
     1,
     8,
     "0123",
     {"Keine Funktion", "Mutet Kreis", "Sperrt Sendertastung",
      "Sperrt Sendertastung + mutet Kreis"}},
    {"Duplex",
     [](const Register& image) { return DuplexKonfigModel(image); },
     0,
     9,
     "0151",
     {"Simplex", "Duplex", "Simplex", "Duplex"}},
};

TEST(CircuitChoicePages, ShowTheOptionOfEachCodeAndWriteUnchosenCodesBackAsRead) {
    for (const Shown& c : kShown) {
        Register image;
        image.SetValue(c.reg, c.value);
        const CircuitChoiceModel model = c.load(image);
        for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
            EXPECT_EQ(model.Choice(c.row, circuit).ShownText(), c.texts[circuit])
                << c.page << " " << c.value << " circuit " << circuit;
        }
        model.Commit(image);
        EXPECT_EQ(image.Value(c.reg), c.value) << c.page;
        EXPECT_TRUE(image.changed) << c.page;
    }
}

// Choosing an item by its text, for each circuit: the item's code is written for that circuit
// only, whichever list it is in.
TEST(CircuitChoicePages, ChosenItemWritesItsCodeForItsCircuitOnly) {
    struct Choice {
        std::function<CircuitChoiceModel(const Register&)> load;
        std::size_t row;
        int reg;
        const char* text;
        char code;
    };
    const Choice choices[] = {
        {[](const Register& image) { return BUSYOutKonfigModel(image); }, 0, 4, "BUSY immer aus",
         '0'},
        {[](const Register& image) { return BUSYInKonfigModel(image); }, 0, 5, "KR-LED blinkt",
         '2'},
        {[](const Register& image) { return BUSYInKonfigModel(image); }, 1, 6,
         "Sperrt jegliche Kreisaktivierung + mutet Kreis", '7'},
        {[](const Register& image) { return TXKonfigModel(image); }, 1, 8, "Mutet Kreis", '1'},
        {[](const Register& image) { return DuplexKonfigModel(image); }, 0, 9, "Duplex", '1'},
    };
    for (const Choice& c : choices) {
        for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
            Register image;
            image.SetValue(c.reg, "xxxxyz");
            CircuitChoiceModel model = c.load(image);
            model.Choice(c.row, circuit).ChooseText(c.text);
            model.Commit(image);
            std::string expected = "xxxxyz";
            expected[circuit] = c.code;
            EXPECT_EQ(image.Value(c.reg), expected) << c.text;
        }
    }
}

TEST(CircuitChoicePages, CodesOfOnePageAreNoOptionsOfItsTwin) {
    // "2" is a BUSY input LED but no TX input LED.
    Register image;
    image.SetValue(5, "2222");
    image.SetValue(7, "2222");
    EXPECT_EQ(BUSYInKonfigModel(image).Choice(0, 0).ShownText(), "KR-LED blinkt");
    TXKonfigModel tx(image);
    EXPECT_EQ(tx.Choice(0, 0).Shown(), std::nullopt);
    tx.Choice(0, 0).ChooseText("KR-LED blinkt");
    tx.Commit(image);
    EXPECT_EQ(image.Value(7), "2222");
}

TEST(CircuitChoicePages, SettingsAreNamedByTheirGroupAndLabelAndCoverWhatOkWrites) {
    Register image;
    image.SetValue(4, "1");
    image.SetValue(6, "0005");
    image.SetValue(8, "0009");
    image.SetValue(9, "0001");
    struct Named {
        std::vector<NamedSetting> settings;
        std::size_t index;
        const char* page;
        const char* name;
        const char* words;
    };
    const Named named[] = {
        {BUSYOutKonfigModel(image).Settings(), 0, "BUSY Ausgang Konfiguration",
         "BUSY Ausgang Funkkreis 1", "BUSY aktiv bei TX aktiv"},
        {BUSYInKonfigModel(image).Settings(), 7, "BUSY Eingang Konfiguration",
         "Funktion wenn BUSY Eingang aktiv › Funkkreis 4", "Sperrt Kreisaktivierung + mutet Kreis"},
        {TXKonfigModel(image).Settings(), 7, "TX Eingang Konfiguration",
         "Funktion wenn TX Eingang aktiv › TX Eingang Funkkreis 4", "9"},
        {DuplexKonfigModel(image).Settings(), 3, "Duplex Konfiguration", "Funkkreis 4", "Duplex"},
    };
    for (const Named& n : named) {
        ASSERT_GT(n.settings.size(), n.index);
        EXPECT_EQ(n.settings[n.index].page, n.page);
        EXPECT_EQ(n.settings[n.index].name, n.name);
        EXPECT_EQ(n.settings[n.index].words, n.words);
    }

    FillDistinct(image);
    ExpectListCoversCommit(BUSYOutKonfigModel(image));
    ExpectListCoversCommit(BUSYInKonfigModel(image));
    ExpectListCoversCommit(TXKonfigModel(image));
    ExpectListCoversCommit(DuplexKonfigModel(image));
}

}  // namespace
}  // namespace orvan
