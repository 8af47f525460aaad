#pragma once

#include "core/Register.h"
#include "link/Timing.h"
#include "link/TransferObserver.h"

namespace orvan {

// Writes all 300 registers of the image into the unit: the worker's part. The start command is
// sent by the starting thread (TransferThread::StartSend). Ends with the port closed and exactly
// one observer.End(); the image is only read.
class SendSequence {
public:
    SendSequence(Register& image, TransferObserver& observer, const Timing& timing = {});
    void Run();

private:
    Register& image_;
    TransferObserver& observer_;
    Timing timing_;
};

}  // namespace orvan
