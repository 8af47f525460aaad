#include "pages/model/CircuitSet.h"

#include <stdexcept>

#include "core/TextFunctions.h"
#include "pages/model/Words.h"

namespace orvan {

namespace {

int Bit(std::size_t circuit) {
    if (circuit >= kCircuitCount)
        throw std::out_of_range("no such radio circuit");
    return 1 << circuit;
}

}  // namespace

CircuitSet::CircuitSet(char stored) : bits_(HexDigitValue(stored)), read_(stored) {}

bool CircuitSet::Contains(std::size_t circuit) const {
    return (bits_ & Bit(circuit)) != 0;
}

void CircuitSet::Set(std::size_t circuit, bool member) {
    bits_ = member ? bits_ | Bit(circuit) : bits_ & ~Bit(circuit);
    read_ = Stored().front();
}

std::string CircuitSet::Stored() const {
    return std::string(1, HexDigitChar(bits_));
}

WordsReading CircuitSet::ReadWords(std::string_view words) const {
    return ReadOneOf(words, "0123456789ABCDEF", [](char stored) { return CircuitSet(stored); });
}

std::string CircuitSet::Words() const {
    std::string members;
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        if (!Contains(circuit))
            continue;
        if (!members.empty())
            members += ", ";
        members += CircuitTitle(circuit);
    }
    return WithOddCharacter(members.empty() ? "kein Funkkreis" : members, std::string(1, read_),
                            Stored());
}

}  // namespace orvan
