#include "pages/Sendezeitbegrenzung.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLineEdit>

#include "pages/PageControls.h"

namespace orvan {

Sendezeitbegrenzung::Sendezeitbegrenzung(Register& image, UserInterface& ui, QWidget* parent)
    : QDialog(parent), model_(image) {
    using Field = SendezeitbegrenzungModel::Field;
    setWindowTitle(ToQString(SendezeitbegrenzungModel::kTitle));
    auto* page = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    page->addLayout(grid);
    for (std::size_t index = 0; index < fields_.size(); ++index) {
        const auto field = static_cast<Field>(index);
        fields_[index] =
            AddDecimalRow(*this, *grid, static_cast<int>(index),
                          ToQString(SendezeitbegrenzungModel::kLabels[index]), model_.Text(field),
                          model_.Text(field).FieldLength(), [this, field] {
                              model_.Leave(field);
                              Refresh();
                          });
    }
    const PageButtons buttons = AddPageButtons(*this, *page, QStringLiteral("Hilfe..."));
    ConnectHelpAndOk(*this, buttons, ui, SendezeitbegrenzungModel::Help(), [this, target = &image] {
        model_.Commit(*target);
        return true;
    });
}

void Sendezeitbegrenzung::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void Sendezeitbegrenzung::Refresh() {
    for (std::size_t index = 0; index < fields_.size(); ++index) {
        ShowText(*fields_[index],
                 model_.Text(static_cast<SendezeitbegrenzungModel::Field>(index)).Text());
    }
}

}  // namespace orvan
