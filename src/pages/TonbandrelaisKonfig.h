#pragma once

#include <QDialog>

#include <array>

#include "core/Register.h"
#include "pages/model/TonbandrelaisKonfigModel.h"
#include "ui/UserInterface.h"

class QCheckBox;
class QLineEdit;
class QShowEvent;

namespace orvan {

// The tape recorder relay page: what closes the relay, and for how long after.
class TonbandrelaisKonfig : public QDialog {
    Q_OBJECT

  public:
    TonbandrelaisKonfig(Register& image, UserInterface& ui, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // OK's check of the follow-on time: its message and the focus back on the field.
    bool Commit(Register& image, UserInterface& ui);
    void Refresh();

    TonbandrelaisKonfigModel model_;
    std::array<QCheckBox*, TonbandrelaisKonfigModel::kCauseCount> causes_{};
    QLineEdit* followOn_ = nullptr;
};

}  // namespace orvan
