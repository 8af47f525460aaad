#include "link/Win32SerialPort.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// After windows.h, which setupapi.h builds on.
#include <setupapi.h>

#include <memory>
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

// The "Ports (COM & LPT)" device class: every serial port Windows knows a driver for.
constexpr GUID kPortsClass = {
    0x4d36e978, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

std::string Utf8(const wchar_t* text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string result(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), size, nullptr, nullptr);
    result.pop_back();  // the terminating NUL
    return result;
}

std::string RegistryString(HKEY key, const wchar_t* name) {
    wchar_t value[256] = {};
    DWORD size = sizeof(value) - sizeof(wchar_t);
    DWORD type = 0;
    if (::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    return Utf8(value);
}

// The name Windows gives the device behind a COM port ("USB-SERIAL CH340 (COM5)"), in UTF-8 as
// the front ends expect, or empty when no present device of the ports class has that port name.
std::string FriendlyName(const std::string& comName) {
    const HDEVINFO devices = ::SetupDiGetClassDevsW(&kPortsClass, nullptr, nullptr, DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE)
        return {};
    const std::unique_ptr<void, decltype(&::SetupDiDestroyDeviceInfoList)> guard(
        devices, &::SetupDiDestroyDeviceInfoList);
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof(device);
    for (DWORD index = 0; ::SetupDiEnumDeviceInfo(devices, index, &device); ++index) {
        const HKEY key =
            ::SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE)
            continue;
        const std::string portName = RegistryString(key, L"PortName");
        ::RegCloseKey(key);
        if (::lstrcmpiA(portName.c_str(), comName.c_str()) != 0)
            continue;
        wchar_t name[256] = {};
        if (::SetupDiGetDeviceRegistryPropertyW(devices, &device, SPDRP_FRIENDLYNAME, nullptr,
                                                reinterpret_cast<BYTE*>(name),
                                                sizeof(name) - sizeof(wchar_t), nullptr))
            return Utf8(name);
    }
    return {};
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
    std::lock_guard lock(lifecycle_);
    CloseLocked();
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
        CloseLocked();
        return false;
    }
    // A fresh handle may still hold what the device sent before (a transfer's "ENDE"), which the
    // next read would take for the unit's first line.
    ::PurgeComm(handle_, PURGE_RXCLEAR | PURGE_TXCLEAR);
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
    // BuildCommDCB leaves fBinary as it found it, and Windows supports only binary mode.
    control.fBinary = TRUE;
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
    std::lock_guard lock(lifecycle_);
    CloseLocked();
}

void Win32SerialPort::CloseLocked() {
    if (IsOpen()) {
        ::CloseHandle(handle_.exchange(INVALID_HANDLE_VALUE));
    }
}

bool Win32SerialPort::Write(const std::string& bytes) {
    std::lock_guard lock(lifecycle_);
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

std::string Win32SerialPort::DeviceFor(const std::string& path) const {
    const std::string label = Label(path);
    const std::string friendly = FriendlyName(label);
    return friendly.empty() ? label : friendly;
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
