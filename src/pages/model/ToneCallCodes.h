#pragma once

#include <optional>
#include <string>

#include "pages/model/ChoiceCode.h"
#include "pages/model/Words.h"

namespace orvan {

// When a tone call activates its circuit, and whether the circuit then replaces the active
// circuits or joins them: one hexadecimal digit = condition + 4 × mode, so "0" to "3" replace
// and "4" to "7" add.
class ActivationCode {
  public:
    explicit ActivationCode(char stored);

    // "Immer", "Keine Aktivierung", "Nur wenn kein TX", "Nur wenn kein TX und HA aufliegt",
    // codes "0" to "3"; a digit that is no combination shows no condition.
    ChoiceCode& Condition() { return condition_; }
    const ChoiceCode& Condition() const { return condition_; }
    // The new circuit joins the active ones ("Neuen Kreis zusätzlich an") rather than
    // replacing them ("Nur neuen Kreis an"); read as any hexadecimal value above 3.
    bool AddsCircuit() const { return addsCircuit_; }
    void SetAddsCircuit(bool adds) { addsCircuit_ = adds; }

    // The combined digit. A digit that is no combination ("8" to "F", anything else) is kept
    // as read until the user chooses a condition: no sum of its parts would reproduce it.
    std::string Stored() const;
    // "Nur wenn kein TX, Neuen Kreis zusätzlich an"; an odd digit as it stands.
    std::string Words() const;
    WordsReading ReadWords(std::string_view words) const;

  private:
    char read_;
    ChoiceCode condition_;
    bool addsCircuit_;
};

// How an activation by tone call is announced: bit value 1 = wake-up tone, 2 = the squelch LED
// blinks, "0" to "3".
class NotificationCode {
  public:
    explicit NotificationCode(char stored);

    // Nothing while the stored character is none of "0" to "3" and the user has set neither.
    std::optional<bool> LedBlinks() const;
    std::optional<bool> WakeUpTone() const;
    // Setting one of them on an odd character takes the other as off, as the page then shows.
    void SetLedBlinks(bool on);
    void SetWakeUpTone(bool on);

    // "0" to "3"; an odd character as read until the user sets one of them.
    std::string Stored() const;
    // "Squelch-LED blinkt, kein Weckton"; an odd character as it stands.
    std::string Words() const;
    WordsReading ReadWords(std::string_view words) const;

  private:
    static constexpr int kWakeUpTone = 1;
    static constexpr int kLedBlinks = 2;

    char read_;
    std::optional<int> bits_;
};

}  // namespace orvan
