#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/Register.h"
#include "pages/model/Binding.h"
#include "pages/model/HelpText.h"

namespace orvan {

// Which microphone each transmit key uses (register 14 chars 0-1) and the voltage threshold of
// the headset detection (register 15 chars 0-2, steps of 5 mV).
class HeadsetKonfigModel {
  public:
    static constexpr std::string_view kTitle = "Headset Konfiguration";
    // The lists in the order of their characters: push-to-talk key, foot switch.
    static constexpr std::size_t kKeyCount = 2;
    static constexpr std::array<std::string_view, kKeyCount> kKeys = {
        "Mikro für SH-Taste (PTT):", "Mikro für HS-Taste (Fußtaster):"};
    static constexpr std::string_view kThresholdGroup = "Schwellwertspannung";
    static constexpr std::string_view kThresholdLabel =
        "Schwellwertspannung für AD-Wandler für Headseterkennung:";
    static constexpr std::string_view kThresholdUnit = "* 5 mV";

    explicit HeadsetKonfigModel(const Register& image);

    // "SH-Mikro", "HS-Mikro", "SH/HS Mikro*".
    ChoiceCode& Microphone(std::size_t key) { return microphones_.at(key).value; }
    FixedDecimal& Threshold() { return threshold_.value; }

    // OK: the threshold filled with "0" on the right ("97" is stored as "970").
    void Commit(Register& image) const;
    std::vector<NamedSetting> Settings() const;
    static HelpText Help();

  private:
    std::array<Bound<ChoiceCode>, kKeyCount> microphones_;
    Bound<FixedDecimal> threshold_;
};

}  // namespace orvan
