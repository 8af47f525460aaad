#include "pages/Squelchkonfiguration.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "pages/NFSquelchKonfig.h"
#include "pages/PageControls.h"

namespace orvan {

Squelchkonfiguration::Squelchkonfiguration(Register& image, UserInterface& ui, QWidget* parent)
    : QDialog(parent), image_(image), ui_(ui), model_(image) {
    setWindowTitle(ToQString(SquelchkonfigurationModel::kTitle));
    auto* page = new QVBoxLayout(this);
    auto* circuits = new QHBoxLayout;
    page->addLayout(circuits);
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        auto* group = new QGroupBox(CircuitName(circuit), this);
        circuits->addWidget(group);
        auto* column = new QVBoxLayout(group);
        carrierModes_[circuit] = AddChoiceGroup(*group, *column, QStringLiteral("SQL"),
                                                model_.CarrierMode(circuit).Options(),
                                                [this, circuit](std::size_t option) {
                                                    model_.CarrierMode(circuit).Choose(option);
                                                    Refresh();
                                                });
        muting_[circuit] =
            AddChoiceGroup(*group, *column, QStringLiteral("NF"), model_.Muting(circuit).Options(),
                           [this, circuit](std::size_t option) {
                               model_.Muting(circuit).Choose(option);
                               Refresh();
                           });
    }
    optionNote_ =
        new QLabel(QStringLiteral("* Programmierung nur mit Option NF-Squelch möglich!"), this);
    page->addWidget(optionNote_);

    const PageButtons buttons = AddPageButtons(*this, *page, QStringLiteral("Hilfe..."),
                                               {QStringLiteral("Konfiguration NF-Squelch*...")});
    afSquelch_ = buttons.extras.front();
    connect(afSquelch_, &QPushButton::clicked, this, &Squelchkonfiguration::OpenAfSquelch);
    ConnectHelpAndOk(*this, buttons, ui_, SquelchkonfigurationModel::Help(), [this] {
        model_.Commit(image_);
        return true;
    });
}

void Squelchkonfiguration::OpenAfSquelch() {
    NFSquelchKonfig afSquelch(image_, ui_, model_.WorkingCarrierModes(), this);
    afSquelch.exec();
}

void Squelchkonfiguration::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void Squelchkonfiguration::Refresh() {
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        ShowChoice(*carrierModes_[circuit], model_.CarrierMode(circuit).Shown());
        for (QAbstractButton* button : carrierModes_[circuit]->buttons()) {
            const auto option = static_cast<std::size_t>(carrierModes_[circuit]->id(button));
            button->setEnabled(model_.CarrierOptionEnabled(option));
        }
        ShowChoice(*muting_[circuit], model_.Muting(circuit).Shown());
    }
    optionNote_->setEnabled(model_.AfSquelchAvailable());
    afSquelch_->setEnabled(model_.AfSquelchAvailable());
}

}  // namespace orvan
