#include "procedures/model/EingangsverstaerkungModel.h"

namespace orvan {

namespace {

constexpr int kFirstRegister = 260;
constexpr int kOverallRegister = 264;
constexpr std::size_t kLevelIndex = 3;

// Unlike the output levels, a level above the highest is switched off rather than capped.
constexpr DecimalRule kLevelRules[] = {PadLeft{}, Cap{32767, "00000"}};
constexpr DecimalFormat kLevelFormat{5, kLevelRules};

int CircuitRegister(std::size_t circuit) {
    return kFirstRegister + static_cast<int>(circuit);
}

}  // namespace

EingangsverstaerkungModel::EingangsverstaerkungModel(const Register& image)
    : gains_(PerCircuit([&](std::size_t circuit) {
          const Position at{CircuitRegister(circuit), 0};
          return Bound<Gain>{at, Gain(ReadChars(image, at, Gain::kWidth)),
                             SettingName({CircuitTitle(circuit), kGainLabel})};
      })),
      levels_(PerCircuit([&](std::size_t circuit) {
          return BindDecimal(image, {CircuitRegister(circuit), kLevelIndex}, kLevelFormat,
                             SettingName({CircuitTitle(circuit), kLevelLabel}));
      })),
      overall_(BindDecimal(image, {kOverallRegister, kLevelIndex}, kLevelFormat,
                           SettingName({kOverallLabel}))) {}

std::optional<std::size_t> EingangsverstaerkungModel::FirstInvalidGain() const {
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        if (!gains_[circuit].value.IsNumber())
            return circuit;
    }
    return std::nullopt;
}

void EingangsverstaerkungModel::Commit(Register& image) const {
    CommitBindings(image, Bindings());
}

std::vector<NamedSetting> EingangsverstaerkungModel::Settings() const {
    return ListSettings(kTitle, Bindings());
}

HelpText EingangsverstaerkungModel::Help() {
    return {"Hilfe Ausgabepegel", MessageIcon::Information,
            "Hier können die Pegel von eingehender NF der Funkkreise separat\n"
            "angepasst werden. Eine Verringerung der Lautstärke um bis zu 6dB und\n"
            "eine Erhöhung um bis zu 19.5 dB sind möglich. Als Dezimaltrennzeichen\n"
            "muss \".\" statt \",\" verwenket werden. Standardmäßig ist hier \"0\"\n"
            "eingestellt.\n\n"
            "Weiterhin kann für jeden Funkkreis ebenfalls ein Mindestlautstärkepegel\n"
            "festgelegt werden. Standard: 00000\n\n"
            "Für die Gesamtlautstärke kann ebenfalls ein Mindestpegel festgelegt\n"
            "werden. Standard: 00000\n"};
}

}  // namespace orvan
