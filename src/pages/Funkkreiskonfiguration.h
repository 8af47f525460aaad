#pragma once

#include <QDialog>

#include <array>

#include "ui/UserInterface.h"
#include "core/Register.h"
#include "pages/model/FunkkreiskonfigurationModel.h"

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QShowEvent;

namespace orvan {

// The radio circuit page: which circuits exist, may be active together, are on at power-up,
// and what keys do when no circuit is active.
class Funkkreiskonfiguration : public QDialog {
    Q_OBJECT

  public:
    Funkkreiskonfiguration(Register& image, UserInterface& ui, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void BuildCircuitColumns(QBoxLayout& page);
    void BuildAutomaticActivation(QBoxLayout& page);
    void Refresh();

    FunkkreiskonfigurationModel model_;
    std::array<QCheckBox*, kCircuitCount> allowed_{};
    QCheckBox* multipleActive_ = nullptr;
    std::array<QCheckBox*, kCircuitCount> onAtPowerUp_{};
    QButtonGroup* powerUpCircuits_ = nullptr;
    QComboBox* automaticActivation_ = nullptr;
    std::array<QCheckBox*, kCircuitCount> lastCircuits_{};
};

}  // namespace orvan
