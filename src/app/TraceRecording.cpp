#include "app/TraceRecording.h"

#include "app/RememberedSettings.h"
#include "app/ShellTexts.h"
#include "core/FileAccess.h"
#include "link/DeviceMessages.h"

namespace orvan {

TraceRecording::TraceRecording(PortTrace& trace, UserInterface& ui, QWidget* parent)
    : trace_(trace), ui_(ui), parent_(parent) {}

bool TraceRecording::Start() {
    RememberedSettings settings;
    const QString chosen =
        ui_.ChooseFile(parent_, {true, kTraceDialogTitle, kTraceFileFilter, kTraceFileSuffix,
                                 settings.Folder(FolderKind::Traces)});
    if (chosen.isEmpty())
        return false;
    settings.RememberFolderOf(FolderKind::Traces, chosen);
    std::error_code error;
    const std::filesystem::path path = PathFromText(chosen.toStdString(), error);
    if (error || (error = trace_.Start(path))) {
        ui_.ShowMessage(parent_, kErrorCaption,
                        QString(kTraceFailedText) + "\n" + chosen + "\n" +
                            QString::fromStdString(GermanReason(error, "Ordner nicht gefunden")),
                        MessageIcon::Error, MessageButtons::Ok);
        return false;
    }
    return true;
}

void TraceRecording::Stop() {
    trace_.Stop();
}

}  // namespace orvan
