#include "pages/model/DuplexKonfigModel.h"

namespace orvan {

namespace {

// Any code but duplex shows as simplex.
constexpr ChoiceOption kModeOptions[] = {{'0', "Simplex"}, {'1', "Duplex"}};

constexpr CircuitChoiceRow kRows[] = {{9, {kModeOptions, 0}, "Funkkreis %1", ""}};

}  // namespace

const CircuitChoicePage DuplexKonfigModel::kPage{kTitle, kRows};

HelpText DuplexKonfigModel::Help() {
    return {"Hilfe Duplex Konfiguration", MessageIcon::Information,
            "Duplex Konfiguration:\n\n"
            "Simplex: \nBeim Senden auf diesem Kreis wird die Empfangs-NF auf diesem Kreis "
            "stummgeschaltet.\n"
            "\nDuplex:  \nDie Empfangs-NF wird beim Senden nicht stummgeschaltet.\n"
            "Der Lautsprecher wird beim Senden jedoch standardmäßig abgeschaltet.\n"};
}

}  // namespace orvan
