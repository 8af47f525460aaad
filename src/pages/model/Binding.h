#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/Register.h"
#include "pages/model/Catalogue.h"
#include "pages/model/ChoiceCode.h"
#include "pages/model/CircuitSet.h"
#include "pages/model/FixedDecimal.h"
#include "pages/model/Flag.h"
#include "pages/model/Words.h"

namespace orvan {

// Where a setting lives in the image: register `reg`, characters from `index` on.
struct Position {
    int reg = 0;
    std::size_t index = 0;
};

// A page's working copy of one setting together with the place it came from and goes back to,
// and the name the page gives it.
template <typename Encoding>
struct Bound {
    Position at;
    Encoding value;
    std::string name;

    // In place; a short register is padded with "0" up to the position first.
    void WriteTo(Register& image) const { image.ReplaceChars(at.reg, at.index, value.Stored()); }
    // The setting in the catalogue: the characters WriteTo writes, its name, its value in words
    // and how words become characters again.
    NamedSetting Entry() const {
        return {{},
                name,
                value.Words(),
                {{at.reg, at.index, value.Stored().size()}},
                [encoding = value](std::string_view words) { return encoding.ReadWords(words); }};
    }
};

// The count characters at a position; a value that ends early reads as "0" there.
std::string ReadChars(const Register& image, Position at, std::size_t count);

Bound<Flag> BindFlag(const Register& image, Position at, std::string name,
                     Flag::Reading reading = Flag::Reading::OnlyOneIsOn);
Bound<ChoiceCode> BindChoice(const Register& image, Position at, const ChoiceTable& table,
                             std::string name);
Bound<CircuitSet> BindCircuitSet(const Register& image, Position at, std::string name);
Bound<FixedDecimal> BindDecimal(const Register& image, Position at, const DecimalFormat& format,
                                std::string name);

// One binding per radio circuit: bind(circuit) for circuits 0 to 3.
template <typename Bind>
auto PerCircuit(Bind bind) -> std::array<decltype(bind(std::size_t{0})), kCircuitCount> {
    return {bind(0), bind(1), bind(2), bind(3)};
}

// A choice per radio circuit in four characters of one register from `first` on (char first =
// circuit 1), every circuit from the same options. Its captions name circuit n with "%1" =
// n + 1: the group box and the control caption, either of them empty where the page has none.
struct CircuitChoiceRow {
    int reg;
    ChoiceTable table;
    std::string_view group;
    std::string_view caption;
    std::size_t first = 0;
};
using CircuitChoices = std::array<Bound<ChoiceCode>, kCircuitCount>;

CircuitChoices BindCircuitChoices(const Register& image, const CircuitChoiceRow& row);
// A caption of a circuit choice row for one circuit: "%1" replaced by its number.
std::string CircuitCaption(std::string_view caption, std::size_t circuit);

template <typename Binding>
void WriteBindings(Register& image, const Binding& binding) {
    binding.WriteTo(image);
}

template <typename Binding, std::size_t count>
void WriteBindings(Register& image, const std::array<Binding, count>& bindings) {
    for (const Binding& binding : bindings)
        WriteBindings(image, binding);
}

template <typename Binding>
void WriteBindings(Register& image, const std::vector<Binding>& bindings) {
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

template <typename... Bindings>
void CommitBindings(Register& image, const std::tuple<Bindings&...>& bindings) {
    std::apply([&image](const auto&... each) { CommitBindings(image, each...); }, bindings);
}

}  // namespace orvan
