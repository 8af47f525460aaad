#pragma once

#include "app/InfoDialog.h"

namespace orvan {

// The info dialog as the "Info..." button opens it.
class AboutBox : public InfoDialog {
  public:
    using InfoDialog::InfoDialog;
};

}  // namespace orvan
