#include "app/ExtrasMenu.h"

#include <QEvent>
#include <QMenu>
#include <QWidget>

namespace orvan {

ExtrasMenu::ExtrasMenu(Register& image, UserInterface& ui, const Timing& timing,
                       const std::string& currentPort, QWidget* window)
    : QObject(window),
      currentPort_(currentPort),
      commands_(image, ui, window),
      check_(image, ui, commands_, window, timing) {
    menu_ = new QMenu("&Extras", window);
    connect(menu_->addAction("Mit &Datei vergleichen..."), &QAction::triggered, this,
            [this] { commands_.CompareWithFile(); });
    checkAction_ = menu_->addAction("&Gerät prüfen");
    checkAction_->setEnabled(false);
    connect(checkAction_, &QAction::triggered, this, &ExtrasMenu::CheckDevice);
    connect(menu_->addAction("Einstellungs&bericht als PDF..."), &QAction::triggered, this,
            [this] { commands_.WriteReport(); });
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

void ExtrasMenu::CheckDevice() {
    // The main window takes the port and the buttons before the worker starts.
    emit deviceCheckRunning(true);
    if (!check_.Start(currentPort_))
        emit deviceCheckRunning(false);
}

}  // namespace orvan
