#pragma once

#include "core/Register.h"
#include "link/Timing.h"
#include "link/TransferObserver.h"

namespace orvan {

// Copies all 300 registers of the unit into the image. Runs on a worker thread; the caller has
// opened the port. Ends with the port closed and exactly one observer.End(); the image changes
// only on success, after the port is closed. With a target, the registers, version text and
// AF-squelch option read go there instead, and the image only lends its port.
class ReadSequence {
  public:
    ReadSequence(Register& image, TransferObserver& observer, const Timing& timing = {},
                 Register* target = nullptr);
    void Run();

  private:
    Register& image_;
    Register& target_;
    TransferObserver& observer_;
    Timing timing_;
};

}  // namespace orvan
