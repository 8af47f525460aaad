#pragma once

#include "pages/NFKonfigPage.h"

namespace orvan {

// Which circuits' audio reaches the tape recorder output, and how.
class NFKonfigTonband : public NFKonfigPage {
  public:
    NFKonfigTonband(Register& image, UserInterface& ui, QWidget* parent = nullptr)
        : NFKonfigPage(image, ui, NFKonfigModel::kTape, parent) {}
};

}  // namespace orvan
