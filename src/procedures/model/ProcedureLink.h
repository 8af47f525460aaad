#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "core/Register.h"
#include "link/Timing.h"

namespace orvan {

// How an exchange of a live procedure went; the dialogs turn it into a message.
enum class ProcedureFailure {
    None,
    OpenFailed,  // the port did not open: kConnectFailedText
    Silent,      // the headset's unit fell silent while polled: kConnectFailedText as well
    NoAnswer,    // nothing came, or the wait reached its time limit: the time-out message
    PortLost,    // the device vanished during the exchange
};

// Texts of the live procedures (UTF-8).
inline constexpr const char* kConnectFailedText =
    "Verbindungsherstellung fehlgeschlagen!\nBitte stellen Sie sicher dass das Gerät am "
    "gewählten Port\nangeschlossen ist und keine andere Anwendung den Port\nbenutzt.";
inline constexpr const char* kPotiEndFailedText = "Fehler beim Beenden des Potentiometer-Abgleichs";
inline constexpr const char* kHeadsetEndFailedText = "Fehler beim Beenden der Headset-Erkennung";

// Single-byte reads of the unit's text. Besides its count of empty reads, every wait of a
// procedure ends after Timing::procedureWaitLimit, so that a unit that floods bytes without the
// awaited key word cannot hold it for ever.
class UnitText {
  public:
    UnitText(Register& image, const Timing& timing);

    // One read: the byte, or nothing when none came (a byte 0 counts as none).
    std::optional<char> Read();
    // The time limit has passed or the port failed: the wait must end.
    bool Over() const;
    bool Expired() const;
    bool PortLost() const { return lost_; }
    // The failure of a wait that ended without what it waited for.
    ProcedureFailure Failure() const;

  private:
    Register& image_;
    std::chrono::steady_clock::time_point end_;
    bool lost_ = false;
};

// Opens the procedure's port; an already open port is used as it is.
bool OpenProcedurePort(Register& image, const std::string& path);

// Ends a procedure on the unit after its dialog closed: opens the port, sends "p" first when
// store is set, then "xxx\r", waits Timing::leaveProcedurePause and closes. OpenFailed when
// the port did not open (nothing is sent then).
ProcedureFailure EndProcedure(Register& image, const std::string& path, const Timing& timing,
                              bool store);

}  // namespace orvan
