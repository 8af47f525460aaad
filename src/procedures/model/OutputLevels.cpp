#include "procedures/model/OutputLevels.h"

#include <stdexcept>

namespace orvan {

namespace {

constexpr int kFirstRegister = 220;
constexpr std::size_t kLevelIndex = 3;

constexpr DecimalRule kLevelRules[] = {PadLeft{}, Cap{32767, "32767"}};
constexpr DecimalFormat kLevelFormat{5, kLevelRules};

// Per source, per target number.
constexpr std::string_view kStandard[kLevelSourceCount][kLevelTargetCount] = {
    {"00000", "00000", "00000", "10640"},
    {"10640", "05320", "00000", "00000"},
};

std::size_t Find(std::span<const ChoiceOption> options, char code) {
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i].code == code)
            return i;
    }
    throw std::out_of_range("no such output level");
}

}  // namespace

int LevelRegister(LevelChoice level) {
    Find(kLevelSources, level.source);
    Find(kLevelTargets, level.target);
    return kFirstRegister + (level.source - '0') + 10 * (level.target - '0');
}

std::string_view SourceName(char source) {
    return kLevelSources[Find(kLevelSources, source)].text;
}

std::string_view TargetName(char target) {
    return kLevelTargets[Find(kLevelTargets, target)].text;
}

std::string_view TargetShortName(char target) {
    // The frame has no room for the explanation in brackets.
    const std::string_view name = TargetName(target);
    return name.substr(0, name.find(" ("));
}

std::string_view StandardLevel(LevelChoice level) {
    return kStandard[Find(kLevelSources, level.source)][Find(kLevelTargets, level.target)];
}

Bound<FixedDecimal> BindLevel(const Register& image, LevelChoice level) {
    return BindDecimal(image, {LevelRegister(level), kLevelIndex}, kLevelFormat,
                       SettingName({SourceName(level.source), TargetName(level.target)}));
}

}  // namespace orvan
