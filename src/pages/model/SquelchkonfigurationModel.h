#pragma once

#include <array>
#include <cstddef>

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

    explicit SquelchkonfigurationModel(Register& image);

    // "SQL aktiv high", "SQL aktiv low", "SQL aktiv bei NF*".
    ChoiceCode& CarrierMode(std::size_t circuit) { return carrierModes_.at(circuit).value; }
    // "NF an nur bei SQL", "NF immer an".
    ChoiceCode& Muting(std::size_t circuit) { return muting_.at(circuit).value; }

    // Carrier from the audio, and the page that configures it, need the unit's AF-squelch
    // option; a stored choice of it is still shown and kept.
    bool AfSquelchAvailable() const { return image_.hasAfSquelch; }
    bool CarrierOptionEnabled(std::size_t option) const;
    // The carrier modes as chosen so far, confirmed or not, for the AF squelch page.
    CarrierModes WorkingCarrierModes() const;

    void Commit();
    static HelpText Help();

  private:
    Register& image_;
    std::array<Bound<ChoiceCode>, kCircuitCount> carrierModes_;
    std::array<Bound<ChoiceCode>, kCircuitCount> muting_;
};

}  // namespace orvan
