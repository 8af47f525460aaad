#pragma once

#include <chrono>

namespace orvan {

using Milliseconds = std::chrono::milliseconds;

// Every pause and bound of the device traffic. Production uses the defaults only; tests pass a
// scaled-down table.
struct Timing {
    Milliseconds readBound{51};             // one single-byte read returns after this at most
    Milliseconds readCommandPause{40};      // before each read register command
    Milliseconds writeCommandPause{10};     // after each write register command
    Milliseconds sendIdlePause{50};         // send: after a read that brought no byte
    Milliseconds sendStartDelay{100};       // send: worker start to the start command
    Milliseconds afterEndCommand{1000};     // send: after the end command
    Milliseconds factoryResetPause{1500};   // factory reset: port closed to the read
    Milliseconds leaveProcedurePause{500};  // after "xxx\r", before closing
    Milliseconds portSettle{10};            // after closing the port for the port list
    Milliseconds silenceLimit{5000};        // a transfer waiting this long without a byte ends
    Milliseconds waitLimit{20000};          // a transfer's wait for the unit ends after this
    Milliseconds failureLimit{1000};        // a failed port ends the transfer within this
    // Live procedures: after entering the text mode, after choosing a potentiometer, before
    // reading its start value, after storing.
    Milliseconds procedurePause{1000};
    Milliseconds headsetRepeatPause{40};    // headset polling: after a repeated byte
    Milliseconds pollPeriod{100};           // the procedure dialogs' polling timer
    Milliseconds procedureWaitLimit{5000};  // a procedure's wait for the unit ends after this

    // The table with every entry divided by divisor (at least 1 ms each), for tests.
    Timing Scaled(int divisor) const;
};

}  // namespace orvan
