#include "pages/model/NFSquelchKonfigModel.h"

#include <stdexcept>

namespace orvan {

namespace {

constexpr int kFirstRegister = 214;
constexpr char kCarrierFromAudio = '2';

using Setting = NFSquelchKonfigModel::Setting;

constexpr DecimalRule kTwoDigitRules[] = {PadLeft{}};
constexpr DecimalFormat kLevel{2, kTwoDigitRules, "* 1,8 mV"};
constexpr DecimalFormat kTime{2, kTwoDigitRules, "* 5 ms"};

// One field of a circuit group, in the group's order.
struct FieldLayout {
    Setting setting;
    std::size_t index;  // first character in the circuit's register
    const DecimalFormat& format;
    std::string_view group;
    std::string_view label;
};
constexpr FieldLayout kFields[NFSquelchKonfigModel::kSettingCount] = {
    {Setting::PresenceLevel, 2, kLevel, "Squelch an", "NF wird erkannt ab Schwellwert:"},
    {Setting::PresenceTime, 0, kTime, "Squelch an", "Squelch aktiv, wenn NF erkannt für:"},
    {Setting::AbsenceLevel, 6, kLevel, "Squelch wieder aus",
     "NF nicht vorhanden unter Schwellwert:"},
    {Setting::AbsenceTime, 4, kTime, "Squelch wieder aus",
     "Squelch deaktiviert,\nwenn NF nicht vorhanden für:"},
};

std::size_t Slot(Setting setting) {
    for (std::size_t slot = 0; slot < NFSquelchKonfigModel::kSettingCount; ++slot) {
        if (kFields[slot].setting == setting)
            return slot;
    }
    throw std::out_of_range("no such AF squelch setting");
}

}  // namespace

NFSquelchKonfigModel::NFSquelchKonfigModel(const Register& image, const CarrierModes& carrierModes)
    : carrierModes_(carrierModes), fields_(PerCircuit([&](std::size_t circuit) {
          const int reg = kFirstRegister + static_cast<int>(circuit);
          auto bind = [&](const FieldLayout& field) {
              return BindDecimal(image, {reg, field.index}, field.format,
                                 SettingName({CircuitTitle(circuit), field.group, field.label}));
          };
          return CircuitFields{bind(kFields[0]), bind(kFields[1]), bind(kFields[2]),
                               bind(kFields[3])};
      })) {}

FixedDecimal& NFSquelchKonfigModel::Field(std::size_t circuit, Setting setting) {
    return fields_.at(circuit).at(Slot(setting)).value;
}

bool NFSquelchKonfigModel::Editable(std::size_t circuit) const {
    return carrierModes_.at(circuit) == kCarrierFromAudio;
}

void NFSquelchKonfigModel::Leave(std::size_t circuit, Setting setting) {
    Field(circuit, setting).Normalise();
}

HelpText NFSquelchKonfigModel::Help() {
    return {"Hilfe Squelchkonfiguration", MessageIcon::Information,
            "Konfiguration NF-Squelch:\n\n"
            "Für alle Funkkreise, bei denen Squelch über NF gesteuert wird,\n"
            "kann hier separat definiert werden, wann Squelch aktiv ist.\n\n"
            "Squelch wird aktiviert, sobald am NF-Eingang der Schwellwert für die\n"
            "Aktivierung (Standard: 60) für eine bestimmte Zeitspanne (Standard: 02)\n"
            "überschritten wird.\n\n"
            "Squelch bleibt dann so lange aktiv bis der Schwellwert für die\n"
            "Deaktivierung (Standard: 10) für eine bestimmte Zeitspanne\n"
            "(Standard: 40) unterschritten wird.\n\n"
            "Sinnvollerweise sollte der Schwellwert für die Aktivierung immer\n"
            "größer sein als der für die Deaktivierung."};
}

}  // namespace orvan
