#include "pages/model/Binding.h"

namespace orvan {

std::string ReadChars(const Register& image, Position at, std::size_t count) {
    std::string chars;
    for (std::size_t i = 0; i < count; ++i)
        chars += image.CharAt(at.reg, at.index + i);
    return chars;
}

Bound<Flag> BindFlag(const Register& image, Position at, Flag::Reading reading) {
    return {at, Flag(image.CharAt(at.reg, at.index), reading)};
}

Bound<ChoiceCode> BindChoice(const Register& image, Position at, const ChoiceTable& table) {
    return {at, ChoiceCode(image.CharAt(at.reg, at.index), table)};
}

Bound<CircuitSet> BindCircuitSet(const Register& image, Position at) {
    return {at, CircuitSet(image.CharAt(at.reg, at.index))};
}

Bound<FixedDecimal> BindDecimal(const Register& image, Position at, const DecimalFormat& format) {
    return {at, FixedDecimal(ReadChars(image, at, format.width), format)};
}

}  // namespace orvan
