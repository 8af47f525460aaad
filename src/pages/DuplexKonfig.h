#pragma once

#include "core/Register.h"
#include "pages/CircuitChoiceDialog.h"
#include "ui/UserInterface.h"

namespace orvan {

// Per radio circuit, simplex or duplex.
class DuplexKonfig : public CircuitChoiceDialog {
    Q_OBJECT

  public:
    DuplexKonfig(Register& image, UserInterface& ui, QWidget* parent = nullptr);
};

}  // namespace orvan
