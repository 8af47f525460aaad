#pragma once

#include "app/RememberedSettings.h"
#include "core/Register.h"
#include "ui/UserInterface.h"

class QWidget;

namespace orvan {

// The "Datei" menu on the register image: new, open, save, save as, and the question before the
// program ends. The changed flag is cleared only by a save that really wrote the file. Every file
// opened or saved joins the recent files; the dialogs start in the folder used last.
class FileCommands {
  public:
    FileCommands(Register& image, UserInterface& ui, QWidget* parent);

    void New();
    // True when a file was loaded (also with a warning); a failed load changes nothing.
    bool Open();
    // Open, with the dialog starting in folder (the backups).
    bool OpenFrom(const QString& folder);
    // Loads path as "Öffnen" does after its dialog (start argument, drop, recent file).
    bool OpenPath(const QString& path);
    // True when the image was written.
    bool Save();
    bool SaveAs();
    // Asks to save unsaved changes; false when the program must stay open to keep them.
    bool MayEnd();
    // Asks to save unsaved changes before another file replaces them; false: keep the image.
    bool MayReplace();

  private:
    bool Load(const QString& chosen);
    QString ChooseRegisterFile(bool save);
    bool WriteTo(const std::string& path);

    Register& image_;
    UserInterface& ui_;
    QWidget* parent_;
};

}  // namespace orvan
