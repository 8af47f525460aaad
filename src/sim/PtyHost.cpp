#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <thread>
#include <utility>

#include "sim/ComPortLinks.h"
#include "sim/Pacer.h"
#include "sim/PseudoTerminal.h"
#include "sim/SimulatedUnit.h"
#include "sim/TraceLog.h"

namespace orvan::sim {

namespace {

using Clock = std::chrono::steady_clock;

// Longest time the thread sleeps between looks at the stop request.
constexpr std::chrono::milliseconds kPollInterval{5};
constexpr std::size_t kReadChunk = 4096;

timespec ToTimespec(std::chrono::nanoseconds wait) {
    if (wait < std::chrono::nanoseconds::zero()) {
        wait = std::chrono::nanoseconds::zero();
    }
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(wait);
    return {static_cast<std::time_t>(seconds.count()), static_cast<long>((wait - seconds).count())};
}

}  // namespace

class PtyHost::Impl {
  public:
    explicit Impl(UnitOptions options)
        : unit(std::move(options)),
          trace(unit.Options().traceFile),
          links(pty.SlavePath()),
          pacer(unit.Options().pace),
          thread([this](std::stop_token stop) { Serve(stop); }) {}

    ~Impl() { Stop(); }

    void Stop() {
        thread.request_stop();
        if (thread.joinable()) {
            thread.join();
        }
    }

    mutable std::mutex mutex;
    SimulatedUnit unit;
    TraceLog trace;
    std::string received;
    PseudoTerminal pty;
    ComPortLinks links;

  private:
    void Serve(const std::stop_token& stop);
    void Queue(std::string_view bytes, Clock::time_point now);
    void ReadInput();
    void WriteOutput();

    Pacer pacer;
    std::string pending_;  // the unit's output not yet written; used by the thread only
    std::jthread thread;   // last: starts once everything above exists
};

void PtyHost::Impl::Serve(const std::stop_token& stop) {
    while (!stop.stop_requested()) {
        const auto now = Clock::now();
        {
            std::lock_guard lock(mutex);
            if (unit.HungUp() && pending_.empty()) {
                pty.Close();
                return;
            }
            if (pending_.empty()) {
                Queue(unit.Spontaneous(now), now);
            }
        }
        const bool due = !pending_.empty() && pacer.Due(now);
        auto wait = std::chrono::nanoseconds(kPollInterval);
        if (!pending_.empty() && !due && pacer.NextDue() - now < wait) {
            wait = pacer.NextDue() - now;
        }
        pollfd fd{pty.Master(), static_cast<short>(POLLIN | (due ? POLLOUT : 0)), 0};
        const timespec timeout = ToTimespec(wait);
        if (ppoll(&fd, 1, &timeout, nullptr) < 0) {
            if (errno != EINTR) {
                std::this_thread::sleep_for(kPollInterval);
            }
            continue;
        }
        if ((fd.revents & POLLIN) != 0) {
            ReadInput();
        }
        if ((fd.revents & POLLOUT) != 0) {
            WriteOutput();
        }
        if ((fd.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0 && (fd.revents & POLLIN) == 0) {
            // Not expected while the slave is held open here; never spin on it.
            std::this_thread::sleep_for(kPollInterval);
        }
    }
}

void PtyHost::Impl::Queue(std::string_view bytes, Clock::time_point now) {
    if (bytes.empty()) {
        return;
    }
    if (pending_.empty()) {
        pacer.OutputQueued(now);
    }
    pending_ += bytes;
}

void PtyHost::Impl::ReadInput() {
    char buffer[kReadChunk];
    const ssize_t count = ::read(pty.Master(), buffer, sizeof buffer);
    if (count <= 0) {
        return;
    }
    const auto now = Clock::now();
    const std::string_view bytes(buffer, static_cast<std::size_t>(count));
    std::lock_guard lock(mutex);
    trace.Record(false, bytes, now);
    received += bytes;
    Queue(unit.Receive(bytes), now);
}

void PtyHost::Impl::WriteOutput() {
    const std::size_t size = pacer.On() ? 1 : pending_.size();
    {
        // Held across the write: whoever has read these bytes from the slave and then asks for
        // the trace finds them in it.
        std::lock_guard lock(mutex);
        const auto now = Clock::now();
        const ssize_t count = ::write(pty.Master(), pending_.data(), size);
        if (count <= 0) {
            return;
        }
        trace.Record(true, std::string_view(pending_).substr(0, static_cast<std::size_t>(count)),
                     now);
        pending_.erase(0, static_cast<std::size_t>(count));
    }
    pacer.ByteSent();
}

PtyHost::PtyHost(UnitOptions options) : impl_(std::make_unique<Impl>(std::move(options))) {}

PtyHost::~PtyHost() = default;

const std::string& PtyHost::SlavePath() const {
    return impl_->pty.SlavePath();
}

int PtyHost::RegisterAsComPort(const std::string& folder) {
    std::lock_guard lock(impl_->mutex);
    return impl_->links.Add(folder);
}

void PtyHost::Unplug() {
    impl_->Stop();
    std::lock_guard lock(impl_->mutex);
    impl_->pty.Close();
}

std::string PtyHost::RegisterValue(int n) const {
    std::lock_guard lock(impl_->mutex);
    return impl_->unit.RegisterValue(n);
}

void PtyHost::SetRegisterValue(int n, std::string value) {
    std::lock_guard lock(impl_->mutex);
    impl_->unit.SetRegisterValue(n, std::move(value));
}

int PtyHost::CommandsReceived(const std::string& prefix) const {
    std::lock_guard lock(impl_->mutex);
    return impl_->unit.CommandsReceived(prefix);
}

int PtyHost::FactoryResets() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->unit.FactoryResets();
}

std::vector<TraceEntry> PtyHost::Trace() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->trace.Entries();
}

void PtyHost::WithText(const std::function<void(TextMode&)>& action) {
    std::lock_guard lock(impl_->mutex);
    action(impl_->unit.Text());
}

std::string PtyHost::ReceivedBytes() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->received;
}

}  // namespace orvan::sim
