#include "app/ExtrasMenu.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QSignalBlocker>
#include <QWidget>

#include "app/ShellTexts.h"

namespace orvan {

ExtrasMenu::ExtrasMenu(Register& image, PortTrace& trace, UserInterface& ui, const Timing& timing,
                       const std::string& currentPort, QWidget* window)
    : QObject(window),
      currentPort_(currentPort),
      commands_(image, ui, window),
      check_(image, ui, commands_, window, timing),
      trace_(trace, ui, window) {
    menu_ = new QMenu(kExtrasMenuTitle, window);
    connect(menu_->addAction("Mit &Datei vergleichen..."), &QAction::triggered, this,
            [this] { commands_.CompareWithFile(); });
    checkAction_ = menu_->addAction("&Gerät prüfen");
    checkAction_->setEnabled(false);
    connect(checkAction_, &QAction::triggered, this, &ExtrasMenu::CheckDevice);
    connect(menu_->addAction("Einstellungs&bericht als PDF..."), &QAction::triggered, this,
            [this] { commands_.WriteReport(); });
    menu_->addSeparator();
    AddTraceItem();
    connect(&check_, &DeviceCheck::stepped, this, &ExtrasMenu::stepped);
    connect(&check_, &DeviceCheck::finished, this, [this] { emit deviceCheckRunning(false); });
}

void ExtrasMenu::FollowEnabled(QWidget* button) {
    followed_ = button;
    checkAction_->setEnabled(button->isEnabled());
    button->installEventFilter(this);
}

bool ExtrasMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == followed_ && event->type() == QEvent::EnabledChange)
        checkAction_->setEnabled(followed_->isEnabled());
    return QObject::eventFilter(watched, event);
}

void ExtrasMenu::AddTraceItem() {
    QAction* item = menu_->addAction(kTraceItemText);
    item->setCheckable(true);
    connect(item, &QAction::toggled, this, [this, item](bool checked) {
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

void ExtrasMenu::CheckDevice() {
    // The main window takes the port and the buttons before the worker starts.
    emit deviceCheckRunning(true);
    if (!check_.Start(currentPort_))
        emit deviceCheckRunning(false);
}

}  // namespace orvan
