#pragma once

#include <QDialog>

#include "core/Register.h"
#include "procedures/model/AusgabepegelModel.h"

class QGroupBox;
class QLineEdit;
class QShowEvent;

namespace orvan {

// Changes one output level: OK writes it into the image at once.
class AusgabepegelAendern : public QDialog {
    Q_OBJECT

  public:
    AusgabepegelAendern(Register& image, LevelChoice level, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Refresh();

    AusgabepegelAendernModel model_;
    QGroupBox* frame_ = nullptr;
    QLineEdit* level_ = nullptr;
};

}  // namespace orvan
