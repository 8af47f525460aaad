#pragma once

#include "app/InfoDialog.h"

namespace orvan {

// The info dialog as the menu item "Inf&o über VEXA2a..." opens it.
class CAboutDlg : public InfoDialog {
  public:
    using InfoDialog::InfoDialog;
};

}  // namespace orvan
