#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/Register.h"
#include "pages/model/Binding.h"
#include "pages/model/Gain.h"
#include "pages/model/HelpText.h"

namespace orvan {

// Per radio circuit the gain of its incoming audio and the level of its minimum volume
// (registers 260-263, chars 0-2 and 3-7), and the level of the minimum overall volume (register
// 264, chars 3-7).
class EingangsverstaerkungModel {
  public:
    static constexpr std::string_view kTitle = "Eingangsverstärkung";
    static constexpr std::string_view kGainLabel = "Eingangspegel:";
    static constexpr std::string_view kLevelLabel = "Pegel für minimale Lautstärke:";
    static constexpr std::string_view kOverallLabel = "Pegel für minimale Gesamtlautstärke:";

    explicit EingangsverstaerkungModel(const Register& image);

    Gain& CircuitGain(std::size_t circuit) { return gains_.at(circuit).value; }
    FixedDecimal& CircuitLevel(std::size_t circuit) { return levels_.at(circuit).value; }
    FixedDecimal& OverallLevel() { return overall_.value; }

    // Leaving a gain field: outside -6.0 to 19.5 it is 0, then rounded down to a tenth.
    void LeaveGain(std::size_t circuit) { CircuitGain(circuit).Normalise(); }
    // Leaving a level field: five digits, a value above 32767 "00000".
    static void LeaveLevel(FixedDecimal& level) { level.Normalise(); }

    // The first circuit whose gain is no number; OK refuses to write while there is one.
    std::optional<std::size_t> FirstInvalidGain() const;
    // OK, once every gain is a number: every field as on leaving it.
    void Commit(Register& image) const;
    std::vector<NamedSetting> Settings() const;
    static HelpText Help();

  private:
    auto Bindings() const { return std::tie(gains_, levels_, overall_); }

    std::array<Bound<Gain>, kCircuitCount> gains_;
    std::array<Bound<FixedDecimal>, kCircuitCount> levels_;
    Bound<FixedDecimal> overall_;
};

}  // namespace orvan
