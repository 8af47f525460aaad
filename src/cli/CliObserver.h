#pragma once

#include <string>

#include "link/TransferObserver.h"

namespace orvan {

// Reports a transfer on the terminal: a progress bar on stderr when it is a terminal, messages
// as lines on stderr.
class CliObserver : public TransferObserver {
  public:
    explicit CliObserver(int totalSteps);

    void Step() override;
    void ShowMessage(const Message& message) override;
    void End(const TransferOutcome& outcome) override;

    const TransferOutcome& Outcome() const { return outcome_; }

  private:
    void DrawBar() const;

    int totalSteps_;
    int steps_ = 0;
    bool terminal_;
    TransferOutcome outcome_;
};

// A German text of the program on one line: line breaks become spaces.
std::string OneLine(const std::string& text);

// Exit status of a command that failed (a usage error is 2).
constexpr int kExitFailure = 1;
// Says why on stderr in one line; returns kExitFailure.
int Fail(const std::string& text);

}  // namespace orvan
