#pragma once

#include <QDialog>

#include <string>

#include "pages/model/DetailFMSModel.h"
#include "ui/UserInterface.h"

class QBoxLayout;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QShowEvent;

namespace orvan {

// The FMS detail page, opened from a "Detail" button of the key functions page: the fields of
// one FMS text. OK edits the caller's text in place; no register is written.
class DetailFMS : public QDialog {
    Q_OBJECT

  public:
    DetailFMS(std::string& text, UserInterface& ui, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildIdentification(QBoxLayout& page);
    void BuildStatus(QBoxLayout& page);
    void Refresh();

    DetailFMSModel model_;
    QComboBox* organisation_ = nullptr;
    QComboBox* state_ = nullptr;
    QLineEdit* location_ = nullptr;
    QLineEdit* vehicle_ = nullptr;
    QButtonGroup* direction_ = nullptr;
    QComboBox* status_ = nullptr;
    QButtonGroup* tki_ = nullptr;
    QButtonGroup* level_ = nullptr;
};

}  // namespace orvan
