#pragma once

#include <QDialog>

#include <array>

#include "core/Register.h"
#include "pages/model/SendezeitbegrenzungModel.h"
#include "ui/UserInterface.h"

class QLineEdit;
class QShowEvent;

namespace orvan {

// The transmitter settings page: the transmit time limit and the keying times around calls.
class Sendezeitbegrenzung : public QDialog {
    Q_OBJECT

  public:
    Sendezeitbegrenzung(Register& image, UserInterface& ui, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Refresh();

    SendezeitbegrenzungModel model_;
    std::array<QLineEdit*, SendezeitbegrenzungModel::kFieldCount> fields_{};
};

}  // namespace orvan
