#include "app/SettingsTextCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "app/Textfehler.h"
#include "core/FileAccess.h"
#include "link/DeviceMessages.h"
#include "report/SettingsText.h"

namespace orvan {

namespace {

QString FailureText(const char* headline, const QString& path, const std::string& reason) {
    return QString(headline) + "\n" + path + "\n" + QString::fromStdString(reason);
}

// The register file's name with ".txt", or nothing for an image from no file.
QString SuggestedTextName(const Register& image) {
    if (image.fileName.empty())
        return {};
    const QFileInfo file(QString::fromStdString(image.fileName));
    return file.dir().filePath(file.completeBaseName() + ".txt");
}

// Up to one byte beyond the limit: enough to know the text is too large.
bool ReadText(const QString& path, std::string& text, std::string& reason) {
    const std::error_code error = ReadFileStart(path.toStdString(), kSettingsTextLimit + 1, text);
    reason = error ? GermanReason(error, "Datei nicht gefunden") : "";
    return !error;
}

void CopyValues(const Register& from, Register& to) {
    for (int reg = 0; reg < kRegisterCount; ++reg)
        to.SetValue(reg, from.Value(reg));
}

}  // namespace

SettingsTextCommands::SettingsTextCommands(Register& image, UserInterface& ui, QWidget* parent)
    : image_(image), ui_(ui), parent_(parent) {}

bool SettingsTextCommands::Export() {
    const QString chosen = ui_.ChooseFile(
        parent_, {true, kExportTextTitle, kTextFilter, "txt", {}, SuggestedTextName(image_)});
    if (chosen.isEmpty())
        return false;
    const std::error_code error =
        ReplaceNamedFileAtomically(chosen.toStdString(), SettingsText(image_));
    if (!error)
        return true;
    ui_.ShowMessage(
        parent_, kErrorCaption,
        FailureText(kExportTextFailedText, chosen, GermanReason(error, "Ordner nicht gefunden")),
        MessageIcon::Error, MessageButtons::Ok);
    return false;
}

SettingsTextCommands::Imported SettingsTextCommands::Import() {
    const QString chosen =
        ui_.ChooseFile(parent_, {false, kImportTextTitle, kTextFilter, "txt", {}, {}});
    if (chosen.isEmpty())
        return Imported::Nothing;
    std::string text, reason;
    if (!ReadText(chosen, text, reason)) {
        ui_.ShowMessage(parent_, kErrorCaption, FailureText(kImportTextFailedText, chosen, reason),
                        MessageIcon::Error, MessageButtons::Ok);
        return Imported::Nothing;
    }
    const std::string source = QFileInfo(chosen).fileName().toStdString();
    Register built;
    TextImport import = ReadSettingsText(text, nullptr, built);
    const bool complete = import.Taken();
    // Read over the image, a partial text may name settings that only its values list (the AF
    // squelch of a circuit whose carrier mode comes from the audio).
    if (!complete)
        import = ReadSettingsText(text, &image_, built);
    if (Refused(ImportMessages(import, source)))
        return Imported::Nothing;
    if (!complete) {
        CopyValues(built, image_);
        image_.changed = true;
        return Imported::Partial;
    }
    if (image_.changed &&
        ui_.ShowMessage(parent_, kDiscardCaption, kDiscardQuestion, MessageIcon::Question,
                        MessageButtons::YesNo) != MessageAnswer::Yes)
        return Imported::Nothing;
    CopyValues(built, image_);
    // Saved, it becomes a register file of its own: "Speichern" asks for its name.
    image_.fileName.clear();
    image_.changed = false;
    return Imported::Complete;
}

bool SettingsTextCommands::Refused(const std::vector<std::string>& messages) {
    if (messages.empty())
        return false;
    QStringList problems;
    for (const std::string& message : messages)
        problems << QString::fromStdString(message);
    Textfehler dialog(problems, parent_);
    dialog.exec();
    return true;
}

}  // namespace orvan
