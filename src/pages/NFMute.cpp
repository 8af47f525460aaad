#include "pages/NFMute.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

#include "pages/PageControls.h"

namespace orvan {

NFMute::NFMute(Register& image, UserInterface& ui, QWidget* parent)
    : QDialog(parent), model_(image) {
    setWindowTitle(ToQString(NFMuteModel::kTitle));
    auto* page = new QVBoxLayout(this);
    auto* circuits = new QGridLayout;
    page->addLayout(circuits);
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        auto* group = new QGroupBox(CircuitName(circuit), this);
        circuits->addWidget(group, static_cast<int>(circuit / 2), static_cast<int>(circuit % 2));
        auto* grid = new QGridLayout(group);
        grid->setColumnStretch(0, 1);
        for (std::size_t level = 0; level < NFMuteModel::kLevelCount; ++level) {
            const auto which = static_cast<Level>(level);
            fields_[circuit][level] = AddDecimalRow(
                *group, *grid, static_cast<int>(level), ToQString(NFMuteModel::kLabels[level]),
                model_.Field(circuit, which), model_.Field(circuit, which).FieldLength(),
                [this, circuit, which] {
                    model_.Leave(circuit, which);
                    Refresh();
                },
                ToQString(NFMuteModel::kUnit));
        }
        if (circuit == 0) {
            auto* row = new QVBoxLayout;
            grid->addLayout(row, static_cast<int>(NFMuteModel::kLevelCount), 0, 1, 3);
            forAll_ =
                AddCheckBox(*group, *row, ToQString(NFMuteModel::kForAllCaption), [this](bool on) {
                    model_.SetForAll(on);
                    Refresh();
                });
        }
    }
    const PageButtons buttons = AddPageButtons(*this, *page, QStringLiteral("Hilfe..."));
    ConnectHelpAndOk(*this, buttons, ui, NFMuteModel::Help(), [this, target = &image] {
        model_.Commit(*target);
        return true;
    });
}

void NFMute::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void NFMute::Refresh() {
    forAll_->setChecked(model_.ForAll());
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        for (std::size_t level = 0; level < NFMuteModel::kLevelCount; ++level) {
            QLineEdit& field = *fields_[circuit][level];
            field.setEnabled(model_.Editable(circuit));
            ShowText(field, model_.Field(circuit, static_cast<Level>(level)).Text());
        }
    }
}

}  // namespace orvan
