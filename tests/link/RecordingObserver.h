#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "link/TransferObserver.h"

namespace orvan {

// Records what a sequence reports; safe to read after the worker has been joined.
class RecordingObserver : public TransferObserver {
  public:
    void Step() override {
        std::lock_guard lock(mutex_);
        ++steps;
    }
    void ShowMessage(const Message& message) override {
        std::lock_guard lock(mutex_);
        messages.push_back(message);
    }
    void End(const TransferOutcome& outcome) override {
        std::lock_guard lock(mutex_);
        ++ends;
        this->outcome = outcome;
    }

    void Clear() {
        std::lock_guard lock(mutex_);
        steps = ends = 0;
        messages.clear();
        outcome.reset();
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Message& message : messages)
            texts.push_back(message.text);
        return texts;
    }

    int steps = 0;
    int ends = 0;
    std::vector<Message> messages;
    std::optional<TransferOutcome> outcome;

  private:
    std::mutex mutex_;
};

}  // namespace orvan
