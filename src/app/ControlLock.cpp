#include "app/ControlLock.h"

#include <QAction>
#include <QPushButton>

#include "app/ConfigurationTree.h"
#include "app/PortSelector.h"

namespace orvan {

ControlLock::ControlLock(const MainWindowWidgets& widgets, std::initializer_list<QAction*> menus,
                         QObject* parent)
    : QObject(parent), widgets_(widgets), menus_(menus) {}

void ControlLock::Begin() {
    if (busy_)
        return;
    busy_ = true;
    treeAfterBusy_ = widgets_.tree->isEnabled();
    widgets_.tree->setEnabled(false);
    SetHeld(true);
}

void ControlLock::End(std::optional<bool> tree) {
    busy_ = false;
    widgets_.tree->setEnabled(tree.value_or(treeAfterBusy_));
    SetHeld(false);
    emit ended();
}

void ControlLock::SetTreeEnabled(bool enabled) {
    if (busy_) {
        treeAfterBusy_ = enabled;
    } else {
        widgets_.tree->setEnabled(enabled);
    }
}

void ControlLock::Lend(bool lent) {
    const std::array<QPushButton*, 4> buttons{widgets_.read, widgets_.send, widgets_.factory,
                                              widgets_.version};
    if (lent) {
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            buttonsBeforeLending_[i] = buttons[i]->isEnabled();
            buttons[i]->setEnabled(false);
        }
        Begin();
        return;
    }
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->setEnabled(buttonsBeforeLending_[i]);
    End({});
}

void ControlLock::SetHeld(bool held) {
    for (QAction* menu : menus_)
        menu->setEnabled(!held);
    widgets_.portSelector->setEnabled(!held);
    widgets_.calibration->setEnabled(!held);
    widgets_.headset->setEnabled(!held);
}

}  // namespace orvan
