#pragma once

class QDialog;

namespace orvan {

// A live procedure dialog closes only between exchanges with the unit: a close asked for while
// one runs waits for its end.
class PendingClose {
  public:
    // True when the close must wait because an exchange runs; the result is kept for then.
    bool Defer(bool exchangeRunning, int result);
    // After an exchange: closes the dialog with the kept result; true when a close was waiting.
    bool Complete(QDialog& dialog);
    bool Waiting() const { return waiting_; }

  private:
    bool waiting_ = false;
    int result_ = 0;
};

}  // namespace orvan
