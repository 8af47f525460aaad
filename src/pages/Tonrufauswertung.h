#pragma once

#include <QDialog>

#include <array>
#include <cstddef>

#include "core/Register.h"
#include "pages/model/TonrufauswertungModel.h"
#include "ui/UserInterface.h"

class QBoxLayout;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QShowEvent;

namespace orvan {

// The tone call evaluation page: per circuit the tone call evaluated, when it activates the
// circuit and how that is announced. Opens each circuit's evaluator configuration.
class Tonrufauswertung : public QDialog {
    Q_OBJECT

  public:
    Tonrufauswertung(Register& image, UserInterface& ui, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    struct CircuitControls {
        QComboBox* toneCall = nullptr;
        QComboBox* condition = nullptr;
        QButtonGroup* mode = nullptr;
        QButtonGroup* led = nullptr;
        QButtonGroup* wakeUpTone = nullptr;
    };

    QGroupBox* BuildCircuit(std::size_t circuit);
    void BuildNotifications(QGroupBox& circuitGroup, QBoxLayout& column, std::size_t circuit);
    // The evaluator page writes its own registers on its own OK.
    void OpenEvaluator(std::size_t circuit);
    void Refresh();

    Register& image_;
    TonrufauswertungModel model_;
    std::array<CircuitControls, kCircuitCount> circuits_{};
};

}  // namespace orvan
