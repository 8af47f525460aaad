#pragma once

#include <QDialog>

#include <array>
#include <string>

#include "core/Register.h"
#include "link/Timing.h"
#include "procedures/ExchangeRunner.h"
#include "procedures/PendingClose.h"
#include "procedures/model/PotiAbgleichModel.h"
#include "ui/UserInterface.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace orvan {

// "Potentiometer-Abgleich": the technician adjusts the unit's nine potentiometers live. The
// exchanges with the unit run one at a time off the window thread. While one the technician
// started runs (or waits for the timer's poll to end), the wait cursor shows and the controls
// that start exchanges are disabled. Closing waits for a running exchange.
class PotiAbgleich : public QDialog {
    Q_OBJECT

  public:
    PotiAbgleich(Register& image, std::string portPath, UserInterface& ui,
                 const Timing& timing = {}, QWidget* parent = nullptr);
    ~PotiAbgleich() override;

    // OK and Abbrechen both only close; a running exchange ends first.
    void done(int result) override;

    // An exchange the technician started runs or waits for its turn.
    bool Busy() const;

    // Ends the procedure on the unit after the dialog closed ("xxx\r").
    static void End(Register& image, const std::string& portPath, UserInterface& ui,
                    const Timing& timing, QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Build();
    void Choose(int index);
    void Press(PotiKey key);
    void Poll();
    // Runs action now, or once the running exchange has ended.
    void WhenIdle(std::function<void()> action);
    void Start(std::function<ProcedureFailure()> work, bool byUser);
    void Finished(ProcedureFailure failure);
    void Refresh();

    Register& image_;
    UserInterface& ui_;
    PotiAbgleichModel model_;
    QTimer* timer_ = nullptr;
    std::function<void()> pending_;
    bool userExchange_ = false;
    bool shown_ = false;
    PendingClose pendingClose_;

    QComboBox* selector_ = nullptr;
    QLabel* coarseCaption_ = nullptr;
    QLabel* fineCaption_ = nullptr;
    std::array<QPushButton*, 4> steps_{};  // coarse +, coarse -, fine +, fine -
    QLineEdit* setting_ = nullptr;
    QLabel* arrow_ = nullptr;
    QLabel* levelCaption_ = nullptr;
    QLineEdit* level_ = nullptr;
    QLabel* millivolt_ = nullptr;
    QPushButton* auto_ = nullptr;
    QPushButton* store_ = nullptr;
    QPushButton* default_ = nullptr;
    QPushButton* tone_ = nullptr;
    QPushButton* transmitter_ = nullptr;
    ExchangeRunner runner_;  // last: destroyed first
};

// The button of the main window: runs the dialog, then ends the procedure on the unit.
void RunPotiAbgleich(Register& image, const std::string& portPath, UserInterface& ui,
                     const Timing& timing, QWidget* parent);

}  // namespace orvan
