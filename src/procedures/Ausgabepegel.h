#pragma once

#include <QDialog>

#include "core/Register.h"
#include "procedures/model/AusgabepegelModel.h"
#include "ui/UserInterface.h"

class QButtonGroup;
class QShowEvent;

namespace orvan {

// Picks the tone and the output whose digital level the change dialog edits, and shows all
// eight levels at a glance. The change dialog writes the image; OK and Cancel only close.
class Ausgabepegel : public QDialog {
    Q_OBJECT

  public:
    Ausgabepegel(Register& image, UserInterface& ui, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Change();
    void ShowSummary();
    void Refresh();

    Register& image_;
    UserInterface& ui_;
    AusgabepegelModel model_;
    QButtonGroup* source_ = nullptr;
    QButtonGroup* target_ = nullptr;
};

}  // namespace orvan
