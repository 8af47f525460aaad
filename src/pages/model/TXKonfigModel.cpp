#include "pages/model/TXKonfigModel.h"

namespace orvan {

namespace {

// Sorted by text, which is the order of the codes.
constexpr ChoiceOption kLedOptions[] = {{'0', "Keine Funktion"}, {'1', "TX-LED blinkt"}};
constexpr ChoiceOption kFunctionOptions[] = {{'0', "Keine Funktion"},
                                             {'1', "Mutet Kreis"},
                                             {'2', "Sperrt Sendertastung"},
                                             {'3', "Sperrt Sendertastung + mutet Kreis"}};

constexpr CircuitChoiceRow kRows[] = {
    {7, {kLedOptions, std::nullopt}, "LED wenn TX Eingang aktiv", "TX Eingang Funkkreis %1:"},
    {8,
     {kFunctionOptions, std::nullopt},
     "Funktion wenn TX Eingang aktiv",
     "TX Eingang Funkkreis %1:"}};

}  // namespace

const CircuitChoicePage TXKonfigModel::kPage{kTitle, kRows};

HelpText TXKonfigModel::Help() {
    return {"Hilfe TX Konfiguration", MessageIcon::Information,
            "TX Konfiguration:\n\n"
            "Die Sendertast-Leitung (TX) ist bidirektional (Eingang und Ausgang).\n"
            "Sie verbindet mehrere Bediengeräte miteinander.\n"
            "Der Orvan 2a hat eine Sendertastung nach +12V.\n"
            "Hier kann eingestellt werden, wie der Orvan 2a auf eine Aktivierung\n"
            "der TX-Leitung von einem anderen Bediengerät reagiert.\n\n"
            "LED wenn TX-Eingang aktiv:\n"
            "Keine Funktion:\tDie aktive TX-Leitung wird nicht optisch\n\t\tsignalisiert.\n"
            "TX-LED blinkt:\tDie Sende-LED blinkt, wenn der TX-Eingang\n\t\taktiv ist.\n\n"
            "Funktion wenn TX-Eingang aktiv:\n"
            "Keine Funktion:\tDie aktive TX-Leitung löst keine Funktion aus.\n"
            "Mutet Kreis:\tDie NF des Kreises wird stummgeschaltet.\n"};
}

}  // namespace orvan
