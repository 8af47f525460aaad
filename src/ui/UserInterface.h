#pragma once

#include <QString>

#include "link/TransferObserver.h"

class QWidget;

namespace orvan {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// A file dialog other than the register file dialogs' defaults.
struct FileRequest {
    bool save = false;  // save dialog with overwrite confirmation; else open an existing file
    QString title;
    QString filter;  // one entry: "Beschreibung (*.ext)"
    QString suffix;  // appended to a typed name without one
    QString folder;  // where the dialog starts; empty: its own choice
    QString name;    // the file a save dialog offers, possibly with its folder; empty: none
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
    virtual QString ChooseFile(QWidget* parent, const FileRequest& request) = 0;
};

}  // namespace orvan
