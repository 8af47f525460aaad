#pragma once

#include <QObject>

#include <memory>
#include <string>

#include "app/GuiTransferObserver.h"
#include "core/Register.h"
#include "link/Timing.h"
#include "link/TransferThread.h"
#include "ui/UserInterface.h"

class QWidget;

namespace orvan {

class ExtrasCommands;

// "Gerät prüfen": reads the unit on a worker thread into an image of its own and shows how it
// differs from the program's image, as a send and a read would leave them. The program's image
// only lends its port.
class DeviceCheck : public QObject {
    Q_OBJECT

  public:
    DeviceCheck(Register& image, UserInterface& ui, ExtrasCommands& commands, QWidget* parent,
                const Timing& timing);
    ~DeviceCheck() override;

    // Opens the port and starts the read; false, after the port message, when it does not open.
    bool Start(const std::string& port);

  signals:
    void stepped();
    // The read has ended, its messages have been shown; the comparison follows.
    void finished();

  private:
    void OnEnded(const TransferOutcome& outcome);

    Register& image_;
    UserInterface& ui_;
    ExtrasCommands& commands_;
    QWidget* parent_;
    Timing timing_;
    GuiTransferObserver observer_;
    std::unique_ptr<Register> unit_;
    // Last member: joined first.
    TransferThread transfer_;
};

}  // namespace orvan
