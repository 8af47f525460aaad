#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Register.h"

namespace orvan {

// What a backup keeps: the image just read from the unit, or the image just sent to it.
enum class BackupKind { Read, Sent };

struct BackupResult {
    std::filesystem::path path;  // the file written, or the one that could not be
    std::string reason;          // German; empty on success

    bool Succeeded() const { return reason.empty(); }
};

// $XDG_DATA_HOME/orvan2a/Sicherungen (default ~/.local/share/...); on Windows
// %LOCALAPPDATA%\orvan2a\Sicherungen.
std::filesystem::path DefaultBackupFolder();

// "2026-12-08_14-03-27_gelesen_COM3": local time, what happened, the port. A device path stands
// without "/dev/" and with "-" for its other separators.
std::string BackupBaseName(BackupKind kind, const std::string& portPath,
                           std::chrono::system_clock::time_point when);

// Saves the image as a register file into folder (created when missing) under a name of its own:
// a second backup of the same second gets "_2", "_3", ... and never replaces the first. The
// image itself, its file name and its changed flag stay as they are.
BackupResult SaveBackup(
    const Register& image, BackupKind kind, const std::string& portPath,
    const std::filesystem::path& folder = DefaultBackupFolder(),
    std::chrono::system_clock::time_point when = std::chrono::system_clock::now());

// The register files in folder, oldest first (by the time in their names, then by the order in
// which they were written).
std::vector<std::filesystem::path> ListBackups(const std::filesystem::path& folder);

}  // namespace orvan
