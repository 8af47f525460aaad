#include "pages/model/SquelchkonfigurationModel.h"

namespace orvan {

namespace {

// Any code but high and low counts as carrier from the audio.
constexpr ChoiceOption kCarrierModeOptions[] = {
    {'1', "SQL aktiv high"}, {'0', "SQL aktiv low"}, {'2', "SQL aktiv bei NF*"}};
constexpr ChoiceTable kCarrierModes{kCarrierModeOptions,
                                    SquelchkonfigurationModel::kCarrierFromAudioOption};

// Any code but muting counts as audio always on.
constexpr ChoiceOption kMutingOptions[] = {{'1', "NF an nur bei SQL"}, {'0', "NF immer an"}};
constexpr ChoiceTable kMuting{kMutingOptions, 1};

constexpr CircuitChoiceRow kCarrierModeRow{2, kCarrierModes, "Funkkreis %1", "SQL"};
constexpr CircuitChoiceRow kMutingRow{3, kMuting, "Funkkreis %1", "NF"};

}  // namespace

SquelchkonfigurationModel::SquelchkonfigurationModel(const Register& image)
    : afSquelchAvailable_(image.hasAfSquelch),
      carrierModes_(BindCircuitChoices(image, kCarrierModeRow)),
      muting_(BindCircuitChoices(image, kMutingRow)) {}

bool SquelchkonfigurationModel::CarrierOptionEnabled(std::size_t option) const {
    return option != kCarrierFromAudioOption || AfSquelchAvailable();
}

CarrierModes SquelchkonfigurationModel::WorkingCarrierModes() const {
    CarrierModes modes{};
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        modes[circuit] = carrierModes_[circuit].value.Code();
    }
    return modes;
}

void SquelchkonfigurationModel::Commit(Register& image) const {
    CommitBindings(image, Bindings());
}

std::vector<NamedSetting> SquelchkonfigurationModel::Settings() const {
    return ListSettings(kTitle, Bindings());
}

HelpText SquelchkonfigurationModel::Help() {
    return {"Hilfe Squelchkonfiguration", MessageIcon::Information,
            "Squelchkonfiguration:\n\n"
            "Der Trägereingang (SQL) hat einen Pulldown Widerstand (ca. 10k)\n"
            "und benötigt für den high-Zustand eine externe Spannung (5-12V).\n\n"
            "SQL:\n"
            "SQL aktiv high:\tDer Träger ist da, wenn eine externe Spannung\n\t\tanliegt.\n"
            "SQL aktiv low:\tDer Träger ist da, wenn keine externe Spannung\n\t\tanliegt.\n"
            "SQL aktiv bei NF:\tSquelch wird aktiviert, wenn NF erkannt ist.\n\n"
            "Die letzte Auswahl ist nur sinnvoll, wenn Option NF-Squelch\n"
            "installiert ist. In diesem Fall sind weitere Optionen über\n"
            "die Schaltfläche \"Konfiguration NF-Squelch\" zugänglich. \n\n"
            "NF:\n"
            "NF an nur bei SQL:\tDie NF des Kreises wird stummgeschaltet, wenn\n\t\tkein Träger "
            "da ist.\n"
            "NF immer an:\tDie NF des Kreises wird nicht vom Träger\n\t\tstummgeschaltet.\n"};
}

}  // namespace orvan
