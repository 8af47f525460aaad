#pragma once

#include <array>
#include <string>

#include "core/Register.h"
#include "link/Timing.h"
#include "pages/model/HelpText.h"
#include "procedures/model/ProcedureLink.h"

namespace orvan {

// The command buttons of the calibration, each one character to the unit.
enum class PotiKey {
    CoarseUp,     // "*"
    CoarseDown,   // "_"
    FineUp,       // "+"
    FineDown,     // "-"
    Default,      // "d"
    Auto,         // "a"
    Store,        // "p", then the potentiometer is chosen anew
    Transmitter,  // "t"
    Tone,         // "i"
};

// The potentiometer calibration over the image's port: the state the dialog shows and the
// exchanges with the unit's text mode. The exchanges block (a choice takes about two seconds);
// the dialog runs them one at a time off its window thread and reads the state in between.
class PotiAbgleichModel {
  public:
    static constexpr int kPotiCount = 9;
    static constexpr int kInputCount = 4;

    // What the frame shows for the chosen potentiometer.
    struct Controls {
        bool inputFields;    // "dB      ->", level caption and field, "mV", "Auto-Abgleich"
        bool transmitter;    // "Sender an/aus" / "TB-Relais an/aus"
        bool tone;           // "1000Hz-Ton an/aus"
        const char* coarse;  // step captions
        const char* fine;
        const char* transmitterCaption;
    };

    PotiAbgleichModel(Register& image, std::string portPath, const Timing& timing);

    // The selector's entries (UTF-8), potentiometer n at position n - 1.
    static const std::array<const char*, kPotiCount>& Entries();
    static HelpText Help();

    // Exchange when the dialog is shown: the unit enters its potentiometer menu.
    ProcedureFailure Begin();

    // The technician chose potentiometer n (1..9): true when a selection exchange must follow.
    // Choosing the chosen one again does nothing, unless its exchanges had failed.
    bool Choose(int n);
    // Exchange: the unit adjusts the chosen potentiometer; the start value of 5-9 is read.
    ProcedureFailure RunSelection();
    // Exchange of a command button.
    ProcedureFailure Press(PotiKey key);
    // Whether the polling timer should run Poll now: an input is chosen and being polled.
    bool PollDue() const;
    // Exchange of the polling timer: reopen the port, read the display, close.
    ProcedureFailure Poll();

    int Selected() const { return selected_; }
    bool InputSelected() const { return IsInput(selected_); }
    bool FunctionsEnabled() const { return functionsEnabled_; }
    const std::string& SettingText() const { return setting_; }
    const std::string& LevelText() const { return level_; }
    Controls ControlsFor() const;

    static bool IsInput(int n) { return n >= 1 && n <= kInputCount; }

  private:
    ProcedureFailure ReadDisplay();
    ProcedureFailure ReadStartValue();
    ProcedureFailure Reopen();
    ProcedureFailure Failed(ProcedureFailure failure);
    void Send(const std::string& text);

    Register& image_;
    std::string portPath_;
    Timing timing_;
    int selected_ = 0;
    std::string setting_ = "     ";
    std::string level_ = "   ";
    bool polling_ = false;
    bool functionsEnabled_ = false;
    bool stalled_ = false;  // an exchange failed; polling waits for a new choice
};

}  // namespace orvan
