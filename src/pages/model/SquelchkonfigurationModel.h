#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/Register.h"
#include "pages/model/Binding.h"
#include "pages/model/HelpText.h"
#include "pages/model/NFSquelchKonfigModel.h"

namespace orvan {

// Per circuit, how the carrier input is evaluated (register 2) and whether the received audio
// is muted without carrier (register 3); chars 0-3, one per circuit.
class SquelchkonfigurationModel {
  public:
    // Option of the carrier mode taken from the audio, which needs the AF-squelch option.
    static constexpr std::size_t kCarrierFromAudioOption = 2;

    static constexpr std::string_view kTitle = "Squelchkonfiguration";

    explicit SquelchkonfigurationModel(const Register& image);

    // "SQL aktiv high", "SQL aktiv low", "SQL aktiv bei NF*".
    ChoiceCode& CarrierMode(std::size_t circuit) { return carrierModes_.at(circuit).value; }
    // "NF an nur bei SQL", "NF immer an".
    ChoiceCode& Muting(std::size_t circuit) { return muting_.at(circuit).value; }

    // Carrier from the audio, and the page that configures it, need the unit's AF-squelch
    // option; a stored choice of it is still shown and kept.
    bool AfSquelchAvailable() const { return afSquelchAvailable_; }
    bool CarrierOptionEnabled(std::size_t option) const;
    // The carrier modes as chosen so far, confirmed or not, for the AF squelch page.
    CarrierModes WorkingCarrierModes() const;

    void Commit(Register& image) const;
    std::vector<NamedSetting> Settings() const;
    static HelpText Help();

  private:
    // Circuit by circuit, as the page's groups stand side by side.
    auto Bindings() const {
        return std::tie(carrierModes_[0], muting_[0], carrierModes_[1], muting_[1],
                        carrierModes_[2], muting_[2], carrierModes_[3], muting_[3]);
    }

    bool afSquelchAvailable_;
    CircuitChoices carrierModes_;
    CircuitChoices muting_;
};

}  // namespace orvan
