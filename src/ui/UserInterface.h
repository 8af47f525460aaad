#pragma once

#include <QString>

#include "link/TransferObserver.h"

class QWidget;

namespace orvan {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// A kind of file other than register files, for its save dialog.
struct FileType {
    QString title;   // the dialog's caption
    QString filter;  // "PDF-Dateien (*.pdf)"
    QString suffix;  // appended when the user types a name without one: "pdf"
};

// Every message box, question and file dialog of the program goes through this service, so that
// tests can answer them without modal windows.
class UserInterface {
  public:
    virtual ~UserInterface() = default;

    // An empty caption shows the program's title.
    virtual MessageAnswer ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                                      MessageIcon icon, MessageButtons buttons) = 0;
    // The chosen path, or an empty string when the dialog was cancelled.
    virtual QString OpenFileName(QWidget* parent) = 0;
    virtual QString SaveFileName(QWidget* parent) = 0;
    // The save dialog for another kind of file, offering suggestedName (may hold a folder).
    virtual QString SaveFileNameOfType(QWidget* parent, const FileType& type,
                                       const QString& suggestedName) = 0;
};

}  // namespace orvan
