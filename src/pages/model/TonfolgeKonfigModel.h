#pragma once

#include <string_view>
#include <tuple>
#include <vector>

#include "core/Register.h"
#include "pages/model/Binding.h"

namespace orvan {

// What both call keys' five-tone sequences share: the tone system (register 81 char 4) and the
// lengths of the first tone, of every later tone and of the pause (register 82 chars 0-4, steps
// of 10 ms).
class TonfolgeKonfigModel {
  public:
    static constexpr std::string_view kTitle = "5-Tonfolge Konfiguration";

    enum class Field { FirstTone, LaterTones, Pause };

    explicit TonfolgeKonfigModel(const Register& image);

    // "CCIR", "EEA", "ZVEI", "ZVEI2", "ZVEI3" in the list's sorted order.
    ChoiceCode& ToneSystem() { return toneSystem_.value; }
    FixedDecimal& Length(Field field);
    // Leaving a field: the two-digit ones empty, "0" or "00" become "07", a single digit gets a
    // "0" in front; the one-digit one empty or "0" becomes "7".
    void Leave(Field field) { Length(field).Normalise(); }

    // OK: the fields normalised as on leaving them; a tone system that is no option stays.
    void Commit(Register& image) const;
    std::vector<NamedSetting> Settings() const;

  private:
    auto Bindings() const { return std::tie(toneSystem_, firstTone_, laterTones_, pause_); }

    Bound<ChoiceCode> toneSystem_;
    Bound<FixedDecimal> firstTone_;
    Bound<FixedDecimal> laterTones_;
    Bound<FixedDecimal> pause_;
};

}  // namespace orvan
