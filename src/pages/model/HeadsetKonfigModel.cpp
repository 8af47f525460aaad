#include "pages/model/HeadsetKonfigModel.h"

namespace orvan {

namespace {

constexpr int kMicrophoneRegister = 14;
constexpr int kThresholdRegister = 15;

constexpr ChoiceOption kMicrophoneOptions[] = {
    {'0', "SH-Mikro"}, {'1', "HS-Mikro"}, {'2', "SH/HS Mikro*"}};
constexpr ChoiceTable kMicrophones{kMicrophoneOptions, std::nullopt};

constexpr DecimalRule kThresholdRules[] = {PadRight{}};
constexpr DecimalFormat kThreshold{
    .width = 3, .rules = kThresholdRules, .unit = HeadsetKonfigModel::kThresholdUnit};

}  // namespace

HeadsetKonfigModel::HeadsetKonfigModel(const Register& image)
    : microphones_{BindChoice(image, {kMicrophoneRegister, 0}, kMicrophones,
                              SettingName({kKeys[0]})),
                   BindChoice(image, {kMicrophoneRegister, 1}, kMicrophones,
                              SettingName({kKeys[1]}))},
      threshold_(BindDecimal(image, {kThresholdRegister, 0}, kThreshold,
                             SettingName({kThresholdGroup, kThresholdLabel}))) {}

void HeadsetKonfigModel::Commit(Register& image) const {
    CommitBindings(image, microphones_, threshold_);
}

std::vector<NamedSetting> HeadsetKonfigModel::Settings() const {
    return ListSettings(kTitle, microphones_, threshold_);
}

HelpText HeadsetKonfigModel::Help() {
    return {"Hilfe Headsetkonfiguration", MessageIcon::Information,
            "Headset Konfiguration:\n\n"
            "Der Orvan 2a hat eine automatische Erkennung eines angeschlos-\n"
            "senen Headsets. Dazu wird die Versorgungsspannung des Headsets\n"
            "gemessen. Da sich der Ruhestrom und somit die Versorgungsspannung\n"
            "von Headset zu Headset unterscheidet, kann der Schwellwert eingestellt\n"
            "werden, wenn das Headset nicht automatisch erkannt wird.\n\n"
            "Mikro für SH-Taste: Hier wird das Mikrofon für die PTT-Taste am Orvan 2a "
            "eingestellt.\n"
            "\nMikro für HS-Taste: Hier wird das Mikrofon für die Fußtaste am Orvan 2a "
            "eingestellt.\n"
            "\nSH-Mikro:    Schwanenhalsmikrofon\n"
            "\nHS-Mikro:    Headsetmikrofon\n"
            "\nSH/HS Mikro: Schwanenhalsmikrofon wenn kein Headset erkannt wurde, sonst "
            "Headsetmikrofon\n"
            "\nSchwellwertspannung: 000 - 999 (0-4,995 V)\n"};
}

}  // namespace orvan
