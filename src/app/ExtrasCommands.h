#pragma once

#include <QString>

#include <vector>

#include "core/Register.h"
#include "report/Comparison.h"
#include "ui/UserInterface.h"

class QWidget;

namespace orvan {

inline constexpr const char* kReportFilter = "PDF-Dateien (*.pdf)";
inline constexpr const char* kReportSaveTitle = "Einstellungsbericht speichern";
inline constexpr const char* kReportFailedText = "Der Bericht konnte nicht gespeichert werden:";

// The commands of the "Extras" menu that work on the image alone: compare it with a register
// file, write its settings report. Neither changes the image.
class ExtrasCommands {
  public:
    ExtrasCommands(const Register& image, UserInterface& ui, QWidget* parent);

    // "Mit Datei vergleichen...": false when no file was chosen or it could not be read.
    bool CompareWithFile();
    // "Einstellungsbericht als PDF...": true when the report was written.
    bool WriteReport();
    // The "Vergleich" dialog of the image with another image.
    void ShowComparison(const std::vector<Difference>& differences, const QString& otherColumn,
                        const QString& otherName);

  private:
    QString SuggestedReportName() const;

    const Register& image_;
    UserInterface& ui_;
    QWidget* parent_;
};

}  // namespace orvan
