#include "procedures/model/AusgabepegelModel.h"

#include "pages/model/Catalogue.h"

namespace orvan {

namespace {

constexpr ChoiceTable kSourceTable{kLevelSources, std::nullopt};
constexpr ChoiceTable kTargetTable{kLevelTargets, std::nullopt};

}  // namespace

AusgabepegelModel::AusgabepegelModel()
    : source_(kLevelSources[0].code, kSourceTable), target_(kLevelTargets[0].code, kTargetTable) {}

std::string AusgabepegelModel::Summary(const Register& image) {
    std::string text;
    for (const ChoiceOption& target : kLevelTargets) {
        for (const ChoiceOption& source : kLevelSources) {
            const LevelChoice level{source.code, target.code};
            text += std::string(source.text) + "\t->  " + std::string(target.text) + ":\t" +
                    BindLevel(image, level).value.Text() +
                    "\t(Standard:  " + std::string(StandardLevel(level)) + ")\n";
        }
        text += "\n";
    }
    return text;
}

std::vector<NamedSetting> AusgabepegelModel::Settings(const Register& image) {
    std::vector<Bound<FixedDecimal>> levels;
    for (const ChoiceOption& target : kLevelTargets) {
        for (const ChoiceOption& source : kLevelSources)
            levels.push_back(BindLevel(image, {source.code, target.code}));
    }
    return ListSettings(kTitle, levels);
}

HelpText AusgabepegelModel::Help() {
    return {"Hilfe Ausgabepegel", MessageIcon::Information,
            "Hier kann die Lautstärke von Weckton und Rufton für alle unterschiedlichen "
            "Tonausgaben variiert werden.\n"
            "Über die Schaltfläche \"Ändern...\" wird ein neuer Wert für die digitale\n"
            "Verstärkung festgelegt.\n\n"
            "Einen kompletten Überblick über alle Einstellungen und deren\n"
            "Standardwerte erlaubt die Schaltfläche \"Alle anzeigen...\"\n"};
}

AusgabepegelAendernModel::AusgabepegelAendernModel(const Register& image, LevelChoice level)
    : choice_(level), level_(BindLevel(image, level)) {}

std::string AusgabepegelAendernModel::Frame() const {
    return std::string(SourceName(choice_.source)) + " -> " +
           std::string(TargetShortName(choice_.target));
}

}  // namespace orvan
