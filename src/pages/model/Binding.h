#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/Register.h"
#include "pages/model/ChoiceCode.h"
#include "pages/model/CircuitSet.h"
#include "pages/model/FixedDecimal.h"
#include "pages/model/Flag.h"

namespace orvan {

// Where a setting lives in the image: register `reg`, characters from `index` on.
struct Position {
    int reg = 0;
    std::size_t index = 0;
};

// A page's working copy of one setting together with the place it came from and goes back to.
template <typename Encoding>
struct Bound {
    Position at;
    Encoding value;

    // In place; a short register is padded with "0" up to the position first.
    void WriteTo(Register& image) const { image.ReplaceChars(at.reg, at.index, value.Stored()); }
};

// The count characters at a position; a value that ends early reads as "0" there.
std::string ReadChars(const Register& image, Position at, std::size_t count);

Bound<Flag> BindFlag(const Register& image, Position at,
                     Flag::Reading reading = Flag::Reading::OnlyOneIsOn);
Bound<ChoiceCode> BindChoice(const Register& image, Position at, const ChoiceTable& table);
Bound<CircuitSet> BindCircuitSet(const Register& image, Position at);
Bound<FixedDecimal> BindDecimal(const Register& image, Position at, const DecimalFormat& format);

// One binding per radio circuit: bind(circuit) for circuits 0 to 3.
template <typename Bind>
auto PerCircuit(Bind bind) -> std::array<decltype(bind(std::size_t{0})), kCircuitCount> {
    return {bind(0), bind(1), bind(2), bind(3)};
}

template <typename Encoding>
void WriteBindings(Register& image, const Bound<Encoding>& binding) {
    binding.WriteTo(image);
}

template <typename Binding, std::size_t count>
void WriteBindings(Register& image, const std::array<Binding, count>& bindings) {
    for (const Binding& binding : bindings)
        WriteBindings(image, binding);
}

// What every page's OK comes down to: the bindings written in place, and the image marked as
// changed. The mark is set on every page, also where the program used to leave it alone, so
// that no edit slips past the save question at exit.
template <typename... Bindings>
void CommitBindings(Register& image, const Bindings&... bindings) {
    (WriteBindings(image, bindings), ...);
    image.changed = true;
}

}  // namespace orvan
