#include "link/Win32SerialPort.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string_view>

namespace orvan {

namespace {

// A register command is 14 bytes, about 15 ms at 9600 baud; a write that takes far longer
// means the line is blocked, and the transfer must not hang on it.
constexpr DWORD kWriteTimeoutPerByte = 2;
constexpr DWORD kWriteTimeoutConstant = 2000;

// "COM3" for "\\.\COM3"; other paths as they stand.
std::string Label(const std::string& path) {
    constexpr std::string_view prefix = "\\\\.\\";
    return path.starts_with(prefix) ? path.substr(prefix.size()) : path;
}

HANDLE OpenHandle(const std::string& path) {
    return ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                         nullptr);
}

std::string OpenErrorText(DWORD error, const std::string& path) {
    const std::string label = Label(path);
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return "Der Port " + label + " ist nicht vorhanden.";
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return "Der Port " + label + " wird von einem anderen Programm benutzt.";
        default:
            return "Der Port " + label + " lässt sich nicht öffnen (Fehler " +
                   std::to_string(error) + ").";
    }
}

}  // namespace

Win32SerialPort::Win32SerialPort(Milliseconds readBound)
    : readBound_(readBound), handle_(INVALID_HANDLE_VALUE) {}

Win32SerialPort::~Win32SerialPort() {
    Close();
}

bool Win32SerialPort::Open(const std::string& path) {
    Close();
    failed_ = false;
    openFailureReason_.clear();
    handle_ = OpenHandle(path);
    if (handle_ == INVALID_HANDLE_VALUE) {
        openFailureReason_ = OpenErrorText(::GetLastError(), path);
        return false;
    }
    if (!ApplyLineSettings()) {
        openFailureReason_ =
            "Der Port " + Label(path) + " lässt sich nicht auf 9600 Baud einstellen.";
        Close();
        return false;
    }
    return true;
}

bool Win32SerialPort::ApplyLineSettings() {
    // One byte: the interval time-out never applies, the total is 1 ms plus the constant.
    const DWORD bound = readBound_.count() > 1 ? static_cast<DWORD>(readBound_.count()) : 1;
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = 1;
    timeouts.ReadTotalTimeoutMultiplier = 1;
    timeouts.ReadTotalTimeoutConstant = bound - 1;
    timeouts.WriteTotalTimeoutMultiplier = kWriteTimeoutPerByte;
    timeouts.WriteTotalTimeoutConstant = kWriteTimeoutConstant;
    DCB control{};
    control.DCBlength = sizeof(control);
    if (!::BuildCommDCBA("9600,n,8,1", &control)) {
        return false;
    }
    control.fInX = FALSE;
    return ::SetCommTimeouts(handle_, &timeouts) && ::SetCommState(handle_, &control);
}

bool Win32SerialPort::IsOpen() const {
    return handle_ != INVALID_HANDLE_VALUE;
}

void Win32SerialPort::Configure() {
    if (IsOpen() && !ApplyLineSettings()) {
        failed_ = true;
    }
}

void Win32SerialPort::Close() {
    if (IsOpen()) {
        ::CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }
}

bool Win32SerialPort::Write(const std::string& bytes) {
    if (!IsOpen()) {
        return false;
    }
    DWORD written = 0;
    if (!::WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        failed_ = true;
        return false;
    }
    return true;
}

ReadStatus Win32SerialPort::ReadByte(char& byte) {
    if (!IsOpen()) {
        return ReadStatus::Failed;
    }
    char received = 0;
    DWORD count = 0;
    if (!::ReadFile(handle_, &received, 1, &count, nullptr)) {
        failed_ = true;
        return ReadStatus::Failed;
    }
    if (count == 0) {
        return ReadStatus::Silence;
    }
    byte = received;
    return ReadStatus::Byte;
}

bool Win32SerialPort::CanOpen(const std::string& path) {
    const HANDLE probe = OpenHandle(path);
    if (probe == INVALID_HANDLE_VALUE) {
        return false;
    }
    ::CloseHandle(probe);
    return true;
}

}  // namespace orvan
