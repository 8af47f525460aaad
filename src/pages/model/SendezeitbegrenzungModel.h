#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/Register.h"
#include "pages/model/Binding.h"
#include "pages/model/HelpText.h"

namespace orvan {

// The transmit time limit (register 51 chars 0-2, seconds) and the keying times around calls
// (register 55: lead, trailing and pre-keying time, two digits each in steps of 10 ms, shown in
// milliseconds with a third digit "0").
class SendezeitbegrenzungModel {
  public:
    static constexpr std::string_view kTitle = "Sendereinstellungen";

    // In the order of the page.
    enum class Field { Limit, Lead, Trailing, PreKeying };
    static constexpr std::size_t kFieldCount = 4;
    // The fields' labels in the order of Field; they name the settings, too.
    static constexpr std::array<std::string_view, kFieldCount> kLabels = {
        "Sendezeitbegrenzung in s:", "Vorlaufzeit vor Tonfolge / FMS in ms:",
        "Nachaufzeit nach Tonfolge / FMS in ms:", "Vortastzeit ohne NF in ms:"};

    explicit SendezeitbegrenzungModel(const Register& image);

    FixedDecimal& Text(Field field) { return fields_.at(static_cast<std::size_t>(field)).value; }
    // Leaving a time field makes it three digits ending in "0"; leaving the pre-keying field
    // also caps it at the lead time. Leaving the limit changes nothing.
    void Leave(Field field);

    // OK: the limit filled with "0" on the left, the times' leading two digits.
    void Commit(Register& image) const;
    std::vector<NamedSetting> Settings() const;
    static HelpText Help();

  private:
    std::array<Bound<FixedDecimal>, kFieldCount> fields_;
};

}  // namespace orvan
