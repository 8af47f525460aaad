#include "pages/TXKonfig.h"

#include "pages/model/TXKonfigModel.h"

namespace orvan {

TXKonfig::TXKonfig(Register& image, UserInterface& ui, QWidget* parent)
    : CircuitChoiceDialog(image, ui, TXKonfigModel::kPage, TXKonfigModel::Help(), Controls::Lists,
                          parent) {}

}  // namespace orvan
