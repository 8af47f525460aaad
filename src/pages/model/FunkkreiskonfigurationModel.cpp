#include "pages/model/FunkkreiskonfigurationModel.h"

namespace orvan {

namespace {

constexpr int kCircuitRegister = 0;
constexpr int kPowerUpRegister = 1;

constexpr ChoiceOption kAutomaticActivationOptions[] = {{'0', "Letzten Kreis aktivieren"},
                                                        {'1', "Fehlerton"}};
constexpr ChoiceTable kAutomaticActivation{kAutomaticActivationOptions, std::nullopt};

// Any code but the preset's counts as "the last active circuits".
constexpr ChoiceOption kPowerUpCircuitOptions[] = {{'0', "Einschaltkreise"},
                                                   {'1', "Letzte aktive Kreise"}};
constexpr ChoiceTable kPowerUpCircuits{kPowerUpCircuitOptions, 1};

constexpr std::string_view kActivationGroup = "Automatische Kreisaktivierung";

}  // namespace

FunkkreiskonfigurationModel::FunkkreiskonfigurationModel(const Register& image)
    : allowed_(PerCircuit([&](std::size_t circuit) {
          return BindFlag(image, {kCircuitRegister, circuit}, CircuitTitle(circuit) + " erlaubt");
      })),
      multipleActive_(BindFlag(image, {kCircuitRegister, 4}, "Mehrere aktive Kreise möglich")),
      automaticActivation_(
          BindChoice(image, {kCircuitRegister, 5}, kAutomaticActivation,
                     SettingName({kActivationGroup, "Automatische Kreisaktivierung:"}))),
      lastCircuits_(
          BindCircuitSet(image, {kCircuitRegister, 6},
                         SettingName({kActivationGroup, "Letzter Kreis nach Einschalten:"}))),
      onAtPowerUp_(PerCircuit([&](std::size_t circuit) {
          return BindFlag(image, {kPowerUpRegister, circuit},
                          CircuitTitle(circuit) + " beim Einschalten an");
      })),
      powerUpCircuits_(BindChoice(image, {kPowerUpRegister, 4}, kPowerUpCircuits,
                                  "Beim Einschalten aktive Kreise")) {}

bool FunkkreiskonfigurationModel::OnAtPowerUpEnabled() const {
    return powerUpCircuits_.value.Code() == '0';
}

bool FunkkreiskonfigurationModel::LastCircuitsEnabled() const {
    return automaticActivation_.value.Code() == '0';
}

void FunkkreiskonfigurationModel::Commit(Register& image) const {
    CommitBindings(image, Bindings());
}

std::vector<NamedSetting> FunkkreiskonfigurationModel::Settings() const {
    return ListSettings(kTitle, Bindings());
}

HelpText FunkkreiskonfigurationModel::Help() {
    return {"Hilfe Funkkreiskonfiguration", MessageIcon::Information,
            "Funkkreiskonfiguration:\n\n"
            "Funkkreis x erlaubt: Dieser Funkkreis ist vorhanden und kann aktiviert werden.\n\n"
            "Mehrere aktive Kreise möglich:\nDurch gleichzeitiges Drücken mehrerer "
            "Funkkreistasten\n"
            "lassen sich 2 oder mehr Funkkreise gleichzeitig aktivieren.\n"
            "Sonst kann immer nur ein Funkkreis aktiviert sein.\n\n"
            "Funkkreis x beim Einschalten an:\nDer Funkkreis ist bereits beim Einschalten "
            "aktiviert.\n"
            "Beim Einschalten aktive Kreise:  Einschaltkreise: die vorgewählten Kreise\n"
            "Letzte aktive Kreise: die beim Ausschalten aktiven Kreise\t\n"
            "\n"
            "Automatische Kreisaktivierung:\n"
            "Wenn beim Drücken der Sendertaste oder der Tasten für Ruf 1 und\n"
            "Ruf 2 kein Funkkreis aktiv ist, dann wird entweder der letzte Kreis\n"
            "automatisch aktiviert oder ein Fehlerton ausgegeben.\n"
            "\n"
            "Letzter Kreis nach Einschalten:\n"
            "Hier können die Kreise eingestellt werden, die direkt nach dem\n"
            "Einschalten als letzte Kreise initialisiert werden. Die hier eingestellten\n"
            "Kreise werden nur dann benötigt, wenn direkt nach dem Einschalten\n"
            "keine Kreise ausgewählt sind und die Funktion \"automatische\n"
            "Kreisaktivierung\" aktiv ist. Nur dann werden beim Drücken der Sender-\n"
            "oder Ruftaste die eingestellten Kreise aktiviert."};
}

}  // namespace orvan
