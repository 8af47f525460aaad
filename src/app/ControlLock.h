#pragma once

#include <QObject>

#include <array>
#include <initializer_list>
#include <optional>
#include <vector>

#include "app/MainWindowWidgets.h"

class QAction;

namespace orvan {

// What a read, send, factory reset, check of the unit or live procedure holds while it runs:
// nothing else may change the image or use the port (the tree, the menus, the port list, the
// live procedures).
class ControlLock : public QObject {
    Q_OBJECT

  public:
    ControlLock(const MainWindowWidgets& widgets, std::initializer_list<QAction*> menus,
                QObject* parent);

    bool Busy() const { return busy_; }
    void Begin();
    // tree: the tree's state after the end; none: as it was before the begin.
    void End(std::optional<bool> tree);
    // While busy, the state the tree takes at the end.
    void SetTreeEnabled(bool enabled);
    // A check of the unit or a live procedure uses the port like a read, but leaves "Lesen",
    // "Senden", "Werkseinstellungen" and the version button as they were.
    void Lend(bool lent);

  signals:
    void ended();

  private:
    void SetHeld(bool held);

    const MainWindowWidgets& widgets_;
    std::vector<QAction*> menus_;
    bool busy_ = false;
    bool treeAfterBusy_ = false;
    std::array<bool, 4> buttonsBeforeLending_{};
};

}  // namespace orvan
