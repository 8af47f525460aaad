#pragma once

#include <cstddef>
#include <string>

#include "pages/model/CircuitSet.h"

namespace orvan {

// The circuits a call key sends on: the circuits active at the moment ("auf aktuellen Kreis"),
// or chosen circuits. Stored as a circuit set in which the empty set means the active circuits.
class KeyCircuits {
  public:
    explicit KeyCircuits(char stored);

    bool Current() const { return current_; }
    bool Contains(std::size_t circuit) const { return circuits_.Contains(circuit); }
    // "auf aktuellen Kreis" clicked: it stays on, and it clears the chosen circuits. It goes off
    // only when a circuit is chosen.
    void ChooseCurrent();
    void SetCircuit(std::size_t circuit, bool member);

    std::string Stored() const { return circuits_.Stored(); }
    // "auf aktuellen Kreis", or the chosen circuits as a circuit set names them.
    std::string Words() const;
    WordsReading ReadWords(std::string_view words) const;

  private:
    CircuitSet circuits_;
    bool current_;
    char read_;  // as read, until the user changes the circuits
};

}  // namespace orvan
