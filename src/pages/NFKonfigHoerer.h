#pragma once

#include "pages/NFKonfigPage.h"

namespace orvan {

// Which circuits' audio reaches the handset, and how.
class NFKonfigHoerer : public NFKonfigPage {
  public:
    NFKonfigHoerer(Register& image, UserInterface& ui, QWidget* parent = nullptr)
        : NFKonfigPage(image, ui, NFKonfigModel::kHandset, parent) {}
};

}  // namespace orvan
