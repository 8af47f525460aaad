#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/Register.h"
#include "pages/model/Binding.h"
#include "pages/model/HelpText.h"

namespace orvan {

// The carrier-mode characters of the four circuits as the squelch page holds them.
using CarrierModes = std::array<char, kCircuitCount>;

// Per circuit, when audio on the AF input counts as the carrier: registers 214-217 (circuit 0
// to 3), four two-digit numbers each.
class NFSquelchKonfigModel {
  public:
    // In the order of their characters: 0-1, 2-3, 4-5, 6-7.
    enum class Setting {
        PresenceTime,   // steps of 5 ms before squelch opens
        PresenceLevel,  // steps of 1,8 mV from which audio counts as present
        AbsenceTime,    // steps of 5 ms before squelch closes
        AbsenceLevel,   // steps of 1,8 mV below which audio counts as absent
    };
    static constexpr std::size_t kSettingCount = 4;

    static constexpr std::string_view kTitle = "Konfiguration NF-Squelch";

    NFSquelchKonfigModel(const Register& image, const CarrierModes& carrierModes);

    FixedDecimal& Field(std::size_t circuit, Setting setting);
    // Only circuits whose carrier comes from the audio are edited here.
    bool Editable(std::size_t circuit) const;
    // Leaving a field fills it to two digits; no range or level comparison is made.
    void Leave(std::size_t circuit, Setting setting);

    // OK: all four circuits are written, the ones not editable unchanged.
    void Commit(Register& image) const { CommitBindings(image, fields_); }
    std::vector<NamedSetting> Settings() const { return ListSettings(kTitle, fields_); }
    static HelpText Help();

  private:
    // A circuit's fields in the order of its groups: "Squelch an" (level, time), then
    // "Squelch wieder aus" (level, time).
    using CircuitFields = std::array<Bound<FixedDecimal>, kSettingCount>;

    CarrierModes carrierModes_;
    std::array<CircuitFields, kCircuitCount> fields_;
};

}  // namespace orvan
