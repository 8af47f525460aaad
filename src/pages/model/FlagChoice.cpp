#include "pages/model/FlagChoice.h"

#include <utility>

#include "pages/model/Words.h"

namespace orvan {

std::string FlagChoice::Words() const {
    return WithOddCharacter(std::string((*options_)[Shown()].text), std::string(1, read_),
                            Stored());
}

Bound<FlagChoice> BindFlagChoice(const Register& image, Position at,
                                 const FlagChoice::OptionPair& options, Flag::Reading reading,
                                 std::string name) {
    return {at, FlagChoice(image.CharAt(at.reg, at.index), options, reading), std::move(name)};
}

}  // namespace orvan
