#pragma once

#include <string_view>

#include "core/Register.h"
#include "pages/model/CircuitChoiceModel.h"
#include "pages/model/HelpText.h"

namespace orvan {

// Simplex or duplex per radio circuit: register 9 chars 0-3.
class DuplexKonfigModel : public CircuitChoiceModel {
  public:
    static constexpr std::string_view kTitle = "Duplex Konfiguration";
    static const CircuitChoicePage kPage;

    explicit DuplexKonfigModel(const Register& image) : CircuitChoiceModel(image, kPage) {}
    static HelpText Help();
};

}  // namespace orvan
