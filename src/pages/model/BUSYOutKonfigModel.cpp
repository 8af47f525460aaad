#include "pages/model/BUSYOutKonfigModel.h"

namespace orvan {

namespace {

constexpr ChoiceOption kOutputOptions[] = {
    {'0', "BUSY immer aus"}, {'1', "BUSY aktiv bei TX aktiv"}, {'2', "BUSY aktiv bei Kreis an"}};

constexpr CircuitChoiceRow kRows[] = {
    {4, {kOutputOptions, std::nullopt}, "", "BUSY Ausgang Funkkreis %1:"}};

}  // namespace

const CircuitChoicePage BUSYOutKonfigModel::kPage{kTitle, kRows};

HelpText BUSYOutKonfigModel::Help() {
    return {
        "Hilfe Busy Ausgang", MessageIcon::Information,
        "Busy Ausgang:\n\n"
        "Die BUSY-Leitung ist bidirektional (Eingang und Ausgang).\n"
        "Sie verbindet mehrere Orvan 2a miteinander.\n"
        "Hier kann eingestellt werden, wann die BUSY-Leitung als\n"
        "Ausgang aktiviert wird. Ist die BUSY-Leitung aktiv, werden "
        "ca. +12V ausgegeben.\n\n"
        "BUSY immer aus:\t\tDie BUSY-Leitung wird nie aktiviert.\n\n"
        "BUSY aktiv bei TX aktiv:\tDie BUSY-Leitung wird bei Sender-\n\t\t\ttastung aktiviert.\n\n"
        "BUSY aktiv bei Kreis an:\tDie Busy-Leitung wird bei aktiviertem\n\t\t\tFunkkreis "
        "aktiviert.\n\n"
        "\nACHTUNG: Die BUSY-Leitung ist nicht mit dem Orvan 4/8\n"
        "kompatibel und darf dort NICHT angeschlossen werden.\n"};
}

}  // namespace orvan
