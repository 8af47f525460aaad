#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "core/Register.h"
#include "pages/model/Binding.h"

namespace orvan {

// For one circuit, how long a tone call must last to be evaluated (registers 83-86 for circuit
// 0 to 3, chars 4-5 minimum and 6-7 maximum, in steps of 100 ms; a maximum of "00" evaluates as
// soon as the minimum is reached), and the level from which any circuit detects a tone
// (register 89, chars 3-7).
class TonrufauswerterKonfigModel {
  public:
    static constexpr std::string_view kTitle = "Tonrufauswerter Konfiguration";

    TonrufauswerterKonfigModel(const Register& image, std::size_t circuit);

    std::size_t Circuit() const { return circuit_; }
    FixedDecimal& Minimum() { return minimum_.value; }
    FixedDecimal& Maximum() { return maximum_.value; }
    FixedDecimal& Level() { return level_.value; }

    // "Auswerten sobald Minimallänge erreicht" rather than "Auswerten, wenn Tonlänge im
    // Intervall". Only the maximum of "00" it stands for is stored.
    bool EvaluatesAtMinimum() const { return evaluatesAtMinimum_; }
    // Evaluating within an interval needs a maximum, which is then edited.
    void EvaluateInInterval() { evaluatesAtMinimum_ = false; }
    void EvaluateAtMinimum();
    bool MaximumEditable() const { return !evaluatesAtMinimum_; }

    // "für alle 4 Kreise übernehmen": the lengths go to all four circuits.
    bool AppliesToAllCircuits() const { return allCircuits_; }
    void SetAppliesToAllCircuits(bool all) { allCircuits_ = all; }

    // Leaving a field. A minimum of nothing or "00" becomes "10"; a maximum not above the
    // minimum becomes "00", and so does every maximum when a minimum is entered that reaches it.
    void LeaveMinimum();
    void LeaveMaximum();
    // Above 32767 the level becomes the standard "00128".
    void LeaveLevel();

    // OK: the three fields normalised as when each is left, in this order, then written.
    void Commit(Register& image) const;
    std::vector<NamedSetting> Settings() const;
    // The lengths of all four circuits and the common level once, as the image holds them.
    static std::vector<NamedSetting> ImageSettings(const Register& image);

  private:
    // The lengths where OK writes them: this circuit's register, or each circuit's.
    std::vector<Bound<FixedDecimal>> LengthTargets() const;
    void Normalise();

    std::size_t circuit_;
    Bound<FixedDecimal> minimum_;
    Bound<FixedDecimal> maximum_;
    Bound<FixedDecimal> level_;
    bool evaluatesAtMinimum_;
    bool allCircuits_ = false;
};

}  // namespace orvan
