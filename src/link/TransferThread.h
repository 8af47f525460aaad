#pragma once

#include <atomic>
#include <thread>

#include "core/Register.h"
#include "link/Timing.h"
#include "link/TransferObserver.h"

namespace orvan {

// Owns the worker thread of a read or a send. Never detached: the destructor joins.
class TransferThread {
  public:
    TransferThread() = default;
    ~TransferThread();
    TransferThread(const TransferThread&) = delete;
    TransferThread& operator=(const TransferThread&) = delete;

    // The port must be open. Returns at once.
    void StartRead(Register& image, TransferObserver& observer, const Timing& timing = {});
    // A read over image's port into target; image itself is not changed.
    void StartReadInto(Register& image, Register& target, TransferObserver& observer,
                       const Timing& timing = {});
    // The port must be open. Starts the worker, waits timing.sendStartDelay and sends the start
    // command from the calling thread, then returns.
    void StartSend(Register& image, TransferObserver& observer, const Timing& timing = {});
    // True from a start until the sequence has called observer.End().
    bool Running() const { return running_; }
    // Waits for the worker to finish. Call only when it cannot be waiting on the caller.
    void Join();

  private:
    template <typename Run>
    void Start(TransferObserver& observer, Run run);
    void JoinFinished();
    std::thread thread_;
    std::atomic<bool> running_{false};
};

}  // namespace orvan
