#pragma once

#include <string_view>

#include "core/Register.h"
#include "pages/model/CircuitChoiceModel.h"
#include "pages/model/HelpText.h"

namespace orvan {

// How the unit reacts to another unit driving the BUSY line, per radio circuit: the LED
// (register 5 chars 0-3) and the function (register 6 chars 0-3).
class BUSYInKonfigModel : public CircuitChoiceModel {
  public:
    static constexpr std::string_view kTitle = "BUSY Eingang Konfiguration";
    static const CircuitChoicePage kPage;

    explicit BUSYInKonfigModel(const Register& image) : CircuitChoiceModel(image, kPage) {}
    static HelpText Help();
};

}  // namespace orvan
