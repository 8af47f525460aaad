#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/Register.h"
#include "pages/model/Binding.h"
#include "pages/model/HelpText.h"

namespace orvan {

// Which radio circuits exist, may be active together and are active at power-up, and what the
// unit does when a key needs a circuit and none is active: register 0 chars 0-6, register 1
// chars 0-4.
class FunkkreiskonfigurationModel {
  public:
    static constexpr std::string_view kTitle = "Funkkreiskonfiguration";

    explicit FunkkreiskonfigurationModel(const Register& image);

    Flag& Allowed(std::size_t circuit) { return allowed_.at(circuit).value; }
    Flag& MultipleActive() { return multipleActive_.value; }
    Flag& OnAtPowerUp(std::size_t circuit) { return onAtPowerUp_.at(circuit).value; }
    // "Einschaltkreise" or "Letzte aktive Kreise".
    ChoiceCode& PowerUpCircuits() { return powerUpCircuits_.value; }
    // "Letzten Kreis aktivieren" or "Fehlerton".
    ChoiceCode& AutomaticActivation() { return automaticActivation_.value; }
    // The circuits taken as the last active ones right after power-up.
    CircuitSet& LastCircuits() { return lastCircuits_.value; }

    // The preset power-up circuits matter only while the preset is what the unit switches on.
    bool OnAtPowerUpEnabled() const;
    // The last circuits matter only while keys activate the last circuit automatically.
    bool LastCircuitsEnabled() const;

    // OK: every bound character back in place, disabled boxes included.
    void Commit(Register& image) const;
    std::vector<NamedSetting> Settings() const;
    static HelpText Help();

  private:
    // In the order of the page: left column, right column, automatic activation.
    auto Bindings() const {
        return std::tie(allowed_, multipleActive_, onAtPowerUp_, powerUpCircuits_,
                        automaticActivation_, lastCircuits_);
    }

    std::array<Bound<Flag>, kCircuitCount> allowed_;
    Bound<Flag> multipleActive_;
    Bound<ChoiceCode> automaticActivation_;
    Bound<CircuitSet> lastCircuits_;
    std::array<Bound<Flag>, kCircuitCount> onAtPowerUp_;
    Bound<ChoiceCode> powerUpCircuits_;
};

}  // namespace orvan
