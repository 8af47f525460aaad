#pragma once

#include <QDialog>

#include <vector>

#include "report/Comparison.h"

class QLabel;
class QTableWidget;

namespace orvan {

// The differences between the program's image and another image (a file, the unit) in a table:
// "Seite", "Einstellung", "Bild" and the other image's column; "Keine Unterschiede." when
// there are none. Shows, changes nothing.
class Vergleich : public QDialog {
    Q_OBJECT

  public:
    static constexpr const char* kTitle = "Vergleich";
    static constexpr const char* kNoDifferences = "Keine Unterschiede.";

    Vergleich(const std::vector<Difference>& differences, const QString& otherColumn,
              const QString& otherName, QWidget* parent = nullptr);

    const QTableWidget* Table() const { return table_; }
    const QLabel* Summary() const { return summary_; }

  private:
    QTableWidget* table_ = nullptr;
    QLabel* summary_ = nullptr;
};

}  // namespace orvan
