#include "pages/model/BUSYInKonfigModel.h"

namespace orvan {

namespace {

// In the lists' order: sorted by text, the codes follow the texts.
constexpr ChoiceOption kLedOptions[] = {
    {'0', "Keine Funktion"}, {'2', "KR-LED blinkt"}, {'1', "TX-LED blinkt"}};
// The six older functions sorted by text, then the two blocking every activation at places
// seven and eight, where the page has always put them.
constexpr ChoiceOption kFunctionOptions[] = {
    {'0', "Keine Funktion"},
    {'1', "Mutet Kreis"},
    {'4', "Sperrt Kreisaktivierung"},
    {'5', "Sperrt Kreisaktivierung + mutet Kreis"},
    {'2', "Sperrt Sendertastung"},
    {'3', "Sperrt Sendertastung + mutet Kreis"},
    {'6', "Sperrt jegliche Kreisaktivierung"},
    {'7', "Sperrt jegliche Kreisaktivierung + mutet Kreis"}};

constexpr CircuitChoiceRow kRows[] = {
    {5, {kLedOptions, std::nullopt}, "LED wenn BUSY Eingang aktiv", "Funkkreis %1:"},
    {6, {kFunctionOptions, std::nullopt}, "Funktion wenn BUSY Eingang aktiv", "Funkkreis %1:"}};

}  // namespace

const CircuitChoicePage BUSYInKonfigModel::kPage{kTitle, kRows};

HelpText BUSYInKonfigModel::Help() {
    return {"Busy Eingang", MessageIcon::Information,
            "Busy Eingang:\n\n"
            "Die BUSY-Leitung ist bidirektional (Eingang und Ausgang).\n"
            "Sie verbindet mehrere Orvan 2a miteinander.\n"
            "Hier kann eingestellt werden, wie der Orvan 2a auf eine Aktivierung\n"
            "der BUSY-Leitung von einem anderen Orvan 2a reagiert\n\n"
            "LED wenn BUSY Eingang aktiv:\n"
            "Keine Funktion:\tDie aktive BUSY-Leitung wird nicht optisch\n\t\tsignalisiert.\n"
            "KR-LED blinkt:\tDie Kreis-LED blinkt, wenn der BUSY-Eingang\n\t\taktiv ist.\n"
            "TX-LED blinkt:\tDie Sende-LED blinkt, wenn der BUSY-Eingang\n\t\taktiv ist.\n\n"
            "Funktion wenn BUSY Eingang aktiv:\n"
            "Keine Funktion:\tDie aktive BUSY-Leitung löst keine Funktion aus.\n"
            "Mutet Kreis:\tDie NF des Kreises wird stummgeschaltet.\n"
            "\nSperrt Kreisaktivierung:\n"
            "Der Kreis kann nicht durch die Kreistaste, aber durch die automatische\n"
            "Kreisaktivierung aktiviert werden.\n"
            "\nSperrt jegliche Kreisaktivierung:\n"
            "Der Kreis kann weder durch die Kreistaste noch durch die automatische\n"
            "Kreisaktivierung aktiviert werden.\n"
            "\nSperrt Sendertastung:    Auf diesem Kreis kann nicht gesendet werden.\n"};
}

}  // namespace orvan
