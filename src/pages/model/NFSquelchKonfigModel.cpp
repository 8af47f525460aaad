#include "pages/model/NFSquelchKonfigModel.h"

namespace orvan {

namespace {

constexpr int kFirstRegister = 214;
constexpr char kCarrierFromAudio = '2';

constexpr DecimalRule kTwoDigitRules[] = {PadLeft{}};
constexpr DecimalFormat kTwoDigits{2, kTwoDigitRules};

}  // namespace

NFSquelchKonfigModel::NFSquelchKonfigModel(Register& image, const CarrierModes& carrierModes)
    : image_(image), carrierModes_(carrierModes), fields_(PerCircuit([&](std::size_t circuit) {
          const int reg = kFirstRegister + static_cast<int>(circuit);
          return CircuitFields{
              BindDecimal(image, {reg, 0}, kTwoDigits), BindDecimal(image, {reg, 2}, kTwoDigits),
              BindDecimal(image, {reg, 4}, kTwoDigits), BindDecimal(image, {reg, 6}, kTwoDigits)};
      })) {}

FixedDecimal& NFSquelchKonfigModel::Field(std::size_t circuit, Setting setting) {
    return fields_.at(circuit).at(static_cast<std::size_t>(setting)).value;
}

bool NFSquelchKonfigModel::Editable(std::size_t circuit) const {
    return carrierModes_.at(circuit) == kCarrierFromAudio;
}

void NFSquelchKonfigModel::Leave(std::size_t circuit, Setting setting) {
    Field(circuit, setting).Normalise();
}

void NFSquelchKonfigModel::Commit() {
    CommitBindings(image_, fields_);
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
