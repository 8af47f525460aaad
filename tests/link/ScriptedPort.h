#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "core/SerialPort.h"

namespace orvan {

// A port whose unit answers with a fixed byte script, whatever is sent; for reply texts the
// simulator would never produce. Everything written is kept.
class ScriptedPort : public SerialPort {
  public:
    struct Shared {
        std::string script;
        std::size_t position = 0;
        std::string written;
        bool open = false;
        int reads = 0;  // every ReadByte call
    };

    explicit ScriptedPort(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}

    bool Open(const std::string&) override { return shared_->open = true; }
    void Configure() override {}
    bool IsOpen() const override { return shared_->open; }
    void Close() override { shared_->open = false; }
    bool Write(const std::string& bytes) override {
        shared_->written += bytes;
        return true;
    }
    ReadStatus ReadByte(char& byte) override {
        ++shared_->reads;
        if (shared_->position < shared_->script.size()) {
            byte = shared_->script[shared_->position++];
            return ReadStatus::Byte;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        return ReadStatus::Silence;
    }
    bool HasFailed() const override { return false; }
    std::string OpenFailureReason() const override { return {}; }
    bool CanOpen(const std::string&) override { return true; }
    std::string DeviceFor(const std::string&) const override { return {}; }

  private:
    std::shared_ptr<Shared> shared_;
};

}  // namespace orvan
