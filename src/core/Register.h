#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "core/SerialPort.h"

namespace orvan {

constexpr int kRegisterCount = 300;
constexpr int kPortCount = 256;
constexpr std::size_t kValueLength = 8;

// The one register image of a run: the 300 register values and what travels with them (version
// text, file name, changed flag, AF-squelch option, the serial port and the found ports).
class Register {
public:
    // The port backend is handed in by the front end; without one no port ever opens.
    explicit Register(std::unique_ptr<SerialPort> port = nullptr);
    virtual ~Register();
    Register(const Register&) = delete;
    Register& operator=(const Register&) = delete;

    // All registers "00000000", no file, not changed, the version hint, no AF squelch.
    // Leaves the port and the port table alone.
    void Reset();

    // Register access. n must lie in 0..299 (checked); character access never leaves the value.
    const std::string& Value(int n) const;
    void SetValue(int n, std::string value);
    // Character i of register n, or '0' when the value is shorter.
    char CharAt(int n, std::size_t i) const;
    // Replaces characters from position i on in place, padding a short value with '0' first.
    void ReplaceChars(int n, std::size_t i, std::string_view chars);

    // Port operations, delegated to the backend.
    int OpenPort(const std::string& path);  // 1 on success, -1 on failure
    void ClosePort();
    bool IsPortOpen() const;
    void WriteText(const std::string& text);  // texts over 100 bytes are not sent
    void SendProgStart();
    ReadStatus ReadByte(char& byte);
    bool PortFailed() const;
    std::string PortOpenFailureReason() const;
    std::string DeviceFor(const std::string& path) const;
    // Tries "\\.\COM1".."\\.\COM256"; records each that opens in portPaths and returns a copy.
    std::array<std::string, kPortCount> EnumeratePorts();

    // UTF-8, like every German text of the program; the unit's own texts are ASCII.
    static constexpr const char* kVersionHint = "Für Version muss Gerät zunächst ausgelesen werden.";
    static constexpr std::size_t kMaxWriteLength = 100;

    std::string versionText;
    std::string fileName;
    bool changed = false;
    bool hasAfSquelch = false;
    std::array<std::string, kPortCount> portPaths;

private:
    std::array<std::string, kRegisterCount> registers_;
    std::unique_ptr<SerialPort> port_;
};

// "\\.\COMn" for port number n.
std::string PortPath(int number);
// The name shown to the user: the path without its first four characters ("COM3").
std::string PortDisplayName(const std::string& path);

}  // namespace orvan
