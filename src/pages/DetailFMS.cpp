#include "pages/DetailFMS.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "pages/PageControls.h"

namespace orvan {

namespace {

// A list of code entries whose chosen entry's code goes to the choice at once.
QComboBox* MakeCodeList(QWidget& parent, ChoiceCode& choice) {
    return MakeChoiceList(parent, choice.Options(),
                          [&choice](const std::string& text) { choice.ChooseText(text); });
}

}  // namespace

DetailFMS::DetailFMS(std::string& text, UserInterface& ui, QWidget* parent)
    : QDialog(parent), model_(text) {
    setWindowTitle(ToQString(DetailFMSModel::kTitle));
    auto* page = new QVBoxLayout(this);
    BuildIdentification(*page);
    BuildStatus(*page);
    const PageButtons buttons = AddPageButtons(*this, *page, QStringLiteral("Hilfe..."));
    ConnectHelpAndOk(*this, buttons, ui, DetailFMSModel::Help(), [this, target = &text] {
        model_.Apply(*target);
        return true;
    });
}

void DetailFMS::BuildIdentification(QBoxLayout& page) {
    auto* grid = new QGridLayout;
    page.addLayout(grid);
    organisation_ = MakeCodeList(*this, model_.Organisation());
    state_ = MakeCodeList(*this, model_.State());
    location_ = MakeTextField(*this, DetailFMSModel::kLocationLength,
                              [this](std::string typed) { model_.SetLocation(std::move(typed)); });
    location_->setMaxLength(DetailFMSModel::kLocationLength);
    vehicle_ = MakeTextField(*this, DetailFMSModel::kVehicleLength,
                             [this](std::string typed) { model_.SetVehicle(std::move(typed)); });
    vehicle_->setMaxLength(DetailFMSModel::kVehicleLength);

    const std::pair<QString, QWidget*> rows[] = {
        {QStringLiteral("BOS-Kennung:"), organisation_},
        {QStringLiteral("Landeskennung:"), state_},
        {QStringLiteral("Ortskennung:"), location_},
        {QStringLiteral("Fahrzeugkennung:"), vehicle_},
    };
    int row = 0;
    for (const auto& [label, field] : rows) {
        grid->addWidget(AddBuddyLabel(*this, label, *field), row, 0);
        // The lists as wide as the widest, the short edits as narrow as their characters.
        grid->addWidget(field, row++, 1,
                        qobject_cast<QLineEdit*>(field) ? Qt::AlignLeft : Qt::Alignment());
    }
}

void DetailFMS::BuildStatus(QBoxLayout& page) {
    const QString statusTitle = QStringLiteral("Status oder Anweisung");
    auto* group = new QGroupBox(statusTitle, this);
    page.addWidget(group);
    auto* row = new QHBoxLayout(group);
    direction_ =
        AddChoiceButtons(*group, *row, model_.Direction().Options(),
                         [this](std::size_t option) { model_.Direction().Choose(option); });
    status_ = MakeCodeList(*group, model_.Status());
    status_->setAccessibleName(statusTitle);
    row->addWidget(status_);
    row->addStretch();

    auto* tki = new QHBoxLayout;
    page.addLayout(tki);
    tki_ = AddChoiceButtons(*this, *tki, model_.Tki().Options(),
                            [this](std::size_t option) { model_.Tki().Choose(option); });
    tki->addStretch();
    auto* level = new QHBoxLayout;
    page.addLayout(level);
    level_ = AddChoiceButtons(*this, *level, model_.Level().Options(),
                              [this](std::size_t option) { model_.Level().Choose(option); });
    level->addStretch();
}

void DetailFMS::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void DetailFMS::Refresh() {
    ShowChoice(*organisation_, model_.Organisation().ShownText());
    ShowChoice(*state_, model_.State().ShownText());
    ShowText(*location_, model_.Location());
    ShowText(*vehicle_, model_.Vehicle());
    ShowChoice(*direction_, model_.Direction().Shown());
    ShowChoice(*status_, model_.Status().ShownText());
    ShowChoice(*tki_, model_.Tki().Shown());
    ShowChoice(*level_, model_.Level().Shown());
}

}  // namespace orvan
