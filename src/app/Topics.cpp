#include "app/Topics.h"

#include "app/EinzelnesRegister.h"
#include "pages/Funkkreiskonfiguration.h"
#include "pages/HoererLSKonfig.h"
#include "pages/NFKonfig.h"
#include "pages/NFKonfigHoerer.h"
#include "pages/NFKonfigTonband.h"
#include "pages/Squelchkonfiguration.h"
#include "procedures/Ausgabepegel.h"
#include "procedures/Eingangsverstaerkung.h"

namespace orvan {

namespace {

// A topic whose page is not built yet keeps its place with a null factory.
constexpr Topic kDispatchTable[] = {
    {"Squelchkonfiguration", &MakePage<Squelchkonfiguration>},
    {"Funkkreiskonfiguration", &MakePage<Funkkreiskonfiguration>},
    {"BUSY Ausgang Konfiguration", nullptr},
    {"BUSY Eingang Konfiguration", nullptr},
    {"TX Konfiguration", nullptr},
    {"Duplexkonfiguration", nullptr},
    {"NF zum Lautsprecher", &MakePage<NFKonfig>},
    {"NF zum Hörer", &MakePage<NFKonfigHoerer>},
    {"NF zum Tonband", &MakePage<NFKonfigTonband>},
    {"Geräuschunterdrückung (NF-Mute)", nullptr},
    {"Tonbandrelais Konfiguration", nullptr},
    {"Headset Konfiguration", nullptr},
    {"Sendereinstellungen", nullptr},
    {"Einzelnes Register lesen/schreiben", &MakePage<EinzelnesRegister>},
    {"Hörer-/LS-Konfiguration (+TETRA)", &MakePage<HoererLSKonfig>},
    {"Tastenfunktionen", nullptr},
    {"Tonrufauswertung", nullptr},
    {"Ausgabepegel", &MakePage<Ausgabepegel>},
    {"Eingangsverstärkung", &MakePage<Eingangsverstaerkung>},
};

constexpr TreeLine kTreeLayout[] = {
    {"BUSY-Konfiguration", false},
    {"BUSY Ausgang Konfiguration", true},
    {"BUSY Eingang Konfiguration", true},
    {"Squelchkonfiguration", false},
    {"Funkkreiskonfiguration", false},
    {"TX Konfiguration", false},
    {"Duplexkonfiguration", false},
    {"NF-Eingangskonfiguration", false},
    {"NF zum Lautsprecher", true},
    {"NF zum Hörer", true},
    {"NF zum Tonband", true},
    {"Geräuschunterdrückung (NF-Mute)", true},
    {"Hörer-/LS-Konfiguration (+TETRA)", false},
    {"Tonbandrelais Konfiguration", false},
    {"Headset Konfiguration", false},
    {"Sendereinstellungen", false},
    {"Tastenfunktionen", false},
    {"Tonrufauswertung", false},
    {"Ausgabepegel", false},
    {"Eingangsverstärkung", false},
    {"Einzelnes Register lesen/schreiben", false},
};

}  // namespace

std::span<const Topic> DispatchTable() {
    return kDispatchTable;
}

std::span<const TreeLine> TreeLayout() {
    return kTreeLayout;
}

PageFactory FindPage(std::span<const Topic> table, std::string_view text) {
    for (const Topic& topic : table) {
        if (text == topic.text)
            return topic.factory;
    }
    return nullptr;
}

}  // namespace orvan
