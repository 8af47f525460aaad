#pragma once

#include <QDialog>

#include <array>

#include "core/Register.h"
#include "procedures/model/EingangsverstaerkungModel.h"
#include "ui/UserInterface.h"

class QLineEdit;
class QShowEvent;

namespace orvan {

// Per circuit the gain of its incoming audio and its minimum volume level, and the minimum
// level of the overall volume.
class Eingangsverstaerkung : public QDialog {
    Q_OBJECT

  public:
    Eingangsverstaerkung(Register& image, UserInterface& ui, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* BuildCircuit(std::size_t circuit);
    QLineEdit* MakeLevelField(QWidget& parent, FixedDecimal& level);
    void LeaveGain(std::size_t circuit);
    bool Commit(Register& image);
    void Refresh();

    UserInterface& ui_;
    EingangsverstaerkungModel model_;
    std::array<QLineEdit*, kCircuitCount> gains_{};
    std::array<QLineEdit*, kCircuitCount> levels_{};
    QLineEdit* overall_ = nullptr;
    bool reporting_ = false;  // a message about a gain is open
};

}  // namespace orvan
