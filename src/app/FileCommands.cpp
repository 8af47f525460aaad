#include "app/FileCommands.h"

#include "app/ShellTexts.h"
#include "core/RegisterFile.h"
#include "link/DeviceMessages.h"
#include "ui/DialogTexts.h"

namespace orvan {

namespace {

QString FailureText(const char* headline, const std::string& path, const std::string& reason) {
    QString text = QString(headline) + "\n" + QString::fromStdString(path);
    if (!reason.empty())
        text += "\n" + QString::fromStdString(reason);
    return text;
}

}  // namespace

FileCommands::FileCommands(Register& image, UserInterface& ui, QWidget* parent)
    : image_(image), ui_(ui), parent_(parent) {}

void FileCommands::New() {
    image_.Reset();
}

bool FileCommands::Open() {
    return Load(ChooseRegisterFile(false));
}

bool FileCommands::OpenFrom(const QString& folder) {
    return Load(
        ui_.ChooseFile(parent_, {false, kOpenDialogTitle, kFileFilter, kFileSuffix, folder}));
}

bool FileCommands::OpenPath(const QString& path) {
    return Load(path);
}

QString FileCommands::ChooseRegisterFile(bool save) {
    RememberedSettings settings;
    const QString chosen =
        ui_.ChooseFile(parent_, {save, save ? kSaveDialogTitle : kOpenDialogTitle, kFileFilter,
                                 kFileSuffix, settings.Folder(FolderKind::RegisterFiles)});
    if (!chosen.isEmpty())
        settings.RememberFolderOf(FolderKind::RegisterFiles, chosen);
    return chosen;
}

bool FileCommands::Load(const QString& chosen) {
    if (chosen.isEmpty())
        return false;
    const std::string path = chosen.toStdString();
    const std::string previous = image_.fileName;
    image_.fileName = path;
    const FileResult result = LoadFromFile(image_);
    if (!result.Succeeded()) {
        image_.fileName = previous;
        ui_.ShowMessage(parent_, kErrorCaption, FailureText(kOpenFailedText, path, result.reason),
                        MessageIcon::Error, MessageButtons::Ok);
        return false;
    }
    if (result.status == FileResult::Status::Warning) {
        ui_.ShowMessage(parent_, {}, FailureText(kOpenWarningText, path, result.reason),
                        MessageIcon::Warning, MessageButtons::Ok);
    }
    RememberedSettings().AddRecentFile(chosen);
    return true;
}

bool FileCommands::Save() {
    if (!image_.fileName.empty())
        return WriteTo(image_.fileName);
    const QString chosen = ChooseRegisterFile(true);
    if (chosen.isEmpty())
        return false;
    if (!WriteTo(chosen.toStdString()))
        return false;
    ui_.ShowMessage(parent_, {}, kSavedInText + chosen, MessageIcon::None, MessageButtons::Ok);
    return true;
}

bool FileCommands::SaveAs() {
    const QString chosen = ChooseRegisterFile(true);
    if (chosen.isEmpty())
        return false;
    return WriteTo(chosen.toStdString());
}

bool FileCommands::MayEnd() {
    if (!image_.changed)
        return true;
    const MessageAnswer answer = ui_.ShowMessage(parent_, kExitCaption, kExitQuestion,
                                                 MessageIcon::Question, MessageButtons::YesNo);
    return answer != MessageAnswer::Yes || Save();
}

bool FileCommands::MayReplace() {
    if (!image_.changed)
        return true;
    const MessageAnswer answer = ui_.ShowMessage(parent_, kExitCaption, kReplaceQuestion,
                                                 MessageIcon::Question, MessageButtons::YesNo);
    return answer != MessageAnswer::Yes || Save();
}

bool FileCommands::WriteTo(const std::string& path) {
    const std::string previous = image_.fileName;
    image_.fileName = path;
    const FileResult result = SaveToFile(image_);
    if (!result.Succeeded()) {
        // A name that was never written must not make the next save silent.
        image_.fileName = previous;
        ui_.ShowMessage(parent_, kErrorCaption, FailureText(kSaveFailedText, path, result.reason),
                        MessageIcon::Error, MessageButtons::Ok);
        return false;
    }
    image_.changed = false;
    RememberedSettings().AddRecentFile(QString::fromStdString(path));
    return true;
}

}  // namespace orvan
