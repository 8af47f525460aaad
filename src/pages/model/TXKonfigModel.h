#pragma once

#include <string_view>

#include "core/Register.h"
#include "pages/model/CircuitChoiceModel.h"
#include "pages/model/HelpText.h"

namespace orvan {

// How the unit reacts to another operating unit keying the shared TX line, per radio circuit:
// the LED (register 7 chars 0-3) and the function (register 8 chars 0-3).
class TXKonfigModel : public CircuitChoiceModel {
  public:
    static constexpr std::string_view kTitle = "TX Eingang Konfiguration";
    static const CircuitChoicePage kPage;

    explicit TXKonfigModel(const Register& image) : CircuitChoiceModel(image, kPage) {}
    static HelpText Help();
};

}  // namespace orvan
