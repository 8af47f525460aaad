#pragma once

#include "app/TraceRecording.h"

class QAction;
class QMenu;
class QMenuBar;

namespace orvan {

// The "Extras" menu of the main window: tools beside the configuration itself. Each entry is
// added here; the main window only places the menu.
class ExtrasMenu {
  public:
    ExtrasMenu(QMenuBar& bar, PortTrace& trace, UserInterface& ui, QWidget* parent);

    QMenu* Menu() const { return menu_; }

  private:
    void AddTraceItem();

    QMenu* menu_;
    TraceRecording trace_;
};

}  // namespace orvan
