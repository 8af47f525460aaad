#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/Register.h"
#include "pages/model/Binding.h"
#include "pages/model/FlagChoice.h"
#include "pages/model/HelpText.h"

namespace orvan {

// Whether handset earpiece and loudspeaker switch off with the handset (register 16 chars 0-1),
// and per circuit the loudspeaker at gooseneck PTT with the handset lifted (TETRA): its state
// and its volume (registers 270-273, char 0 and chars 3-7).
class HoererLSKonfigModel {
  public:
    static constexpr std::string_view kTitle = "Hörer- und Lautsprecherkonfiguration";
    static constexpr std::string_view kTetraGroup = "TETRA-Funktion";
    static constexpr std::string_view kStateCaption =
        "LS-Status ist bei Schwanenhals-PTT und abgehobenem Hörer";
    static constexpr std::string_view kVolumeLabel = "Max. Lautstärke bei Schwanenhals-PTT:";

    explicit HoererLSKonfigModel(const Register& image);

    // "Hörer aus wenn aufgelegt" or "Hörer immer an".
    FlagChoice& Earpiece() { return earpiece_.value; }
    // "Lautsprecher aus wenn Hörer abgehoben" or "Lautsprecher immer an".
    FlagChoice& Loudspeaker() { return loudspeaker_.value; }
    // "wie oben eingestellt" or "immer aktiv".
    FlagChoice& PttState(std::size_t circuit) { return pttStates_.at(circuit).value; }
    FixedDecimal& PttVolume(std::size_t circuit) { return pttVolumes_.at(circuit).value; }
    // Leaving a volume field: five digits, a value above 32767 silently "00000".
    void LeaveVolume(std::size_t circuit) { PttVolume(circuit).Normalise(); }

    // OK: every volume as on leaving its field, the switches as chosen.
    void Commit(Register& image) const;
    std::vector<NamedSetting> Settings() const;
    static HelpText Help();

  private:
    auto Bindings() const { return std::tie(earpiece_, loudspeaker_, pttStates_, pttVolumes_); }

    Bound<FlagChoice> earpiece_;
    Bound<FlagChoice> loudspeaker_;
    std::array<Bound<FlagChoice>, kCircuitCount> pttStates_;
    std::array<Bound<FixedDecimal>, kCircuitCount> pttVolumes_;
};

}  // namespace orvan
