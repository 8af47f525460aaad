#include "pages/model/SendezeitbegrenzungModel.h"

namespace orvan {

namespace {

constexpr int kLimitRegister = 51;
constexpr int kTimesRegister = 55;

constexpr DecimalRule kLimitRules[] = {PadLeft{}};
constexpr DecimalFormat kLimit{.width = 3, .rules = kLimitRules, .unit = "s"};
// Typed milliseconds count in steps of 10 ms: "255" becomes "250", "7" becomes "700".
constexpr DecimalRule kTimeRules[] = {PadRight{}, ZeroFrom{2}};
constexpr DecimalFormat kTime{.width = 2, .rules = kTimeRules, .unit = "ms", .scaleZeros = 1};

}  // namespace

SendezeitbegrenzungModel::SendezeitbegrenzungModel(const Register& image)
    : fields_{BindDecimal(image, {kLimitRegister, 0}, kLimit, SettingName({kLabels[0]})),
              BindDecimal(image, {kTimesRegister, 0}, kTime, SettingName({kLabels[1]})),
              BindDecimal(image, {kTimesRegister, 2}, kTime, SettingName({kLabels[2]})),
              BindDecimal(image, {kTimesRegister, 4}, kTime, SettingName({kLabels[3]}))} {}

void SendezeitbegrenzungModel::Leave(Field field) {
    if (field == Field::Limit)
        return;
    Text(field).Normalise();
    // No audio may be held back longer than the call waits for the transmitter.
    if (field == Field::PreKeying && Text(Field::PreKeying).Value() > Text(Field::Lead).Value())
        Text(Field::PreKeying).SetText(Text(Field::Lead).Text());
}

void SendezeitbegrenzungModel::Commit(Register& image) const {
    CommitBindings(image, fields_);
}

std::vector<NamedSetting> SendezeitbegrenzungModel::Settings() const {
    return ListSettings(kTitle, fields_);
}

HelpText SendezeitbegrenzungModel::Help() {
    return {"Hilfe Sendezeitbegrenzung", MessageIcon::Information,
            "Sendezeitbegrenzung:\n"
            "Hier kann die Sendezeitbegrenzung eingestellt werden. Wird 000 pro-\n"
            "grammiert, dann ist die Sendezeitbegrenzung ausgeschaltet (Standard).\n"
            "Sonst wird nach der eingestellten Zeit (001-999 s) der Sender automatisch "
            "ausgeschaltet.\n\n"
            "Sendervorlaufzeit:\n"
            "Hier kann die Sendervorlaufzeit eingestellt werden. Sie beginnt mit der\n"
            "Sendertastung. Während der eingestellten Vorlaufzeit (000-990 ms) wird\n"
            "keine NF zum NF-Ausgang geschaltet (Standard: 100 ms). Im Anschluss\n"
            "an die Vorlaufzeit wird Ruf/Tonfolge/FMS gesendet.\n\n"
            "Sendernachlaufzeit:\n"
            "Hier kann die Sendernachlaufzeit eingestellt werden. Sie beginnt mit\n"
            "dem Ende von Ruf/Tonfolge/FMS (000-990 ms, Standard: 100 ms).\n\n"
            "Sendervortastzeit:\n"
            "Während der Sendervortastzeit wird nichts zum NF-Ausgang geschaltet,\n"
            "auch keine Sprache. Die Sendervortastzeit (000-990 ms, Standard:\n"
            "000 ms) darf nicht größer sein als die Sendervorlaufzeit!\n"};
}

}  // namespace orvan
