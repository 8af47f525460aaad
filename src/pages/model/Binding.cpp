#include "pages/model/Binding.h"

#include <utility>

namespace orvan {

std::string ReadChars(const Register& image, Position at, std::size_t count) {
    std::string chars;
    for (std::size_t i = 0; i < count; ++i)
        chars += image.CharAt(at.reg, at.index + i);
    return chars;
}

Bound<Flag> BindFlag(const Register& image, Position at, std::string name, Flag::Reading reading) {
    return {at, Flag(image.CharAt(at.reg, at.index), reading), std::move(name)};
}

Bound<ChoiceCode> BindChoice(const Register& image, Position at, const ChoiceTable& table,
                             std::string name) {
    return {at, ChoiceCode(image.CharAt(at.reg, at.index), table), std::move(name)};
}

Bound<CircuitSet> BindCircuitSet(const Register& image, Position at, std::string name) {
    return {at, CircuitSet(image.CharAt(at.reg, at.index)), std::move(name)};
}

Bound<FixedDecimal> BindDecimal(const Register& image, Position at, const DecimalFormat& format,
                                std::string name) {
    return {at, FixedDecimal(ReadChars(image, at, format.width), format), std::move(name)};
}

std::string CircuitCaption(std::string_view caption, std::size_t circuit) {
    std::string text(caption);
    const std::size_t mark = text.find("%1");
    if (mark != std::string::npos)
        text.replace(mark, 2, std::to_string(circuit + 1));
    return text;
}

CircuitChoices BindCircuitChoices(const Register& image, const CircuitChoiceRow& row) {
    return PerCircuit([&](std::size_t circuit) {
        return BindChoice(image, {row.reg, row.first + circuit}, row.table,
                          SettingName({CircuitCaption(row.group, circuit),
                                       CircuitCaption(row.caption, circuit)}));
    });
}

}  // namespace orvan
