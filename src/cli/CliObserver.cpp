#include "cli/CliObserver.h"

#include <unistd.h>

#include <cstdio>

namespace orvan {

std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() != ' ')
                line += ' ';
        } else if (c != '\r') {
            line += c;
        }
    }
    return line;
}

int Fail(const std::string& text) {
    std::fprintf(stderr, "%s\n", OneLine(text).c_str());
    return kExitFailure;
}

CliObserver::CliObserver(int totalSteps)
    : totalSteps_(totalSteps), terminal_(isatty(STDERR_FILENO) == 1) {}

void CliObserver::Step() {
    ++steps_;
    if (terminal_)
        DrawBar();
}

void CliObserver::DrawBar() const {
    constexpr int kWidth = 40;
    const int filled = steps_ * kWidth / totalSteps_;
    std::fprintf(stderr, "\r[%-*s] %3d/%d", kWidth, std::string(filled, '#').c_str(), steps_,
                 totalSteps_);
    std::fflush(stderr);
}

void CliObserver::ShowMessage(const Message& message) {
    if (terminal_ && steps_ > 0)
        std::fputc('\n', stderr);
    std::fprintf(stderr, "%s\n", OneLine(message.text).c_str());
}

void CliObserver::End(const TransferOutcome& outcome) {
    outcome_ = outcome;
    if (terminal_ && steps_ > 0)
        std::fputc('\n', stderr);
}

}  // namespace orvan
