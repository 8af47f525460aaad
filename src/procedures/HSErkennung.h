#pragma once

#include <QDialog>

#include <string>

#include "core/Register.h"
#include "link/Timing.h"
#include "procedures/ExchangeRunner.h"
#include "procedures/PendingClose.h"
#include "procedures/model/HSErkennungModel.h"
#include "ui/UserInterface.h"

class QLabel;
class QTimer;

namespace orvan {

// "Headset-Erkennung": calibrates the unit's headset detection and shows what the unit
// reports. The exchanges run off the window thread; closing waits for a running exchange.
class HSErkennung : public QDialog {
    Q_OBJECT

  public:
    static constexpr const char* kPromptCaption = "Headset-Kalibrierung";
    static constexpr const char* kPromptText =
        "Verbinden oder trennen Sie jetzt bitte das Headset!\n\nBestätigen Sie danach mit OK!";

    HSErkennung(Register& image, std::string portPath, UserInterface& ui, const Timing& timing = {},
                QWidget* parent = nullptr);
    ~HSErkennung() override;

    void done(int result) override;
    // The opening exchange runs (the timer's polls do not count).
    bool Busy() const { return opening_; }

    // Ends the procedure on the unit after the dialog closed: "p" first when it closed with
    // OK, then "xxx\r".
    static void End(Register& image, const std::string& portPath, UserInterface& ui,
                    const Timing& timing, bool store, QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Began(ProcedureFailure failure);
    void Poll();

    Register& image_;
    UserInterface& ui_;
    HSErkennungModel model_;
    QTimer* timer_ = nullptr;
    QLabel* status_ = nullptr;
    bool opening_ = false;
    bool shown_ = false;
    PendingClose pendingClose_;
    ExchangeRunner runner_;  // last: destroyed first
};

// The button of the main window: runs the dialog, then ends the procedure on the unit.
void RunHSErkennung(Register& image, const std::string& portPath, UserInterface& ui,
                    const Timing& timing, QWidget* parent);

}  // namespace orvan
