#pragma once

#include <QDialog>

#include <array>

#include "core/Register.h"
#include "pages/model/NFKonfigModel.h"
#include "ui/UserInterface.h"

class QComboBox;
class QShowEvent;

namespace orvan {

// The page of one audio output: per circuit a list of how its audio reaches the output while
// the circuit is deactivated and while it is activated. NFKonfig, NFKonfigHoerer and
// NFKonfigTonband are this page on their output.
class NFKonfigPage : public QDialog {
    Q_OBJECT

  public:
    NFKonfigPage(Register& image, UserInterface& ui, const AfOutput& output, QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* BuildGroup(std::size_t group);
    void Refresh();

    NFKonfigModel model_;
    std::array<std::array<QComboBox*, kCircuitCount>, 2> lists_{};
};

}  // namespace orvan
