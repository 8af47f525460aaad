#include "pages/BUSYInKonfig.h"

#include "pages/model/BUSYInKonfigModel.h"

namespace orvan {

BUSYInKonfig::BUSYInKonfig(Register& image, UserInterface& ui, QWidget* parent)
    : CircuitChoiceDialog(image, ui, BUSYInKonfigModel::kPage, BUSYInKonfigModel::Help(),
                          Controls::Lists, parent) {}

}  // namespace orvan
