#pragma once

#include <QDialog>

#include <cstddef>

#include "core/Register.h"
#include "pages/model/TonrufauswerterKonfigModel.h"

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QShowEvent;

namespace orvan {

// The tone call evaluator of one circuit (0 to 3), opened from the tone call evaluation page:
// minimum and maximum tone length, and the detection level common to all circuits. Its OK
// writes its registers whatever the opening page does afterwards.
class TonrufauswerterKonfig : public QDialog {
    Q_OBJECT

  public:
    TonrufauswerterKonfig(Register& image, std::size_t circuit, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildLengths(QBoxLayout& page);
    void BuildLevel(QBoxLayout& page);
    void Refresh();

    TonrufauswerterKonfigModel model_;
    QLineEdit* minimum_ = nullptr;
    QLineEdit* maximum_ = nullptr;
    QButtonGroup* evaluation_ = nullptr;
    QCheckBox* allCircuits_ = nullptr;
    QLineEdit* level_ = nullptr;
};

}  // namespace orvan
