#pragma once

#include <QObject>

#include "ui/UserInterface.h"
#include "link/TransferObserver.h"

class QWidget;

namespace orvan {

// Carries a sequence's calls from its worker thread to the GUI thread. Steps and the end are
// posted; a message is shown on the GUI thread while the worker waits for it to be closed.
class GuiTransferObserver : public QObject, public TransferObserver {
    Q_OBJECT

  public:
    GuiTransferObserver(UserInterface& ui, QWidget* messageParent);

    void Step() override;
    void ShowMessage(const Message& message) override;
    void End(const TransferOutcome& outcome) override;

  signals:
    void stepped();
    void ended(const orvan::TransferOutcome& outcome);

  private:
    UserInterface& ui_;
    QWidget* messageParent_;
};

}  // namespace orvan
