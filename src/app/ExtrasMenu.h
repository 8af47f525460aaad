#pragma once

#include <QObject>

#include <string>

#include "app/DeviceCheck.h"
#include "app/ExtrasCommands.h"

class QAction;
class QMenu;
class QWidget;

namespace orvan {

// The "Extras" menu of the main window: compare with a file, check the unit, settings report.
class ExtrasMenu : public QObject {
    Q_OBJECT

  public:
    // currentPort is the main window's; "Gerät prüfen" reads through it.
    ExtrasMenu(Register& image, UserInterface& ui, const Timing& timing,
               const std::string& currentPort, QWidget* window);

    QMenu* Menu() const { return menu_; }
    // "Gerät prüfen" is enabled exactly when this button ("Senden") is.
    void FollowEnabled(QWidget* button);

  signals:
    // A device check holds the port and the image from true until false.
    void deviceCheckRunning(bool running);
    void stepped();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CheckDevice();

    const std::string& currentPort_;
    ExtrasCommands commands_;
    DeviceCheck check_;
    QMenu* menu_ = nullptr;
    QAction* checkAction_ = nullptr;
    QWidget* followed_ = nullptr;
};

}  // namespace orvan
