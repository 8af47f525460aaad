#pragma once

#include <QDialog>

#include <array>

#include "ui/UserInterface.h"
#include "core/Register.h"
#include "pages/model/SquelchkonfigurationModel.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QShowEvent;

namespace orvan {

// The squelch page: per circuit the carrier input's mode and whether the audio needs the
// carrier. Opens the AF squelch page for the circuits whose carrier comes from the audio.
class Squelchkonfiguration : public QDialog {
    Q_OBJECT

  public:
    Squelchkonfiguration(Register& image, UserInterface& ui, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // The AF squelch page gets this page's working carrier modes and commits on its own OK.
    void OpenAfSquelch();
    void Refresh();

    Register& image_;
    UserInterface& ui_;
    SquelchkonfigurationModel model_;
    std::array<QButtonGroup*, kCircuitCount> carrierModes_{};
    std::array<QButtonGroup*, kCircuitCount> muting_{};
    QLabel* optionNote_ = nullptr;
    QPushButton* afSquelch_ = nullptr;
};

}  // namespace orvan
