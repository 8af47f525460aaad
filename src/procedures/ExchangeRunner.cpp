#include "procedures/ExchangeRunner.h"

#include <QWidget>

#include <utility>

#include "link/DeviceMessages.h"
#include "ui/UserInterface.h"

namespace orvan {

ExchangeRunner::~ExchangeRunner() {
    if (worker_.joinable()) {
        worker_.join();
    }
}

void ExchangeRunner::Start(std::function<ProcedureFailure()> work,
                           std::function<void(ProcedureFailure)> done) {
    if (worker_.joinable()) {
        worker_.join();
    }
    running_ = true;
    worker_ = std::thread([this, work = std::move(work), done = std::move(done)]() mutable {
        const ProcedureFailure failure = work();
        // Dropped unchanged if the runner is destroyed first: it joins this thread then.
        QMetaObject::invokeMethod(
            this,
            [this, failure, done = std::move(done)] {
                worker_.join();
                running_ = false;
                done(failure);
            },
            Qt::QueuedConnection);
    });
}

void ReportProcedureFailure(UserInterface& ui, QWidget* parent, const Register& image,
                            ProcedureFailure failure) {
    QString text;
    switch (failure) {
        case ProcedureFailure::None:
            return;
        case ProcedureFailure::OpenFailed: {
            text = QString::fromUtf8(kConnectFailedText);
            const std::string reason = image.PortOpenFailureReason();
            if (!reason.empty()) {
                text += "\n\n" + QString::fromStdString(reason);
            }
            break;
        }
        case ProcedureFailure::Silent:
            text = QString::fromUtf8(kConnectFailedText);
            break;
        case ProcedureFailure::NoAnswer:
            text = QString::fromUtf8(kTimeoutText);
            break;
        case ProcedureFailure::PortLost:
            text = QString::fromUtf8(kPortLostText);
            break;
    }
    ui.ShowMessage(parent, kErrorCaption, text, MessageIcon::Error, MessageButtons::Ok);
}

}  // namespace orvan
