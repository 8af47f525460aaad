#include "pages/BUSYOutKonfig.h"

#include "pages/model/BUSYOutKonfigModel.h"

namespace orvan {

BUSYOutKonfig::BUSYOutKonfig(Register& image, UserInterface& ui, QWidget* parent)
    : CircuitChoiceDialog(image, ui, BUSYOutKonfigModel::kPage, BUSYOutKonfigModel::Help(),
                          Controls::Lists, parent) {}

}  // namespace orvan
