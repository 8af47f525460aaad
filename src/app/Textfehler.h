#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace orvan {

// Why a settings text was refused: one line per problem, "TEXT:ZEILE: Meldung", as the
// command-line tool prints them. The image stays as it was.
class Textfehler : public QDialog {
    Q_OBJECT

  public:
    static constexpr const char* kTitle = "Text importieren";
    static constexpr const char* kSummary =
        "Der Text wurde nicht übernommen; die Einstellungen bleiben, wie sie waren:";

    explicit Textfehler(const QStringList& problems, QWidget* parent = nullptr);

    const QListWidget* List() const { return list_; }

  private:
    QListWidget* list_ = nullptr;
};

}  // namespace orvan
