#include "app/ShellMessages.h"

#include "app/ShellTexts.h"
#include "app/VersionText.h"
#include "core/FileAccess.h"
#include "link/DeviceMessages.h"

namespace orvan {

void ShowHelpText(UserInterface& ui, QWidget* parent) {
    ui.ShowMessage(parent, kHelpCaption, kMainHelpText, MessageIcon::Information,
                   MessageButtons::Ok);
}

void ShowVersionText(Register& image, UserInterface& ui, QWidget* parent) {
    image.versionText = ShortenedVersionText(image.versionText);
    ui.ShowMessage(parent, kVersionCaption, QString::fromStdString(image.versionText),
                   MessageIcon::None, MessageButtons::Ok);
}

void ShowPortFailure(const Register& image, UserInterface& ui, QWidget* parent) {
    QString text = kPortInitFailedText;
    const std::string reason = image.PortOpenFailureReason();
    if (!reason.empty())
        text += "\n\n" + QString::fromStdString(reason);
    ui.ShowMessage(parent, kErrorCaption, text, MessageIcon::Error, MessageButtons::Ok);
}

void KeepBackup(const Register& image, BackupKind kind, const std::string& port,
                const std::filesystem::path& folder, UserInterface& ui, QWidget* parent) {
    const BackupResult backup = SaveBackup(image, kind, port, folder);
    if (backup.Succeeded())
        return;
    ui.ShowMessage(parent, {},
                   QString(kBackupFailedText) + "\n" +
                       QString::fromStdString(TextFromPath(backup.path)) + "\n" +
                       QString::fromStdString(backup.reason),
                   MessageIcon::Warning, MessageButtons::Ok);
}

}  // namespace orvan
