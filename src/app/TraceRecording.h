#pragma once

#include "link/PortTrace.h"
#include "ui/UserInterface.h"

class QWidget;

namespace orvan {

// "Verbindungsprotokoll aufzeichnen...": asks for a file and records the serial traffic into it
// until stopped or the program ends.
class TraceRecording {
  public:
    TraceRecording(PortTrace& trace, UserInterface& ui, QWidget* parent);

    // False when the dialog was cancelled or the file could not be created (reported at once).
    bool Start();
    void Stop();

  private:
    PortTrace& trace_;
    UserInterface& ui_;
    QWidget* parent_;
};

}  // namespace orvan
