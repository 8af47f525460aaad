#include "core/Backups.h"

#include <algorithm>
#include <ctime>
#include <system_error>
#include <tuple>

#include "core/Environment.h"
#include "core/FileAccess.h"
#include "core/RegisterFile.h"

namespace orvan {

namespace fs = std::filesystem;

namespace {

constexpr const char* kExtension = ".rvx2a2";
constexpr std::size_t kTimeLength = 19;  // "2026-12-08_14-03-27"
constexpr int kBackupNameAttempts = 1000;

std::tm LocalTime(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    return local;
}

std::string PortPart(const std::string& portPath) {
    std::string port = portPath.starts_with("\\\\.\\") ? PortDisplayName(portPath) : portPath;
    if (port.starts_with("/dev/")) {
        port.erase(0, 5);
    }
    for (char& c : port) {
        const bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                           (c >= 'a' && c <= 'z') || c == '-' || c == '.';
        if (!plain) {
            c = '-';
        }
    }
    return port.empty() ? "Port" : port;
}

}  // namespace

fs::path DefaultBackupFolder() {
#ifdef _WIN32
    const std::string local = EnvironmentText("LOCALAPPDATA");
    const std::string base = !local.empty() ? local : EnvironmentText("USERPROFILE");
#else
    const std::string data = EnvironmentText("XDG_DATA_HOME");
    const std::string home = EnvironmentText("HOME");
    const std::string base = !data.empty() ? data : (home.empty() ? "." : home) + "/.local/share";
#endif
    // The environment comes as UTF-8, which every platform can name a file with.
    std::error_code ignored;
    return PathFromText(base, ignored) / "orvan2a" / "Sicherungen";
}

std::string BackupBaseName(BackupKind kind, const std::string& portPath,
                           std::chrono::system_clock::time_point when) {
    const std::tm local = LocalTime(when);
    char time[32];
    std::strftime(time, sizeof time, "%Y-%m-%d_%H-%M-%S", &local);
    return std::string(time) + (kind == BackupKind::Read ? "_gelesen_" : "_gesendet_") +
           PortPart(portPath);
}

BackupResult SaveBackup(const Register& image, BackupKind kind, const std::string& portPath,
                        const fs::path& folder, std::chrono::system_clock::time_point when) {
    const std::string base = BackupBaseName(kind, portPath, when);
    BackupResult result{folder / (base + kExtension), {}};
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        result.reason = GermanReason(error, "Ordner nicht gefunden");
        return result;
    }
    const std::string bytes = RegisterFileText(image);
    for (int attempt = 1; attempt <= kBackupNameAttempts; ++attempt) {
        const std::string suffix = attempt == 1 ? "" : "_" + std::to_string(attempt);
        result.path = folder / (base + suffix + kExtension);
        error = CreateFileAtomically(result.path, bytes);
        if (error != std::errc::file_exists) {
            break;
        }
    }
    if (error) {
        result.reason = GermanReason(error, "Ordner nicht gefunden");
    }
    return result;
}

std::vector<fs::path> ListBackups(const fs::path& folder) {
    struct Entry {
        std::string time;
        fs::file_time_type written;
        fs::path path;
    };
    std::vector<Entry> entries;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        std::error_code ignored;
        if (entry.path().extension() != kExtension || !entry.is_regular_file(ignored)) {
            continue;
        }
        const std::string name = TextFromPath(entry.path().filename());
        entries.push_back(
            {name.substr(0, kTimeLength), entry.last_write_time(ignored), entry.path()});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.time, a.written, a.path) < std::tie(b.time, b.written, b.path);
    });
    std::vector<fs::path> paths;
    for (Entry& entry : entries) {
        paths.push_back(std::move(entry.path));
    }
    return paths;
}

}  // namespace orvan
