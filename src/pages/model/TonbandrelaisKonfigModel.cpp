#include "pages/model/TonbandrelaisKonfigModel.h"

#include "pages/model/FieldChecks.h"

namespace orvan {

namespace {

constexpr int kCauseRegister = 12;
constexpr int kFollowOnRegister = 13;

// "00655" typed is the number 655, stored as "655"; "5" as "005".
constexpr DecimalRule kFollowOnRules[] = {AsNumber{}, PadLeft{}};
constexpr DecimalFormat kFollowOn{
    .width = 3, .rules = kFollowOnRules, .unit = "s", .shownAsNumber = true};

}  // namespace

TonbandrelaisKonfigModel::TonbandrelaisKonfigModel(const Register& image)
    : causes_{BindFlag(image, {kCauseRegister, 0}, std::string(kCauses[0])),
              BindFlag(image, {kCauseRegister, 1}, std::string(kCauses[1])),
              BindFlag(image, {kCauseRegister, 2}, std::string(kCauses[2]))},
      followOn_(
          BindDecimal(image, {kFollowOnRegister, 0}, kFollowOn, SettingName({kFollowOnLabel}))) {}

std::optional<std::string> TonbandrelaisKonfigModel::FollowOnProblem() const {
    return WholeNumberProblem(followOn_.value.Text(), 0, kLongestFollowOn);
}

bool TonbandrelaisKonfigModel::Commit(Register& image) const {
    if (FollowOnProblem())
        return false;
    CommitBindings(image, causes_, followOn_);
    return true;
}

std::vector<NamedSetting> TonbandrelaisKonfigModel::Settings() const {
    return ListSettings(kTitle, causes_, followOn_);
}

HelpText TonbandrelaisKonfigModel::Help() {
    return {"Hilfe Tonbandrelais Konfiguration", MessageIcon::Information,
            "Tonbandrelais Konfiguration:\n\n"
            "Hier kann eingestellt werden, wann und wie lange das Relais für die\n"
            "Aktivierung der Tonbandaufzeichnung aktiviert wird. Das Relais schaltet\n"
            "nicht die NF, diese ist immer vorhanden.\n\n"
            "REL mit TX an: Das Relais wird mit jeder Sendertastung eingeschaltet.\n"
            "\nREL mit jedem SQL an: Das Relais wird mit jeder Trägererkennung eingeschaltet.\n"
            "\nREL mit SQL auf aktiviertem Kreis an: Das Relais wird mit Trägerer-\n"
            "kennung auf einem aktiviertem Kreis eingeschaltet.\n"
            "\nNachlaufzeit in s: Das Relais bleibt nach Wegfall des Einschaltkriteriums\n"
            "(TX oder SQL) noch für die eingestellte Zeit aktiv.\n"};
}

}  // namespace orvan
