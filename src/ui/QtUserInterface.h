#pragma once

#include <memory>

#include "ui/UserInterface.h"

class QFileDialog;
class QMessageBox;

namespace orvan {

// The message box and the register file dialog as the program shows them.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& caption,
                                            const QString& text, MessageIcon icon,
                                            MessageButtons buttons);
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, bool save);

// The program's message boxes and register file dialogs, with Qt's own widgets.
class QtUserInterface : public UserInterface {
  public:
    MessageAnswer ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                              MessageIcon icon, MessageButtons buttons) override;
    QString OpenFileName(QWidget* parent) override;
    QString SaveFileName(QWidget* parent) override;
    QString SaveFileNameOfType(QWidget* parent, const FileType& type,
                               const QString& suggestedName) override;
};

}  // namespace orvan
