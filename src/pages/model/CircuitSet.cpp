#include "pages/model/CircuitSet.h"

#include <stdexcept>

#include "core/TextFunctions.h"

namespace orvan {

namespace {

int Bit(std::size_t circuit) {
    if (circuit >= kCircuitCount)
        throw std::out_of_range("no such radio circuit");
    return 1 << circuit;
}

}  // namespace

CircuitSet::CircuitSet(char stored) : bits_(HexDigitValue(stored)) {}

bool CircuitSet::Contains(std::size_t circuit) const {
    return (bits_ & Bit(circuit)) != 0;
}

void CircuitSet::Set(std::size_t circuit, bool member) {
    bits_ = member ? bits_ | Bit(circuit) : bits_ & ~Bit(circuit);
}

std::string CircuitSet::Stored() const {
    return std::string(1, HexDigitChar(bits_));
}

}  // namespace orvan
