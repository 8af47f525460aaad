#include "pages/model/ToneCallCodes.h"

#include "core/TextFunctions.h"
#include "pages/model/Words.h"

namespace orvan {

namespace {

// In the list's sorted order, as the page shows it.
constexpr ChoiceOption kConditionOptions[] = {{'3', "Immer"},
                                              {'0', "Keine Aktivierung"},
                                              {'2', "Nur wenn kein TX"},
                                              {'1', "Nur wenn kein TX und HA aufliegt"}};
constexpr ChoiceTable kConditions{kConditionOptions, std::nullopt};

constexpr int kModeStep = 4;
constexpr int kHighestCombination = 2 * kModeStep - 1;

bool IsCombination(char stored) {
    return stored >= '0' && stored <= '0' + kHighestCombination;
}

// The condition part of a combined digit; an odd digit stays as it is.
char ConditionOf(char stored) {
    return IsCombination(stored) ? static_cast<char>('0' + (stored - '0') % kModeStep) : stored;
}

}  // namespace

ActivationCode::ActivationCode(char stored)
    : read_(stored),
      condition_(ConditionOf(stored), kConditions),
      addsCircuit_(HexDigitValue(stored) >= kModeStep) {}

std::string ActivationCode::Stored() const {
    if (!condition_.Shown())
        return std::string(1, read_);
    const int condition = condition_.Code() - '0';
    return std::string(1, HexDigitChar(condition + (addsCircuit_ ? kModeStep : 0)));
}

std::string ActivationCode::Words() const {
    if (!condition_.Shown())
        return RawCharacters(Stored());
    return condition_.Words() + ", " +
           (addsCircuit_ ? "Neuen Kreis zusätzlich an" : "Nur neuen Kreis an");
}

WordsReading ActivationCode::ReadWords(std::string_view words) const {
    return ReadOneOf(words, "01234567", [](char stored) { return ActivationCode(stored); });
}

NotificationCode::NotificationCode(char stored) : read_(stored) {
    if (stored >= '0' && stored <= '3')
        bits_ = stored - '0';
}

std::optional<bool> NotificationCode::LedBlinks() const {
    if (!bits_)
        return std::nullopt;
    return (*bits_ & kLedBlinks) != 0;
}

std::optional<bool> NotificationCode::WakeUpTone() const {
    if (!bits_)
        return std::nullopt;
    return (*bits_ & kWakeUpTone) != 0;
}

void NotificationCode::SetLedBlinks(bool on) {
    bits_ = (bits_.value_or(0) & ~kLedBlinks) | (on ? kLedBlinks : 0);
}

void NotificationCode::SetWakeUpTone(bool on) {
    bits_ = (bits_.value_or(0) & ~kWakeUpTone) | (on ? kWakeUpTone : 0);
}

std::string NotificationCode::Stored() const {
    return std::string(1, bits_ ? static_cast<char>('0' + *bits_) : read_);
}

std::string NotificationCode::Words() const {
    if (!bits_)
        return RawCharacters(Stored());
    return std::string(*LedBlinks() ? "Squelch-LED blinkt" : "Squelch-LED blinkt nicht") + ", " +
           (*WakeUpTone() ? "Weckton" : "kein Weckton");
}

WordsReading NotificationCode::ReadWords(std::string_view words) const {
    return ReadOneOf(words, "0123", [](char stored) { return NotificationCode(stored); });
}

}  // namespace orvan
