#include "pages/Funkkreiskonfiguration.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "pages/PageControls.h"

namespace orvan {

Funkkreiskonfiguration::Funkkreiskonfiguration(Register& image, UserInterface& ui, QWidget* parent)
    : QDialog(parent), model_(image) {
    setWindowTitle(ToQString(FunkkreiskonfigurationModel::kTitle));
    auto* page = new QVBoxLayout(this);
    BuildCircuitColumns(*page);
    BuildAutomaticActivation(*page);
    const PageButtons buttons = AddPageButtons(*this, *page, QStringLiteral("Hilfe..."));
    ConnectHelpAndOk(*this, buttons, ui, FunkkreiskonfigurationModel::Help(),
                     [this, target = &image] {
                         model_.Commit(*target);
                         return true;
                     });
}

void Funkkreiskonfiguration::BuildCircuitColumns(QBoxLayout& page) {
    auto* columns = new QHBoxLayout;
    page.addLayout(columns);

    auto* left = new QVBoxLayout;
    columns->addLayout(left);
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        allowed_[circuit] =
            AddCheckBox(*this, *left, CircuitName(circuit) + " erlaubt", [this, circuit](bool on) {
                model_.Allowed(circuit).Set(on);
                Refresh();
            });
    }
    multipleActive_ =
        AddCheckBox(*this, *left, QStringLiteral("Mehrere aktive Kreise möglich"), [this](bool on) {
            model_.MultipleActive().Set(on);
            Refresh();
        });
    left->addStretch();

    auto* right = new QVBoxLayout;
    columns->addLayout(right);
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        onAtPowerUp_[circuit] = AddCheckBox(
            *this, *right, CircuitName(circuit) + " beim Einschalten an", [this, circuit](bool on) {
                model_.OnAtPowerUp(circuit).Set(on);
                Refresh();
            });
    }
    powerUpCircuits_ =
        AddChoiceGroup(*this, *right, QStringLiteral("Beim Einschalten aktive Kreise"),
                       model_.PowerUpCircuits().Options(), [this](std::size_t option) {
                           model_.PowerUpCircuits().Choose(option);
                           Refresh();
                       });
}

void Funkkreiskonfiguration::BuildAutomaticActivation(QBoxLayout& page) {
    auto* group = new QGroupBox(QStringLiteral("Automatische Kreisaktivierung"), this);
    page.addWidget(group);
    auto* grid = new QGridLayout(group);

    automaticActivation_ = MakeChoiceList(*group, model_.AutomaticActivation().Options(),
                                          [this](const std::string& text) {
                                              model_.AutomaticActivation().ChooseText(text);
                                              Refresh();
                                          });
    grid->addWidget(AddBuddyLabel(*group, QStringLiteral("Automatische Kreisaktivierung:"),
                                  *automaticActivation_),
                    0, 0);
    grid->addWidget(automaticActivation_, 0, 1);

    // The four boxes share one label; the label leads to the first of them.
    const QString lastCircuitsText = QStringLiteral("Letzter Kreis nach Einschalten:");
    auto* boxes = new QWidget(group);
    boxes->setAccessibleName(lastCircuitsText);
    auto* row = new QHBoxLayout(boxes);
    row->setContentsMargins(0, 0, 0, 0);
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        lastCircuits_[circuit] =
            AddCheckBox(*boxes, *row, CircuitName(circuit) + " erlaubt", [this, circuit](bool on) {
                model_.LastCircuits().Set(circuit, on);
                Refresh();
            });
    }
    auto* label = new QLabel(lastCircuitsText, group);
    label->setBuddy(lastCircuits_[0]);
    grid->addWidget(label, 1, 0);
    grid->addWidget(boxes, 1, 1);
}

void Funkkreiskonfiguration::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void Funkkreiskonfiguration::Refresh() {
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        allowed_[circuit]->setChecked(model_.Allowed(circuit).IsOn());
        onAtPowerUp_[circuit]->setChecked(model_.OnAtPowerUp(circuit).IsOn());
        onAtPowerUp_[circuit]->setEnabled(model_.OnAtPowerUpEnabled());
        lastCircuits_[circuit]->setChecked(model_.LastCircuits().Contains(circuit));
        lastCircuits_[circuit]->setEnabled(model_.LastCircuitsEnabled());
    }
    multipleActive_->setChecked(model_.MultipleActive().IsOn());
    ShowChoice(*powerUpCircuits_, model_.PowerUpCircuits().Shown());
    ShowChoice(*automaticActivation_, model_.AutomaticActivation().ShownText());
}

}  // namespace orvan
