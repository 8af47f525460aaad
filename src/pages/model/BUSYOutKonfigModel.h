#pragma once

#include <string_view>

#include "core/Register.h"
#include "pages/model/CircuitChoiceModel.h"
#include "pages/model/HelpText.h"

namespace orvan {

// When the unit drives the shared BUSY line, per radio circuit: register 4 chars 0-3.
class BUSYOutKonfigModel : public CircuitChoiceModel {
  public:
    static constexpr std::string_view kTitle = "BUSY Ausgang Konfiguration";
    static const CircuitChoicePage kPage;

    explicit BUSYOutKonfigModel(const Register& image) : CircuitChoiceModel(image, kPage) {}
    static HelpText Help();
};

}  // namespace orvan
