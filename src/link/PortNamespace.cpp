#include "link/PortNamespace.h"

#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/Register.h"

namespace orvan {

namespace {

constexpr std::string_view kPortPrefix = "\\\\.\\COM";
constexpr int kTableBlock = 32;
constexpr const char* kTableDevices[] = {"/dev/ttyS", "/dev/ttyUSB", "/dev/ttyACM"};

bool IsDevicePath(const std::string& path) {
    return path.find('/') != std::string::npos;
}

}  // namespace

PortNamespace::PortNamespace(std::string folder) : folder_(std::move(folder)) {}

int PortNamespace::PortNumber(const std::string& path) {
    if (!path.starts_with(kPortPrefix)) {
        return 0;
    }
    const std::string_view digits = std::string_view(path).substr(kPortPrefix.size());
    if (digits.empty() || digits.size() > 3 || digits.front() == '0') {
        return 0;
    }
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return 0;
        }
        number = number * 10 + (c - '0');
    }
    return number <= kPortCount ? number : 0;
}

std::string PortNamespace::TableDevice(int number) {
    const int block = (number - 1) / kTableBlock;
    if (number < 1 || block >= static_cast<int>(std::size(kTableDevices))) {
        return {};
    }
    return kTableDevices[block] + std::to_string((number - 1) % kTableBlock);
}

std::string PortNamespace::Label(const std::string& path) {
    const int number = PortNumber(path);
    return number > 0 ? "COM" + std::to_string(number) : path;
}

std::string PortNamespace::Resolve(const std::string& path) const {
    if (IsDevicePath(path)) {
        return path;
    }
    const int number = PortNumber(path);
    if (number == 0) {
        return {};
    }
    // A dangling link still wins: the user named this port, so it must not silently become the
    // table's device.
    const std::filesystem::path link =
        std::filesystem::path(folder_) / ("COM" + std::to_string(number));
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(link, error))) {
        return link.string();
    }
    return TableDevice(number);
}

std::string PortNamespace::DeviceFor(const std::string& path) const {
    const std::string resolved = Resolve(path);
    if (resolved.empty() || IsDevicePath(path)) {
        return resolved;
    }
    std::error_code error;
    const std::filesystem::path link(resolved);
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(link, error))) {
        return resolved;
    }
    const std::filesystem::path target = std::filesystem::read_symlink(link, error);
    if (error) {
        return resolved;
    }
    return (target.is_absolute() ? target : link.parent_path() / target)
        .lexically_normal()
        .string();
}

}  // namespace orvan
