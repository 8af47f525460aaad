#pragma once

#include "core/Register.h"
#include "pages/CircuitChoiceDialog.h"
#include "ui/UserInterface.h"

namespace orvan {

// Per radio circuit, when the unit drives the shared BUSY line.
class BUSYOutKonfig : public CircuitChoiceDialog {
    Q_OBJECT

  public:
    BUSYOutKonfig(Register& image, UserInterface& ui, QWidget* parent = nullptr);
};

}  // namespace orvan
