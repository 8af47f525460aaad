#include "pages/NFKonfigPage.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "pages/PageControls.h"

namespace orvan {

namespace {

// The lists have an edit field, as the unit's technicians know them, but only an item chosen
// from the list counts: typed text neither selects an item nor joins the list.
void OnlyListItemsCount(QComboBox& list) {
    list.setEditable(true);
    list.setInsertPolicy(QComboBox::NoInsert);
    list.setCompleter(nullptr);
    // The list would take typed text that matches an item on Enter and on leaving the field.
    QObject::disconnect(list.lineEdit(), &QLineEdit::returnPressed, &list, nullptr);
    QObject::disconnect(list.lineEdit(), &QLineEdit::editingFinished, &list, nullptr);
}

}  // namespace

NFKonfigPage::NFKonfigPage(Register& image, UserInterface& ui, const AfOutput& output,
                           QWidget* parent)
    : QDialog(parent), model_(image, output) {
    setWindowTitle(ToQString(model_.Title()));
    auto* page = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    page->addLayout(groups);
    groups->addWidget(BuildGroup(NFKonfigModel::kDeactivated));
    groups->addWidget(BuildGroup(NFKonfigModel::kActivated));
    const PageButtons buttons = AddPageButtons(*this, *page, QStringLiteral("Hilfe..."));
    ConnectHelpAndOk(*this, buttons, ui, model_.Help(), [this, target = &image] {
        model_.Commit(*target);
        return true;
    });
}

QWidget* NFKonfigPage::BuildGroup(std::size_t group) {
    auto* box = new QGroupBox(ToQString(NFKonfigModel::kGroups[group]), this);
    auto* grid = new QGridLayout(box);
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        QComboBox* list = MakeChoiceList(*box, model_.Choice(group, circuit).Options(),
                                         [this, group, circuit](const std::string& text) {
                                             model_.Choice(group, circuit).ChooseText(text);
                                             Refresh();
                                         });
        OnlyListItemsCount(*list);
        lists_[group][circuit] = list;
        const int row = static_cast<int>(circuit);
        grid->addWidget(AddBuddyLabel(*box, CircuitName(circuit) + ":", *list), row, 0);
        grid->addWidget(list, row, 1);
    }
    return box;
}

void NFKonfigPage::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void NFKonfigPage::Refresh() {
    for (std::size_t group = 0; group < lists_.size(); ++group) {
        for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit)
            ShowChoice(*lists_[group][circuit], model_.Choice(group, circuit).ShownText());
    }
}

}  // namespace orvan
