#include "app/GuiTransferObserver.h"

#include <QThread>

namespace orvan {

GuiTransferObserver::GuiTransferObserver(UserInterface& ui, QWidget* messageParent)
    : ui_(ui), messageParent_(messageParent) {}

void GuiTransferObserver::Step() {
    QMetaObject::invokeMethod(
        this, [this] { emit stepped(); }, Qt::QueuedConnection);
}

void GuiTransferObserver::ShowMessage(const Message& message) {
    auto show = [this, &message] {
        ui_.ShowMessage(messageParent_, QString::fromStdString(message.caption),
                        QString::fromStdString(message.text), message.icon, MessageButtons::Ok);
    };
    // A blocking-queued call from the GUI thread itself would wait for ever.
    if (QThread::currentThread() == thread()) {
        show();
        return;
    }
    QMetaObject::invokeMethod(this, show, Qt::BlockingQueuedConnection);
}

void GuiTransferObserver::End(const TransferOutcome& outcome) {
    QMetaObject::invokeMethod(
        this, [this, outcome] { emit ended(outcome); }, Qt::QueuedConnection);
}

}  // namespace orvan
