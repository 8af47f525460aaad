#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/Register.h"
#include "pages/model/Binding.h"

namespace orvan {

// The levels at which the unit plays its call tone ("Rufton", source number 2) and its alert
// tone ("Weckton", 3) on four outputs (target numbers 0 to 3): register 220 + source + 10 ×
// target, characters 3 to 7, five digits from "00000" (off) to "32767".

inline constexpr ChoiceOption kLevelSources[] = {{'2', "Rufton"}, {'3', "Weckton"}};
inline constexpr ChoiceOption kLevelTargets[] = {
    {'0', "Lautsprecher"}, {'1', "Hörer / Headset"}, {'2', "Tonband"}, {'3', "Funk (NF-out)"}};
inline constexpr std::size_t kLevelSourceCount = std::size(kLevelSources);
inline constexpr std::size_t kLevelTargetCount = std::size(kLevelTargets);

// One level by the codes of its source and target.
struct LevelChoice {
    char source;
    char target;
};

int LevelRegister(LevelChoice level);
std::string_view SourceName(char source);
// The target as the summary and the radio buttons name it: "Funk (NF-out)".
std::string_view TargetName(char target);
// The target as the change dialog's frame names it: "Funk".
std::string_view TargetShortName(char target);
// The unit's factory level.
std::string_view StandardLevel(LevelChoice level);

// Named "Rufton › Funk (NF-out)"; leaving its field or OK makes it five digits, a value above
// 32767 capped at "32767".
Bound<FixedDecimal> BindLevel(const Register& image, LevelChoice level);

}  // namespace orvan
