#include "pages/model/TonrufauswertungModel.h"

#include <string>

namespace orvan {

namespace {

constexpr int kFirstRegister = 41;

constexpr ChoiceOption kToneCallOptions[] = {
    {'0', "Keiner"}, {'1', "1"}, {'2', "2"}, {'3', "1 und 2"}};
constexpr ChoiceTable kToneCalls{kToneCallOptions, std::nullopt};

// The group of circuit 0 is "Kreis 1".
std::string GroupTitle(std::size_t circuit) {
    return "Kreis " + std::to_string(circuit + 1);
}

}  // namespace

TonrufauswertungModel::TonrufauswertungModel(const Register& image)
    : circuits_(PerCircuit([&](std::size_t circuit) {
          const int reg = kFirstRegister + static_cast<int>(circuit);
          const std::string group = GroupTitle(circuit);
          return Circuit{
              BindChoice(image, {reg, 0}, kToneCalls,
                         SettingName({group, "Auszuwertender Tonruf:"})),
              {{reg, 1},
               ActivationCode(image.CharAt(reg, 1)),
               SettingName({group, "Funkkreisaktivierung:"})},
              {{reg, 2},
               NotificationCode(image.CharAt(reg, 2)),
               SettingName({group, "Benachrichtigungen bei Kreisaktivierung"})},
          };
      })) {}

void TonrufauswertungModel::Commit(Register& image) const {
    CommitBindings(image, Bindings());
}

std::vector<NamedSetting> TonrufauswertungModel::Settings() const {
    return ListSettings(kTitle, Bindings());
}

HelpText TonrufauswertungModel::Help() {
    return {"", MessageIcon::None,
            "Allgemein:\n"
            "Die Tonrufauswertung ist nur mit der Option Geber/Auswerter verfügbar.\n\n"
            "Auszuwertender Tonruf:\n"
            "Hier kann der auszuwertende Tonruf eingestellt werden. Mögliche Tonrufe sind\n"
            "Tonruf 1 (1750Hz) und/oder Tonruf 2 (2135Hz). Die Konfiguration des Tonruf-\n"
            "auswerters kann über die Schaltfläche \"Konfig...\" geändert werden.\n\n"
            "Funkkreisaktivierung:\n"
            "Hier kann eingestellt werden, unter welchen Bedingungen eine Tonrufauswertung\n"
            "auch zur Funkkreisaktivierung führt. Die Aktivierung erfolgt entweder nie, immer,\n"
            "wenn gerade nicht gesendet wird oder wenn gerade nicht gesendet wird UND\n"
            "der Handapparat aufliegt. Weiterhin kann eingestellt werden, ob die bisherigen\n"
            "Funkkreise aktiviert bleiben oder ob nur der neue Funkkreis aktiviert wird.\n\n"
            "Benachrichtigungen bei Kreisaktivierung:\n"
            "Wird ein Funkkreis durch Tonruf aktiviert, so kann hier eine Benachrichtigung\n"
            "durch die blinkende Squelch-LED und/oder den Weckton programmiert werden\n\n"};
}

}  // namespace orvan
