#pragma once

#include <QDialog>

#include <array>

#include "core/Register.h"
#include "pages/model/HeadsetKonfigModel.h"
#include "ui/UserInterface.h"

class QComboBox;
class QLineEdit;
class QShowEvent;

namespace orvan {

// The headset page: the microphone of each transmit key and the headset detection threshold.
class HeadsetKonfig : public QDialog {
    Q_OBJECT

  public:
    HeadsetKonfig(Register& image, UserInterface& ui, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Refresh();

    HeadsetKonfigModel model_;
    std::array<QComboBox*, HeadsetKonfigModel::kKeyCount> microphones_{};
    QLineEdit* threshold_ = nullptr;
};

}  // namespace orvan
