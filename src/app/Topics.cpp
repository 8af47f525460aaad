#include "app/Topics.h"

#include "app/EinzelnesRegister.h"
#include "pages/BUSYInKonfig.h"
#include "pages/BUSYOutKonfig.h"
#include "pages/DuplexKonfig.h"
#include "pages/Funkkreiskonfiguration.h"
#include "pages/HeadsetKonfig.h"
#include "pages/HoererLSKonfig.h"
#include "pages/NFKonfig.h"
#include "pages/NFKonfigHoerer.h"
#include "pages/NFKonfigTonband.h"
#include "pages/NFMute.h"
#include "pages/Sendezeitbegrenzung.h"
#include "pages/Squelchkonfiguration.h"
#include "pages/TXKonfig.h"
#include "pages/Tastenfunktionen.h"
#include "pages/TonbandrelaisKonfig.h"
#include "pages/Tonrufauswertung.h"
#include "procedures/Ausgabepegel.h"
#include "procedures/Eingangsverstaerkung.h"

namespace orvan {

namespace {

constexpr Topic kDispatchTable[] = {
    {"Squelchkonfiguration", &MakePage<Squelchkonfiguration>},
    {"Funkkreiskonfiguration", &MakePage<Funkkreiskonfiguration>},
    {"BUSY Ausgang Konfiguration", &MakePage<BUSYOutKonfig>},
    {"BUSY Eingang Konfiguration", &MakePage<BUSYInKonfig>},
    {"TX Konfiguration", &MakePage<TXKonfig>},
    {"Duplexkonfiguration", &MakePage<DuplexKonfig>},
    {"NF zum Lautsprecher", &MakePage<NFKonfig>},
    {"NF zum Hörer", &MakePage<NFKonfigHoerer>},
    {"NF zum Tonband", &MakePage<NFKonfigTonband>},
    {"Geräuschunterdrückung (NF-Mute)", &MakePage<NFMute>},
    {"Tonbandrelais Konfiguration", &MakePage<TonbandrelaisKonfig>},
    {"Headset Konfiguration", &MakePage<HeadsetKonfig>},
    {"Sendereinstellungen", &MakePage<Sendezeitbegrenzung>},
    {"Einzelnes Register lesen/schreiben", &MakePage<EinzelnesRegister>},
    {"Hörer-/LS-Konfiguration (+TETRA)", &MakePage<HoererLSKonfig>},
    {"Tastenfunktionen", &MakePage<Tastenfunktionen>},
    {"Tonrufauswertung", &MakePage<Tonrufauswertung>},
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
