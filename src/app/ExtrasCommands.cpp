#include "app/ExtrasCommands.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include "app/RememberedSettings.h"
#include "app/SettingsReport.h"
#include "app/ShellTexts.h"
#include "app/Vergleich.h"
#include "core/FileAccess.h"
#include "core/RegisterFile.h"
#include "link/DeviceMessages.h"

namespace orvan {

namespace {

QString FailureText(const char* headline, const QString& path, const std::string& reason) {
    QString text = QString(headline) + "\n" + path;
    if (!reason.empty())
        text += "\n" + QString::fromStdString(reason);
    return text;
}

}  // namespace

ExtrasCommands::ExtrasCommands(const Register& image, UserInterface& ui, QWidget* parent)
    : image_(image), ui_(ui), parent_(parent) {}

bool ExtrasCommands::CompareWithFile() {
    RememberedSettings settings;
    const QString chosen =
        ui_.ChooseFile(parent_, {false, kOpenDialogTitle, kFileFilter, kFileSuffix,
                                 settings.Folder(FolderKind::RegisterFiles)});
    if (chosen.isEmpty())
        return false;
    settings.RememberFolderOf(FolderKind::RegisterFiles, chosen);
    Register file;
    file.fileName = chosen.toStdString();
    const FileResult result = LoadFromFile(file);
    if (!result.Succeeded()) {
        ui_.ShowMessage(parent_, kErrorCaption, FailureText(kOpenFailedText, chosen, result.reason),
                        MessageIcon::Error, MessageButtons::Ok);
        return false;
    }
    if (result.status == FileResult::Status::Warning) {
        ui_.ShowMessage(parent_, {}, FailureText(kOpenWarningText, chosen, result.reason),
                        MessageIcon::Warning, MessageButtons::Ok);
    }
    ShowComparison(CompareImages(image_, file), "Datei",
                   "der Datei " + QFileInfo(chosen).fileName());
    return true;
}

bool ExtrasCommands::WriteReport() {
    RememberedSettings settings;
    const QString chosen =
        ui_.ChooseFile(parent_, {true, kReportSaveTitle, kReportFilter, "pdf",
                                 settings.Folder(FolderKind::Reports), SuggestedReportName()});
    if (chosen.isEmpty())
        return false;
    settings.RememberFolderOf(FolderKind::Reports, chosen);
    const QByteArray pdf = SettingsReportPdf(image_, QDateTime::currentDateTime());
    if (const std::error_code error = ReplaceNamedFileAtomically(
            chosen.toStdString(), std::string_view(pdf.constData(), pdf.size()))) {
        ui_.ShowMessage(parent_, kErrorCaption,
                        FailureText(kReportFailedText, chosen,
                                    GermanReason(error, "Der Ordner ist nicht vorhanden.")),
                        MessageIcon::Error, MessageButtons::Ok);
        return false;
    }
    return true;
}

void ExtrasCommands::ShowComparison(const std::vector<Difference>& differences,
                                    const QString& otherColumn, const QString& otherName) {
    Vergleich dialog(differences, otherColumn, otherName, parent_);
    dialog.exec();
}

// Beside the register file, under its name; a report of an unsaved image gets a plain name.
QString ExtrasCommands::SuggestedReportName() const {
    if (image_.fileName.empty())
        return "Einstellungsbericht.pdf";
    const QFileInfo file(QString::fromStdString(image_.fileName));
    return file.dir().filePath(file.completeBaseName() + ".pdf");
}

}  // namespace orvan
