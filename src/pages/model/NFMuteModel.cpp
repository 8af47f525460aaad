#include "pages/model/NFMuteModel.h"

namespace orvan {

namespace {

constexpr int kFirstRegister = 210;

constexpr DecimalRule kLevelRules[] = {PadLeft{}};
constexpr DecimalFormat kLevel{.width = 2, .rules = kLevelRules, .unit = NFMuteModel::kUnit};

}  // namespace

NFMuteModel::NFMuteModel(const Register& image)
    : levels_(PerCircuit([&](std::size_t circuit) {
          const int reg = kFirstRegister + static_cast<int>(circuit);
          auto bind = [&](std::size_t level) {
              return BindDecimal(image, {reg, 2 * level}, kLevel,
                                 SettingName({CircuitTitle(circuit), kLabels[level]}));
          };
          return CircuitLevels{bind(0), bind(1)};
      })) {}

FixedDecimal& NFMuteModel::Field(std::size_t circuit, Level level) {
    return levels_.at(circuit).at(static_cast<std::size_t>(level)).value;
}

void NFMuteModel::Leave(std::size_t circuit, Level level) {
    Field(circuit, level).Normalise();
}

NFMuteModel::AllLevels NFMuteModel::Written() const {
    AllLevels written = levels_;
    if (!forAll_)
        return written;
    for (std::size_t circuit = 1; circuit < kCircuitCount; ++circuit) {
        for (std::size_t level = 0; level < kLevelCount; ++level)
            written[circuit][level].value.SetText(levels_[0][level].value.Text());
    }
    return written;
}

void NFMuteModel::Commit(Register& image) const {
    CommitBindings(image, Written());
}

std::vector<NamedSetting> NFMuteModel::Settings() const {
    return ListSettings(kTitle, Written());
}

HelpText NFMuteModel::Help() {
    return {"Hilfe Geräuschunterdrückung (NF-Mute)", MessageIcon::None,
            "Hier kann eingestellt werden, unter welchem Schwellwert eine auf dem\n"
            "jeweiligen Funkkreis einkommende NF stummgeschaltet wird (Standard-\n"
            "wert: 03), bzw. über welchem Schwellwert die Stummschaltung (Mute) wieder "
            "aufgehoben wird (Standardwert: 20).\n\n"
            "Sinnvollerweise sollte hierbei der zweite Wert nicht kleiner als der erste sein.\n\n"
            "Die Schwellwerte für NF-Mute können sowohl einheitlich als auch für jeden\n"
            "Funkkreis separat definiert werden.\n\n"};
}

}  // namespace orvan
