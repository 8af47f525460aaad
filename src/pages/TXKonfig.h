#pragma once

#include "core/Register.h"
#include "pages/CircuitChoiceDialog.h"
#include "ui/UserInterface.h"

namespace orvan {

// Per radio circuit, the LED and the function while another operating unit keys the TX line.
class TXKonfig : public CircuitChoiceDialog {
    Q_OBJECT

  public:
    TXKonfig(Register& image, UserInterface& ui, QWidget* parent = nullptr);
};

}  // namespace orvan
