#pragma once

#include <QDialog>

#include <array>

#include "core/Register.h"
#include "pages/model/HoererLSKonfigModel.h"
#include "ui/UserInterface.h"

class QButtonGroup;
class QLineEdit;
class QShowEvent;

namespace orvan {

// Handset and loudspeaker while the handset is on hook or lifted, and per circuit the
// loudspeaker at gooseneck PTT (TETRA).
class HoererLSKonfig : public QDialog {
    Q_OBJECT

  public:
    HoererLSKonfig(Register& image, UserInterface& ui, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* BuildTetraCircuit(QWidget& parent, std::size_t circuit);
    void Refresh();

    HoererLSKonfigModel model_;
    QButtonGroup* earpiece_ = nullptr;
    QButtonGroup* loudspeaker_ = nullptr;
    std::array<QButtonGroup*, kCircuitCount> pttStates_{};
    std::array<QLineEdit*, kCircuitCount> pttVolumes_{};
};

}  // namespace orvan
