#pragma once

#include <QObject>

#include <string>

#include "app/DeviceCheck.h"
#include "app/ExtrasCommands.h"
#include "app/TraceRecording.h"

class QAction;
class QMenu;
class QWidget;

namespace orvan {

// The "Extras" menu of the main window: tools beside the configuration itself (compare with a
// file, check the unit, settings report, connection trace). Each entry is added and wired here;
// the main window only places the menu.
class ExtrasMenu : public QObject {
    Q_OBJECT

  public:
    // currentPort is the main window's; "Gerät prüfen" reads through it.
    ExtrasMenu(Register& image, PortTrace& trace, UserInterface& ui, const Timing& timing,
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
    void AddTraceItem();
    void CheckDevice();

    const std::string& currentPort_;
    ExtrasCommands commands_;
    DeviceCheck check_;
    TraceRecording trace_;
    QMenu* menu_ = nullptr;
    QAction* checkAction_ = nullptr;
    QWidget* followed_ = nullptr;
};

}  // namespace orvan
