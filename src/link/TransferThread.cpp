#include "link/TransferThread.h"

#include <stdexcept>

#ifdef __linux__
#include <sys/prctl.h>
#endif

#include "link/ReadSequence.h"
#include "link/SendSequence.h"

namespace orvan {

namespace {

// Clears the running flag once the sequence has reported its end.
class EndWatch : public TransferObserver {
  public:
    EndWatch(TransferObserver& target, std::atomic<bool>& running)
        : target_(target), running_(running) {}
    void Step() override { target_.Step(); }
    void ShowMessage(const Message& message) override { target_.ShowMessage(message); }
    void End(const TransferOutcome& outcome) override {
        running_ = false;
        target_.End(outcome);
    }

  private:
    TransferObserver& target_;
    std::atomic<bool>& running_;
};

// The default timer slack of 50 us lets each of the 300 command pauses overrun; the pauses are
// minimum idle times for the unit, so overrunning them only makes a transfer slower.
void TightenTimerSlack() {
#ifdef __linux__
    prctl(PR_SET_TIMERSLACK, 1UL);
#endif
}

}  // namespace

TransferThread::~TransferThread() {
    Join();
}

// run(observer) runs the sequence on the worker thread.
template <typename Run>
void TransferThread::Start(TransferObserver& observer, Run run) {
    JoinFinished();
    running_ = true;
    thread_ = std::thread([this, &observer, run] {
        TightenTimerSlack();
        EndWatch watch(observer, running_);
        run(watch);
    });
}

void TransferThread::StartRead(Register& image, TransferObserver& observer, const Timing& timing) {
    Start(observer,
          [&image, timing](TransferObserver& watch) { ReadSequence(image, watch, timing).Run(); });
}

void TransferThread::StartReadInto(Register& image, Register& target, TransferObserver& observer,
                                   const Timing& timing) {
    Start(observer, [&image, &target, timing](TransferObserver& watch) {
        ReadSequence(image, watch, timing, &target).Run();
    });
}

void TransferThread::StartSend(Register& image, TransferObserver& observer, const Timing& timing) {
    Start(observer,
          [&image, timing](TransferObserver& watch) { SendSequence(image, watch, timing).Run(); });
    std::this_thread::sleep_for(timing.sendStartDelay);
    image.SendProgStart();
}

void TransferThread::Join() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

void TransferThread::JoinFinished() {
    if (running_) {
        throw std::logic_error("a transfer is still running");
    }
    Join();
}

}  // namespace orvan
