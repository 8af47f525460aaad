#pragma once

#include <cstddef>
#include <string>

#include "pages/model/Words.h"

namespace orvan {

// Radio circuits are numbered 0 to 3 in code; circuit 0 is "Funkkreis 1".
constexpr std::size_t kCircuitCount = 4;

// A set of radio circuits stored as one hexadecimal digit, bit 0 = circuit 0. A character that
// is no upper-case hexadecimal digit reads as the empty set.
class CircuitSet {
  public:
    explicit CircuitSet(char stored);

    bool Contains(std::size_t circuit) const;
    void Set(std::size_t circuit, bool member);
    // One upper-case digit "0"-"9", "A"-"F".
    std::string Stored() const;
    // The member circuits, "Funkkreis 1, Funkkreis 3", or "kein Funkkreis".
    std::string Words() const;
    // The member circuits, as Words() names them, back to their digit.
    WordsReading ReadWords(std::string_view words) const;

  private:
    int bits_;
    char read_;  // as read, until the user changes the set
};

}  // namespace orvan
