#include "link/SendSequence.h"

#include <string_view>
#include <thread>

#include "core/TextFunctions.h"
#include "link/DeviceMessages.h"
#include "link/Protocol.h"
#include "link/ReplyCollector.h"

namespace orvan {

namespace {

// The identification is judged once the reply holds more than this many bytes.
constexpr std::size_t kIdentificationLength = 30;
constexpr ButtonStates kEndButtons{true, true, true, true, std::nullopt};

}  // namespace

SendSequence::SendSequence(Register& image, TransferObserver& observer, const Timing& timing)
    : image_(image), observer_(observer), timing_(timing) {}

void SendSequence::Run() {
    ReplyCollector reply(image_, timing_);
    auto end = [this](TransferResult result, const char* message) {
        image_.ClosePort();
        if (message != nullptr) {
            observer_.ShowMessage({kErrorCaption, message, MessageIcon::Error});
        }
        observer_.End({result, kEndButtons});
    };

    while (true) {
        const ReplyCollector::Receive received = reply.ReceiveOne();
        if (received == ReplyCollector::Receive::PortFailed) {
            return end(TransferResult::PortFailed, kPortLostText);
        }
        if (received == ReplyCollector::Receive::Nothing) {
            if (reply.WaitExpired()) {
                image_.WriteText(std::string(protocol::kEnd));
                return end(TransferResult::Timeout, kTimeoutText);
            }
            std::this_thread::sleep_for(timing_.sendIdlePause);
            continue;
        }
        if (reply.Text().size() > kIdentificationLength) {
            if (!protocol::IsSendIdentification(reply.Text())) {
                observer_.ShowMessage({kErrorCaption, kWrongDeviceText, MessageIcon::Error});
                return end(TransferResult::WrongDevice, nullptr);
            }
            for (int n = 0; n < kRegisterCount; ++n) {
                image_.WriteText(protocol::WriteCommand(n, image_.Value(n)));
                if (image_.PortFailed()) {
                    return end(TransferResult::PortFailed, kPortLostText);
                }
                observer_.Step();
                std::this_thread::sleep_for(timing_.writeCommandPause);
            }
            image_.WriteText(std::string(protocol::kEnd));
            std::this_thread::sleep_for(timing_.afterEndCommand);
            return end(TransferResult::Success, nullptr);
        }
        if (FindFromSecond(reply.Text(), protocol::kEndMarker) != std::string_view::npos) {
            return end(TransferResult::EarlyEnd, nullptr);
        }
    }
}

}  // namespace orvan
