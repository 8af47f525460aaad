#pragma once

#include <QString>

#include "core/Register.h"
#include "ui/UserInterface.h"

class QWidget;

namespace orvan {

inline constexpr const char* kExportTextItem = "Als Text e&xportieren...";
inline constexpr const char* kImportTextItem = "Text &importieren...";
inline constexpr const char* kExportTextTitle = "Als Text exportieren";
inline constexpr const char* kImportTextTitle = "Text importieren";
inline constexpr const char* kTextFilter = "Einstellungstext (*.txt)";
inline constexpr const char* kExportTextFailedText = "Der Text konnte nicht gespeichert werden:";
inline constexpr const char* kImportTextFailedText = "Der Text konnte nicht gelesen werden:";
inline constexpr const char* kDiscardCaption = "Änderungen verwerfen";
inline constexpr const char* kDiscardQuestion =
    "Die Änderungen am Bild sind nicht gespeichert. Den Text trotzdem laden und die Änderungen "
    "verwerfen?";

// "Datei" → "Als Text exportieren..." and "Text importieren...": the image's settings as the
// text that `orvan2a-cli export` writes, and such a text back into the image.
class SettingsTextCommands {
  public:
    enum class Imported {
        Nothing,   // cancelled, unreadable or refused: the image is as it was
        Complete,  // the text named every character: a new image, as a file opens
        Partial,   // the text was laid over the image, which is marked changed
    };

    SettingsTextCommands(Register& image, UserInterface& ui, QWidget* parent);

    // True when the text was written.
    bool Export();
    Imported Import();

  private:
    bool Refused(const std::vector<std::string>& messages);

    Register& image_;
    UserInterface& ui_;
    QWidget* parent_;
};

}  // namespace orvan
