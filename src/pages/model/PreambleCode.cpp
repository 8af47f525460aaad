#include "pages/model/PreambleCode.h"

#include <stdexcept>

#include "pages/model/Words.h"

namespace orvan {

namespace {

constexpr ChoiceOption kPreambleOptions[] = {{'0', "verbesserter Vorlauf"},
                                             {'1', "Richtlinien-Vorlauf"}};
constexpr ChoiceOption kFinalBitOptions[] = {{'0', "Schlussbit = 0"}, {'1', "Schlussbit = 1"}};

std::size_t Checked(std::size_t option) {
    if (option > 1)
        throw std::out_of_range("no such option");
    return option;
}

bool IsCode(char stored) {
    return stored >= '0' && stored <= '3';
}

}  // namespace

PreambleCode::PreambleCode(char stored)
    : preamble_(IsCode(stored) ? (stored - '0') / 2 : 0),
      finalBit_(IsCode(stored) ? (stored - '0') % 2 : 0),
      read_(stored) {}

std::span<const ChoiceOption> PreambleCode::PreambleOptions() {
    return kPreambleOptions;
}

std::span<const ChoiceOption> PreambleCode::FinalBitOptions() {
    return kFinalBitOptions;
}

void PreambleCode::ChoosePreamble(std::size_t option) {
    preamble_ = Checked(option);
    read_ = Stored().front();
}

void PreambleCode::ChooseFinalBit(std::size_t option) {
    finalBit_ = Checked(option);
    read_ = Stored().front();
}

std::string PreambleCode::Stored() const {
    return std::string(1, static_cast<char>('0' + 2 * preamble_ + finalBit_));
}

WordsReading PreambleCode::ReadWords(std::string_view words) const {
    return ReadOneOf(words, "0123", [](char stored) { return PreambleCode(stored); });
}

std::string PreambleCode::Words() const {
    return WithOddCharacter(std::string(kPreambleOptions[preamble_].text) + ", " +
                                std::string(kFinalBitOptions[finalBit_].text),
                            std::string(1, read_), Stored());
}

}  // namespace orvan
