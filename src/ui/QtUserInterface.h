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
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const FileRequest& request);

// The program's message boxes and register file dialogs, with Qt's own widgets.
class QtUserInterface : public UserInterface {
  public:
    MessageAnswer ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                              MessageIcon icon, MessageButtons buttons) override;
    QString ChooseFile(QWidget* parent, const FileRequest& request) override;
};

}  // namespace orvan
