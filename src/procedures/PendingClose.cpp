#include "procedures/PendingClose.h"

#include <QDialog>

namespace orvan {

bool PendingClose::Defer(bool exchangeRunning, int result) {
    if (exchangeRunning) {
        waiting_ = true;
        result_ = result;
    }
    return exchangeRunning;
}

bool PendingClose::Complete(QDialog& dialog) {
    if (!waiting_)
        return false;
    waiting_ = false;
    // The dialog's own done() would ask the runner again; the exchange has ended.
    dialog.QDialog::done(result_);
    return true;
}

}  // namespace orvan
