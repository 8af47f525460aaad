#include "pages/CircuitChoiceDialog.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "pages/PageControls.h"

namespace orvan {

CircuitChoiceDialog::CircuitChoiceDialog(Register& image, UserInterface& ui,
                                         const CircuitChoicePage& page, HelpText help,
                                         Controls controls, QWidget* parent)
    : QDialog(parent), model_(image, page) {
    setWindowTitle(ToQString(model_.Title()));
    auto* layout = new QVBoxLayout(this);
    auto* rows = new QHBoxLayout;
    layout->addLayout(rows);
    for (std::size_t row = 0; row < model_.Rows().size(); ++row) {
        if (controls == Controls::Lists)
            AddLists(*rows, row);
        else
            AddRadioGroups(*rows, row);
    }
    const PageButtons buttons = AddPageButtons(*this, *layout, QStringLiteral("Hilfe..."));
    ConnectHelpAndOk(*this, buttons, ui, std::move(help), [this, target = &image] {
        model_.Commit(*target);
        return true;
    });
}

void CircuitChoiceDialog::AddLists(QBoxLayout& rows, std::size_t row) {
    const CircuitChoiceRow& choices = model_.Rows()[row];
    QWidget* parent = this;
    auto* grid = new QGridLayout;
    if (choices.group.empty()) {
        rows.addLayout(grid);
    } else {
        auto* group = new QGroupBox(ToQString(choices.group), this);
        rows.addWidget(group);
        group->setLayout(grid);
        parent = group;
    }
    std::array<QComboBox*, kCircuitCount>& lists = lists_.emplace_back();
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        lists[circuit] = MakeChoiceList(*parent, choices.table.options,
                                        [this, row, circuit](const std::string& text) {
                                            model_.Choice(row, circuit).ChooseText(text);
                                            Refresh();
                                        });
        const QString caption = ToQString(CircuitCaption(choices.caption, circuit));
        const int line = static_cast<int>(circuit);
        grid->addWidget(AddBuddyLabel(*parent, caption, *lists[circuit]), line, 0);
        grid->addWidget(lists[circuit], line, 1);
    }
}

void CircuitChoiceDialog::AddRadioGroups(QBoxLayout& rows, std::size_t row) {
    const CircuitChoiceRow& choices = model_.Rows()[row];
    std::array<QButtonGroup*, kCircuitCount>& groups = groups_.emplace_back();
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        groups[circuit] =
            AddChoiceGroup(*this, rows, ToQString(CircuitCaption(choices.group, circuit)),
                           choices.table.options, [this, row, circuit](std::size_t option) {
                               model_.Choice(row, circuit).Choose(option);
                               Refresh();
                           });
    }
}

void CircuitChoiceDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void CircuitChoiceDialog::Refresh() {
    for (std::size_t row = 0; row < lists_.size(); ++row) {
        for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit)
            ShowChoice(*lists_[row][circuit], model_.Choice(row, circuit).ShownText());
    }
    for (std::size_t row = 0; row < groups_.size(); ++row) {
        for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit)
            ShowChoice(*groups_[row][circuit], model_.Choice(row, circuit).Shown());
    }
}

}  // namespace orvan
