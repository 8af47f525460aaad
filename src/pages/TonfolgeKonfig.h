#pragma once

#include <QDialog>

#include <array>

#include "core/Register.h"
#include "pages/model/TonfolgeKonfigModel.h"
#include "ui/UserInterface.h"

class QComboBox;
class QLineEdit;
class QShowEvent;

namespace orvan {

// The five-tone sequence page, opened from the key functions page: the tone system and the
// tone and pause lengths both call keys' sequences use. It has no help.
class TonfolgeKonfig : public QDialog {
    Q_OBJECT

  public:
    TonfolgeKonfig(Register& image, UserInterface& ui, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    using Field = TonfolgeKonfigModel::Field;
    static constexpr std::size_t kFieldCount = 3;

    void Refresh();

    TonfolgeKonfigModel model_;
    QComboBox* toneSystem_ = nullptr;
    std::array<QLineEdit*, kFieldCount> lengths_{};
};

}  // namespace orvan
