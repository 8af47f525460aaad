#include "core/Register.h"

#include <stdexcept>
#include <utility>

namespace orvan {

namespace {

// The unit's programming-mode start; core cannot see link's protocol table.
constexpr std::string_view kProgStart = "$PROGSTART\r";

void CheckNumber(int n) {
    if (n < 0 || n >= kRegisterCount) {
        throw std::out_of_range("register number out of range: " + std::to_string(n));
    }
}

}  // namespace

Register::Register(std::unique_ptr<SerialPort> port) : port_(std::move(port)) {
    Reset();
}

Register::~Register() = default;

void Register::Reset() {
    changed = false;
    fileName.clear();
    versionText = kVersionHint;
    hasAfSquelch = false;
    registers_.fill(std::string(kValueLength, '0'));
}

const std::string& Register::Value(int n) const {
    CheckNumber(n);
    return registers_[n];
}

void Register::SetValue(int n, std::string value) {
    CheckNumber(n);
    registers_[n] = std::move(value);
}

char Register::CharAt(int n, std::size_t i) const {
    const std::string& value = Value(n);
    return i < value.size() ? value[i] : '0';
}

void Register::ReplaceChars(int n, std::size_t i, std::string_view chars) {
    CheckNumber(n);
    std::string& value = registers_[n];
    if (value.size() < i + chars.size()) {
        value.resize(i + chars.size(), '0');
    }
    value.replace(i, chars.size(), chars);
}

int Register::OpenPort(const std::string& path) {
    if (!port_) {
        return -1;
    }
    if (port_->IsOpen()) {
        port_->Configure();
        return 1;
    }
    return port_->Open(path) ? 1 : -1;
}

void Register::ClosePort() {
    if (IsPortOpen()) {
        port_->Close();
    }
}

bool Register::IsPortOpen() const {
    return port_ && port_->IsOpen();
}

void Register::WriteText(const std::string& text) {
    if (text.size() > kMaxWriteLength || !IsPortOpen()) {
        return;
    }
    port_->Write(text);
}

void Register::SendProgStart() {
    WriteText(std::string(kProgStart));
}

ReadStatus Register::ReadByte(char& byte) {
    // Without an open port no byte can ever arrive: report it as a failed device so that a
    // caller ends at once instead of waiting out its silence limit.
    if (!IsPortOpen()) {
        return ReadStatus::Failed;
    }
    return port_->ReadByte(byte);
}

bool Register::PortFailed() const {
    return port_ && port_->HasFailed();
}

std::string Register::PortOpenFailureReason() const {
    return port_ ? port_->OpenFailureReason() : std::string();
}

std::string Register::DeviceFor(const std::string& path) const {
    return port_ ? port_->DeviceFor(path) : std::string();
}

std::array<std::string, kPortCount> Register::EnumeratePorts() {
    if (port_) {
        for (int number = 1; number <= kPortCount; ++number) {
            std::string path = PortPath(number);
            if (port_->CanOpen(path)) {
                portPaths[number - 1] = std::move(path);
            }
        }
    }
    return portPaths;
}

std::string PortPath(int number) {
    return "\\\\.\\COM" + std::to_string(number);
}

std::string PortDisplayName(const std::string& path) {
    return path.size() > 4 ? path.substr(4) : std::string();
}

}  // namespace orvan
