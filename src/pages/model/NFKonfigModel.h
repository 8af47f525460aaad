#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/Register.h"
#include "pages/model/CircuitChoiceModel.h"
#include "pages/model/HelpText.h"

namespace orvan {

// One output the radio circuits' audio is routed to, and what its page says about it.
struct AfOutput {
    std::string_view title;
    int deactivatedRegister;  // settings while a circuit is not the activated one
    int activatedRegister;
    std::size_t first;  // character of circuit 1 in both registers
    std::string_view helpCaption;
    std::string_view heading;
    std::string_view normalSettings;
    std::string_view normalDeactivated;
};

// Per circuit how its audio reaches one output, while the circuit is deactivated and while it
// is activated: muted, over the monitoring path, at full level, or both.
class NFKonfigModel {
  public:
    static constexpr AfOutput kLoudspeaker{
        "NF-Eingangskonfiguration für Lautsprecherausgabe",
        10,
        11,
        0,
        "Hilfe NF-Eingangskonfiguration Lautsprecher",
        "NF-Eingangskonfiguration Lautsprecher:\n\n",
        "Die normalen Einstellungen für die Lautsprecherausgabe sind:\n\n",
        "Deaktivierter Kreis:\tMithörlautstärke (MH)\n"};
    static constexpr AfOutput kHandset{"NF-Eingangskonfiguration für Hörerausgabe",
                                       10,
                                       11,
                                       4,
                                       "Hilfe NF-Eingangskonfiguration Hörer",
                                       "NF-Eingangskonfiguration Hörer:\n\n",
                                       "Die normalen Einstellungen für die Hörerausgabe sind:\n\n",
                                       "Deaktivierter Kreis:\tKreis gemutet\n"};
    // Registers 12 and 13 share characters 0-2 with the tape relay.
    static constexpr AfOutput kTape{"NF-Eingangskonfiguration für Tonbandausgabe",
                                    12,
                                    13,
                                    4,
                                    "Hilfe NF-Eingangskonfiguration Tonband",
                                    "NF-Eingangskonfiguration Tonband:\n\n",
                                    "Die normalen Einstellungen für die Tonbandausgabe sind:\n\n",
                                    "Deaktivierter Kreis:\tKreis gemutet\n"};

    static constexpr std::size_t kDeactivated = 0;
    static constexpr std::size_t kActivated = 1;
    static constexpr std::array<std::string_view, 2> kGroups = {"Deaktivierter Kreis",
                                                                "Aktivierter Kreis"};

    NFKonfigModel(const Register& image, const AfOutput& output);
    // The choices refer to the model's own rows.
    NFKonfigModel(const NFKonfigModel&) = delete;
    NFKonfigModel& operator=(const NFKonfigModel&) = delete;

    std::string_view Title() const { return output_.title; }
    // The setting of a circuit in a group (kDeactivated, kActivated).
    ChoiceCode& Choice(std::size_t group, std::size_t circuit) {
        return choices_.Choice(group, circuit);
    }

    void Commit(Register& image) const { choices_.Commit(image); }
    std::vector<NamedSetting> Settings() const { return choices_.Settings(); }
    HelpText Help() const;

  private:
    const AfOutput& output_;
    std::array<CircuitChoiceRow, 2> rows_;
    CircuitChoiceModel choices_;
};

}  // namespace orvan
