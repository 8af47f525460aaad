#include "pages/HoererLSKonfig.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "pages/PageControls.h"
#include "ui/Widgets.h"

namespace orvan {

HoererLSKonfig::HoererLSKonfig(Register& image, UserInterface& ui, QWidget* parent)
    : QDialog(parent), model_(image) {
    setWindowTitle(ToQString(HoererLSKonfigModel::kTitle));
    auto* page = new QVBoxLayout(this);
    auto* switches = new QHBoxLayout;
    page->addLayout(switches);
    earpiece_ =
        AddChoiceGroup(*this, *switches, QStringLiteral("Hörer"), model_.Earpiece().Options(),
                       [this](std::size_t option) { model_.Earpiece().Choose(option); });
    loudspeaker_ = AddChoiceGroup(
        *this, *switches, QStringLiteral("Lautsprecher"), model_.Loudspeaker().Options(),
        [this](std::size_t option) { model_.Loudspeaker().Choose(option); });

    auto* tetra = new QGroupBox(ToQString(HoererLSKonfigModel::kTetraGroup), this);
    page->addWidget(tetra);
    auto* circuits = new QGridLayout(tetra);
    // Circuits 1 and 3 above, 2 and 4 below.
    for (std::size_t circuit : {0u, 2u, 1u, 3u}) {
        circuits->addWidget(BuildTetraCircuit(*tetra, circuit), static_cast<int>(circuit % 2),
                            static_cast<int>(circuit / 2));
    }

    const PageButtons buttons = AddPageButtons(*this, *page, QStringLiteral("Hilfe..."));
    ConnectHelpAndOk(*this, buttons, ui, HoererLSKonfigModel::Help(), [this, target = &image] {
        model_.Commit(*target);
        return true;
    });
}

QWidget* HoererLSKonfig::BuildTetraCircuit(QWidget& parent, std::size_t circuit) {
    QGroupBox* group = MakeGroupBox(CircuitName(circuit), &parent);
    auto* column = new QVBoxLayout(group);
    pttStates_[circuit] = AddChoiceGroup(
        *group, *column, ToQString(HoererLSKonfigModel::kStateCaption),
        model_.PttState(circuit).Options(),
        [this, circuit](std::size_t option) { model_.PttState(circuit).Choose(option); });

    QLineEdit* volume = MakeDigitField(
        *group, model_.PttVolume(circuit).FieldLength(),
        [this, circuit](const std::string& text) { model_.PttVolume(circuit).SetText(text); },
        [this, circuit] {
            model_.LeaveVolume(circuit);
            Refresh();
        });
    pttVolumes_[circuit] = volume;
    auto* row = new QHBoxLayout;
    column->addLayout(row);
    row->addWidget(AddBuddyLabel(*group, ToQString(HoererLSKonfigModel::kVolumeLabel), *volume));
    row->addWidget(volume);
    row->addWidget(new QLabel(QStringLiteral("(00000-32767)"), group));
    row->addStretch();
    return group;
}

void HoererLSKonfig::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void HoererLSKonfig::Refresh() {
    ShowChoice(*earpiece_, model_.Earpiece().Shown());
    ShowChoice(*loudspeaker_, model_.Loudspeaker().Shown());
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        ShowChoice(*pttStates_[circuit], model_.PttState(circuit).Shown());
        ShowText(*pttVolumes_[circuit], model_.PttVolume(circuit).Text());
    }
}

}  // namespace orvan
