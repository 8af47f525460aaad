#include "pages/model/NFKonfigModel.h"

namespace orvan {

namespace {

constexpr ChoiceOption kRoutes[] = {{'0', "Kreis gemutet"},
                                    {'1', "Mithörlautstärke"},
                                    {'2', "Maximale Lautstärke"},
                                    {'3', "MH + max. Lautstärke"}};
// A character that is no route shows an empty list.
constexpr ChoiceTable kRouteTable{kRoutes, std::nullopt};

}  // namespace

NFKonfigModel::NFKonfigModel(const Register& image, const AfOutput& output)
    : output_(output),
      rows_{{{output.deactivatedRegister, kRouteTable, kGroups[kDeactivated],
              "Funkkreis %1:", output.first},
             {output.activatedRegister, kRouteTable, kGroups[kActivated],
              "Funkkreis %1:", output.first}}},
      choices_(image, {output.title, rows_}) {}

HelpText NFKonfigModel::Help() const {
    std::string text(output_.heading);
    text +=
        "Pro Funkkreis sind 2 Schalter für die NF vorhanden. Mit dem Schalter\n"
        "für die Mithörlautstärke wird der Mithörweg über das Mithörpoti aktiviert.\n"
        "Mit dem Schalter für die maximale Lautstärke wird der Normalweg für\n"
        "ausgewählte Kreise aktiviert.\n\n";
    text += output_.normalSettings;
    text += output_.normalDeactivated;
    text += "Aktivierter Kreis:\tMaximale Lautstärke\n";
    return {std::string(output_.helpCaption), MessageIcon::Information, std::move(text)};
}

}  // namespace orvan
