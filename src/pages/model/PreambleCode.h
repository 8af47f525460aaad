#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "pages/model/ChoiceCode.h"
#include "pages/model/Words.h"

namespace orvan {

// The FMS preamble and final bit of every telegram in one code character: "0" improved preamble
// and final bit 0, "1" improved preamble and final bit 1, "2" guideline preamble and final bit
// 0, "3" both. Any other character reads as "0".
class PreambleCode {
  public:
    explicit PreambleCode(char stored);

    // "verbesserter Vorlauf", "Richtlinien-Vorlauf".
    static std::span<const ChoiceOption> PreambleOptions();
    // "Schlussbit = 0", "Schlussbit = 1".
    static std::span<const ChoiceOption> FinalBitOptions();

    std::size_t Preamble() const { return preamble_; }
    std::size_t FinalBit() const { return finalBit_; }
    void ChoosePreamble(std::size_t option);
    void ChooseFinalBit(std::size_t option);

    std::string Stored() const;
    // "Richtlinien-Vorlauf, Schlussbit = 1".
    std::string Words() const;
    WordsReading ReadWords(std::string_view words) const;

  private:
    std::size_t preamble_;
    std::size_t finalBit_;
    char read_;  // as read, until the user chooses
};

}  // namespace orvan
