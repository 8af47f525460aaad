#include "procedures/Eingangsverstaerkung.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "pages/PageControls.h"
#include "pages/PageMessages.h"
#include "pages/model/ValidationMessages.h"

namespace orvan {

Eingangsverstaerkung::Eingangsverstaerkung(Register& image, UserInterface& ui, QWidget* parent)
    : QDialog(parent), ui_(ui), model_(image) {
    setWindowTitle(ToQString(EingangsverstaerkungModel::kTitle));
    auto* page = new QVBoxLayout(this);
    auto* circuits = new QGridLayout;
    page->addLayout(circuits);
    // Circuits 1 and 3 above, 2 and 4 below.
    for (std::size_t circuit : {0u, 2u, 1u, 3u}) {
        circuits->addWidget(BuildCircuit(circuit), static_cast<int>(circuit % 2),
                            static_cast<int>(circuit / 2));
    }

    auto* overall = new QHBoxLayout;
    page->addLayout(overall);
    overall_ = MakeLevelField(*this, model_.OverallLevel());
    overall->addWidget(
        AddBuddyLabel(*this, ToQString(EingangsverstaerkungModel::kOverallLabel), *overall_));
    overall->addWidget(overall_);
    overall->addWidget(new QLabel(QStringLiteral("dB"), this));
    overall->addStretch();

    const PageButtons buttons = AddPageButtons(*this, *page, QStringLiteral("Hilfe..."));
    ConnectHelpAndOk(*this, buttons, ui, EingangsverstaerkungModel::Help(),
                     [this, target = &image] { return Commit(*target); });
}

QWidget* Eingangsverstaerkung::BuildCircuit(std::size_t circuit) {
    auto* group = new QGroupBox(CircuitName(circuit), this);
    auto* grid = new QGridLayout(group);

    auto* gain = new QLineEdit(group);
    gains_[circuit] = gain;
    connect(gain, &QLineEdit::textEdited, this, [this, circuit](const QString& text) {
        model_.CircuitGain(circuit).SetText(text.toStdString());
    });
    connect(gain, &QLineEdit::editingFinished, this, [this, gain, circuit] {
        // Closing or destroying the page takes the focus too; a page being destroyed is no
        // Eingangsverstaerkung any more.
        if (!gain->window()->isHidden())
            LeaveGain(circuit);
    });
    grid->addWidget(AddBuddyLabel(*group, ToQString(EingangsverstaerkungModel::kGainLabel), *gain),
                    0, 0);
    grid->addWidget(gain, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("dB"), group), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("(-6.0 dB bis 19.5 dB)"), group), 0, 3);

    levels_[circuit] = MakeLevelField(*group, model_.CircuitLevel(circuit));
    grid->addWidget(
        AddBuddyLabel(*group, ToQString(EingangsverstaerkungModel::kLevelLabel), *levels_[circuit]),
        1, 0);
    grid->addWidget(levels_[circuit], 1, 1);
    // A gain such as "-1.3" needs no more room than the five digits of a level.
    gain->setMaximumWidth(levels_[circuit]->maximumWidth());
    grid->addWidget(new QLabel(QStringLiteral("(00000 - 32767)"), group), 1, 3);
    return group;
}

QLineEdit* Eingangsverstaerkung::MakeLevelField(QWidget& parent, FixedDecimal& level) {
    return MakeDigitField(
        parent, level.FieldLength(), [&level](const std::string& text) { level.SetText(text); },
        [this, &level] {
            EingangsverstaerkungModel::LeaveLevel(level);
            Refresh();
        });
}

void Eingangsverstaerkung::LeaveGain(std::size_t circuit) {
    // The message box takes the focus while it is open.
    if (reporting_)
        return;
    if (!model_.CircuitGain(circuit).IsNumber()) {
        reporting_ = true;
        ReportInvalidField(ui_, *gains_[circuit], NumberMessage());
        reporting_ = false;
        return;
    }
    model_.LeaveGain(circuit);
    Refresh();
}

bool Eingangsverstaerkung::Commit(Register& image) {
    if (const std::optional<std::size_t> invalid = model_.FirstInvalidGain()) {
        ReportInvalidField(ui_, *gains_[*invalid], NumberMessage());
        return false;
    }
    model_.Commit(image);
    return true;
}

void Eingangsverstaerkung::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void Eingangsverstaerkung::Refresh() {
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        ShowText(*gains_[circuit], model_.CircuitGain(circuit).Text());
        ShowText(*levels_[circuit], model_.CircuitLevel(circuit).Text());
    }
    ShowText(*overall_, model_.OverallLevel().Text());
}

}  // namespace orvan
