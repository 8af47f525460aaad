#include "link/Timing.h"

#include <algorithm>

namespace orvan {

Timing Timing::Scaled(int divisor) const {
    auto scale = [divisor](Milliseconds value) {
        return std::max(Milliseconds{1}, value / std::max(divisor, 1));
    };
    Timing scaled;
    for (auto [to, from] : {
             std::pair{&scaled.readBound, readBound},
             {&scaled.readCommandPause, readCommandPause},
             {&scaled.writeCommandPause, writeCommandPause},
             {&scaled.sendIdlePause, sendIdlePause},
             {&scaled.sendStartDelay, sendStartDelay},
             {&scaled.afterEndCommand, afterEndCommand},
             {&scaled.factoryResetPause, factoryResetPause},
             {&scaled.leaveProcedurePause, leaveProcedurePause},
             {&scaled.portSettle, portSettle},
             {&scaled.silenceLimit, silenceLimit},
             {&scaled.waitLimit, waitLimit},
             {&scaled.failureLimit, failureLimit},
             {&scaled.procedurePause, procedurePause},
             {&scaled.headsetRepeatPause, headsetRepeatPause},
             {&scaled.pollPeriod, pollPeriod},
             {&scaled.procedureWaitLimit, procedureWaitLimit},
         }) {
        *to = scale(from);
    }
    return scaled;
}

}  // namespace orvan
