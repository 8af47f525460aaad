#include "pages/model/KeyCircuits.h"

#include "pages/model/Words.h"

namespace orvan {

KeyCircuits::KeyCircuits(char stored) : circuits_(stored), current_(stored == '0'), read_(stored) {}

void KeyCircuits::ChooseCurrent() {
    current_ = true;
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit)
        circuits_.Set(circuit, false);
    read_ = Stored().front();
}

void KeyCircuits::SetCircuit(std::size_t circuit, bool member) {
    circuits_.Set(circuit, member);
    if (member)
        current_ = false;
    read_ = Stored().front();
}

WordsReading KeyCircuits::ReadWords(std::string_view words) const {
    return ReadOneOf(words, "0123456789ABCDEF", [](char stored) { return KeyCircuits(stored); });
}

std::string KeyCircuits::Words() const {
    // Whatever the boxes showed, an empty set sends on the active circuits.
    if (Stored() == "0")
        return WithOddCharacter("auf aktuellen Kreis", std::string(1, read_), Stored());
    return circuits_.Words();
}

}  // namespace orvan
