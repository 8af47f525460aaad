#pragma once

#include "core/Register.h"
#include "pages/CircuitChoiceDialog.h"
#include "ui/UserInterface.h"

namespace orvan {

// Per radio circuit, the LED and the function while another unit drives the BUSY line.
class BUSYInKonfig : public CircuitChoiceDialog {
    Q_OBJECT

  public:
    BUSYInKonfig(Register& image, UserInterface& ui, QWidget* parent = nullptr);
};

}  // namespace orvan
