#pragma once

#include <QDialog>

#include <array>

#include "ui/UserInterface.h"
#include "core/Register.h"
#include "pages/model/NFSquelchKonfigModel.h"

class QGridLayout;
class QGroupBox;
class QLineEdit;
class QShowEvent;

namespace orvan {

// The AF squelch page, opened from the squelch page with its working carrier modes: per
// circuit the levels and times at which audio opens and closes the squelch.
class NFSquelchKonfig : public QDialog {
    Q_OBJECT

  public:
    NFSquelchKonfig(Register& image, UserInterface& ui, const CarrierModes& carrierModes,
                    QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    using Setting = NFSquelchKonfigModel::Setting;
    struct FieldRow;

    QGroupBox* BuildCircuit(std::size_t circuit);
    void AddField(QGroupBox& group, QGridLayout& grid, int line, std::size_t circuit,
                  const FieldRow& row);
    void Refresh();

    NFSquelchKonfigModel model_;
    std::array<QGroupBox*, kCircuitCount> circuits_{};
    std::array<std::array<QLineEdit*, NFSquelchKonfigModel::kSettingCount>, kCircuitCount>
        fields_{};
};

}  // namespace orvan
