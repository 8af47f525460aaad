#include "app/Topics.h"

#include "app/EinzelnesRegister.h"
#include "pages/BUSYInKonfig.h"
#include "pages/BUSYOutKonfig.h"
#include "pages/DuplexKonfig.h"
#include "pages/Funkkreiskonfiguration.h"
#include "pages/HeadsetKonfig.h"
#include "pages/NFMute.h"
#include "pages/Sendezeitbegrenzung.h"
#include "pages/Squelchkonfiguration.h"
#include "pages/TXKonfig.h"
#include "pages/Tastenfunktionen.h"
#include "pages/TonbandrelaisKonfig.h"
#include "pages/Tonrufauswertung.h"

namespace orvan {

namespace {

// A topic whose page is not built yet keeps its place with a null factory.
constexpr Topic kDispatchTable[] = {
    {"Squelchkonfiguration", &MakePage<Squelchkonfiguration>},
    {"Funkkreiskonfiguration", &MakePage<Funkkreiskonfiguration>},
    {"BUSY Ausgang Konfiguration", &MakePage<BUSYOutKonfig>},
    {"BUSY Eingang Konfiguration", &MakePage<BUSYInKonfig>},
    {"TX Konfiguration", &MakePage<TXKonfig>},
    {"Duplexkonfiguration", &MakePage<DuplexKonfig>},
    {"NF zum Lautsprecher", nullptr},
    {"NF zum Hörer", nullptr},
    {"NF zum Tonband", nullptr},
    {"Geräuschunterdrückung (NF-Mute)", &MakePage<NFMute>},
    {"Tonbandrelais Konfiguration", &MakePage<TonbandrelaisKonfig>},
    {"Headset Konfiguration", &MakePage<HeadsetKonfig>},
    {"Sendereinstellungen", &MakePage<Sendezeitbegrenzung>},
    {"Einzelnes Register lesen/schreiben", &MakePage<EinzelnesRegister>},
    {"Hörer-/LS-Konfiguration (+TETRA)", nullptr},
    {"Tastenfunktionen", nullptr},
    {"Tonrufauswertung", &MakePage<Tonrufauswertung>},
    {"Tastenfunktionen", &MakePage<Tastenfunktionen>},
    {"Tonrufauswertung", nullptr},
    {"Ausgabepegel", nullptr},
    {"Eingangsverstärkung", nullptr},
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
