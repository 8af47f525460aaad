#pragma once

#include "core/Register.h"
#include "ui/UserInterface.h"

class QWidget;

namespace orvan {

// The "Datei" menu on the register image: new, open, save, save as, and the question before the
// program ends. The changed flag is cleared only by a save that really wrote the file.
class FileCommands {
  public:
    FileCommands(Register& image, UserInterface& ui, QWidget* parent);

    void New();
    // True when a file was loaded (also with a warning); a failed load changes nothing.
    bool Open();
    // Open, with the dialog starting in folder (the backups).
    bool OpenFrom(const QString& folder);
    // True when the image was written.
    bool Save();
    bool SaveAs();
    // Asks to save unsaved changes; false when the program must stay open to keep them.
    bool MayEnd();

  private:
    bool Load(const QString& chosen);
    bool WriteTo(const std::string& path);

    Register& image_;
    UserInterface& ui_;
    QWidget* parent_;
};

}  // namespace orvan
