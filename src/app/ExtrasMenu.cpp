#include "app/ExtrasMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>

#include "app/ShellTexts.h"

namespace orvan {

ExtrasMenu::ExtrasMenu(QMenuBar& bar, PortTrace& trace, UserInterface& ui, QWidget* parent)
    : menu_(bar.addMenu(kExtrasMenuTitle)), trace_(trace, ui, parent) {
    AddTraceItem();
}

void ExtrasMenu::AddTraceItem() {
    QAction* item = menu_->addAction(kTraceItemText);
    item->setCheckable(true);
    QObject::connect(item, &QAction::toggled, menu_, [this, item](bool checked) {
        if (!checked) {
            trace_.Stop();
            return;
        }
        if (!trace_.Start()) {
            const QSignalBlocker quiet(item);
            item->setChecked(false);
        }
    });
}

}  // namespace orvan
