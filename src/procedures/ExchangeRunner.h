#pragma once

#include <QObject>

#include <functional>
#include <thread>

#include "procedures/model/ProcedureLink.h"

class QWidget;

namespace orvan {

class UserInterface;

// Runs the blocking exchanges of a live procedure, one at a time, on a thread of its own, so
// that the dialog keeps painting. The end is reported on the window thread. The worker only
// talks to the unit: messages are the dialog's, shown after the exchange.
class ExchangeRunner : public QObject {
  public:
    // A dialog holds its runner as a member after everything the exchanges use, so that the
    // runner, destroyed first, waits for a running exchange while that still exists.
    ExchangeRunner() = default;
    ~ExchangeRunner() override;

    bool Running() const { return running_; }
    // work runs on the worker thread, then done on the window thread with work's result.
    void Start(std::function<ProcedureFailure()> work, std::function<void(ProcedureFailure)> done);

  private:
    std::thread worker_;
    bool running_ = false;
};

// The failure's message box, caption "Fehler" with the error icon; nothing for None.
void ReportProcedureFailure(UserInterface& ui, QWidget* parent, const Register& image,
                            ProcedureFailure failure);

}  // namespace orvan
