#pragma once

#include <QDialog>

#include <array>

#include "core/Register.h"
#include "pages/model/NFMuteModel.h"
#include "ui/UserInterface.h"

class QCheckBox;
class QLineEdit;
class QShowEvent;

namespace orvan {

// The noise suppression page: per circuit the levels that mute and unmute its received audio,
// or circuit 1's pair for all.
class NFMute : public QDialog {
    Q_OBJECT

  public:
    NFMute(Register& image, UserInterface& ui, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    using Level = NFMuteModel::Level;

    void Refresh();

    NFMuteModel model_;
    std::array<std::array<QLineEdit*, NFMuteModel::kLevelCount>, kCircuitCount> fields_{};
    QCheckBox* forAll_ = nullptr;
};

}  // namespace orvan
