#include "pages/model/HoererLSKonfigModel.h"

namespace orvan {

namespace {

constexpr int kHandsetRegister = 16;
constexpr int kFirstTetraRegister = 270;
constexpr std::size_t kVolumeIndex = 3;

constexpr FlagChoice::OptionPair kEarpiece = {
    {{'0', "Hörer aus wenn aufgelegt"}, {'1', "Hörer immer an"}}};
constexpr FlagChoice::OptionPair kLoudspeaker = {
    {{'0', "Lautsprecher aus wenn Hörer abgehoben"}, {'1', "Lautsprecher immer an"}}};
constexpr FlagChoice::OptionPair kPttState = {{{'0', "wie oben eingestellt"}, {'1', "immer aktiv"}}};

constexpr DecimalRule kVolumeRules[] = {PadLeft{}, Cap{32767, "00000"}};
constexpr DecimalFormat kVolume{5, kVolumeRules};

int TetraRegister(std::size_t circuit) {
    return kFirstTetraRegister + static_cast<int>(circuit);
}

std::string TetraName(std::size_t circuit, std::string_view caption) {
    return SettingName({HoererLSKonfigModel::kTetraGroup, CircuitTitle(circuit), caption});
}

}  // namespace

HoererLSKonfigModel::HoererLSKonfigModel(const Register& image)
    // The switches were kept as "off" or not: anything but "0" reads as always on.
    : earpiece_(BindFlagChoice(image, {kHandsetRegister, 0}, kEarpiece,
                               Flag::Reading::AnyButZeroIsOn, "Hörer")),
      loudspeaker_(BindFlagChoice(image, {kHandsetRegister, 1}, kLoudspeaker,
                                  Flag::Reading::AnyButZeroIsOn, "Lautsprecher")),
      pttStates_(PerCircuit([&](std::size_t circuit) {
          return BindFlagChoice(image, {TetraRegister(circuit), 0}, kPttState,
                                Flag::Reading::OnlyOneIsOn, TetraName(circuit, kStateCaption));
      })),
      pttVolumes_(PerCircuit([&](std::size_t circuit) {
          return BindDecimal(image, {TetraRegister(circuit), kVolumeIndex}, kVolume,
                             TetraName(circuit, kVolumeLabel));
      })) {}

void HoererLSKonfigModel::Commit(Register& image) const {
    CommitBindings(image, Bindings());
}

std::vector<NamedSetting> HoererLSKonfigModel::Settings() const {
    return ListSettings(kTitle, Bindings());
}

HelpText HoererLSKonfigModel::Help() {
    return {"", MessageIcon::None,
            "Hörerkonfiguration: \n"
            "Hier kann eingestellt werden, ob die Hörkapsel im Handhörer bei aufgelegtem\n"
            "Handhörer ausgeschaltet wird oder nicht.\n"
            "Normalerweise wird der Hörer bei aufgelegtem Handapparat ausgeschaltet.\n"
            "Beim Anschluß einer KORLIX-Baugruppe wird jedoch der Hörerausgang auch \n"
            "für den Anschluß eines Headsets verwendet und das Headset muß auch bei \n"
            "aufgelegtem Handapparat funktionieren."
            "\n\n"
            "Lautsprecherkonfiguration:\n"
            "Hier kann eingestellt werden, ob der Lautsprecher bei abgehobenem Handhörer\n"
            "ausgeschaltet wird oder nicht. Normalerweise wird der Lautsprecher beim\n"
            "Abheben des Handapparates ausgeschaltet.\n\n"
            "TETRA-Funktion:\n"
            "Für das TETRA-System ist es möglich, den Lautsprecher zu aktivieren,\n"
            "wenn über das Schwanenhalsmikrophon gesendet wird. Der Lautsprecher\n"
            "ist bei Schwanenhals-PTT immer deaktiviert, wenn die Lautstärke auf\n"
            "00000 gesetzt wird (Standard). Die hier einstellbare Lautstärke ist\n"
            "die Mithörlautstärke des jeweiligen Kreises.\n"
            "Der Lautsprecher verhält sich je nach Auswahl so wie in obiger Laut-\n"
            "sprecherkonfiguration oder ist immer aktiv."};
}

}  // namespace orvan
