#pragma once

#include <string>

#include "core/Register.h"
#include "link/Timing.h"
#include "procedures/model/ProcedureLink.h"

namespace orvan {

// The headset detection over the image's port: the unit's calibration, the status the dialog
// shows, and the polling of the unit's reports. The exchanges block; the dialog runs them one
// at a time off its window thread.
class HSErkennungModel {
  public:
    static constexpr const char* kChecking = "Headset-Anschluss wird überprüft";
    static constexpr const char* kConnected = "Headset angeschlossen";
    static constexpr const char* kNotConnected = "kein Headset angeschlossen";
    static constexpr const char* kPrompt = "Druecken Sie danach bitte eine Taste.";

    HSErkennungModel(Register& image, std::string portPath, const Timing& timing);

    // Exchange when the dialog is shown: the unit starts its calibration and prompts for a key.
    // The port stays open for Confirm. After a failure nothing is polled.
    ProcedureFailure Begin();
    // The technician has connected or disconnected the headset: a key to the unit, port closed,
    // polling starts unless Begin failed.
    void Confirm();
    bool PollDue() const { return polling_; }
    // Exchange of the polling timer: reopen the port, collect reports, judge the newest one.
    // A unit that falls silent stops the polling for good.
    ProcedureFailure Poll();

    const char* Status() const { return status_; }

  private:
    Register& image_;
    std::string portPath_;
    Timing timing_;
    const char* status_ = kChecking;
    bool polling_ = false;
    bool stopped_ = false;
};

}  // namespace orvan
