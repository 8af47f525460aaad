#include "pages/DuplexKonfig.h"

#include "pages/model/DuplexKonfigModel.h"

namespace orvan {

DuplexKonfig::DuplexKonfig(Register& image, UserInterface& ui, QWidget* parent)
    : CircuitChoiceDialog(image, ui, DuplexKonfigModel::kPage, DuplexKonfigModel::Help(),
                          Controls::RadioGroups, parent) {}

}  // namespace orvan
