#pragma once

#include <filesystem>
#include <string>

#include "core/Backups.h"
#include "core/Register.h"
#include "ui/UserInterface.h"

namespace orvan {

// The main window's messages; each needs nothing of the window but the image.
void ShowHelpText(UserInterface& ui, QWidget* parent);
// Shortens the image's version text as the unit's reply gives it, then shows it.
void ShowVersionText(Register& image, UserInterface& ui, QWidget* parent);
// Why the port did not open, as far as the system says.
void ShowPortFailure(const Register& image, UserInterface& ui, QWidget* parent);
// A copy of the image after a transfer that succeeded; a copy that cannot be written only warns.
void KeepBackup(const Register& image, BackupKind kind, const std::string& port,
                const std::filesystem::path& folder, UserInterface& ui, QWidget* parent);

}  // namespace orvan
