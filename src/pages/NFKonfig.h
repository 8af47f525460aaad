#pragma once

#include "pages/NFKonfigPage.h"

namespace orvan {

// Which circuits' audio reaches the loudspeaker, and how.
class NFKonfig : public NFKonfigPage {
  public:
    NFKonfig(Register& image, UserInterface& ui, QWidget* parent = nullptr)
        : NFKonfigPage(image, ui, NFKonfigModel::kLoudspeaker, parent) {}
};

}  // namespace orvan
