#include "link/ReadSequence.h"

#include <algorithm>
#include <string_view>
#include <thread>

#include "link/DeviceMessages.h"
#include "link/Protocol.h"
#include "link/ReadReply.h"
#include "link/ReplyCollector.h"

namespace orvan {

namespace {

constexpr int kIdentificationReceives = 45;
constexpr int kBlockLength = 100;
constexpr int kValueReceives = 8;
// A valid reply is under 4550 bytes; far more while waiting means the line carries garbage.
constexpr std::size_t kReplyLimit = 16 * 4550;

constexpr ButtonStates kSuccessButtons{true, true, true, true, true};
constexpr ButtonStates kFailureButtons{true, true, false, false, false};

enum class WaitResult { Found, Expired, PortFailed };

// Receives until "$R" + number stands in the reply (at position 1 or later), at least once.
WaitResult WaitForLine(ReplyCollector& reply, const std::string& needle) {
    reply.StartWait();
    std::size_t searchFrom = 1;
    while (true) {
        if (reply.ReceiveOne() == ReplyCollector::Receive::PortFailed) {
            return WaitResult::PortFailed;
        }
        const std::string_view text = reply.Text();
        if (text.size() > searchFrom && text.find(needle, searchFrom) != std::string_view::npos) {
            return WaitResult::Found;
        }
        // Only a match that ends in bytes still to come can be new.
        if (text.size() >= needle.size()) {
            searchFrom = std::max<std::size_t>(1, text.size() - needle.size() + 1);
        }
        if (reply.WaitExpired() || text.size() > kReplyLimit) {
            return WaitResult::Expired;
        }
    }
}

}  // namespace

ReadSequence::ReadSequence(Register& image, TransferObserver& observer, const Timing& timing,
                           Register* target)
    : image_(image),
      target_(target != nullptr ? *target : image),
      observer_(observer),
      timing_(timing) {}

void ReadSequence::Run() {
    ReplyCollector reply(image_, timing_);
    auto failPort = [this] {
        image_.ClosePort();
        observer_.ShowMessage({kErrorCaption, kPortLostText, MessageIcon::Error});
        observer_.End({TransferResult::PortFailed, kFailureButtons});
    };

    image_.SendProgStart();
    for (int i = 0; i < kIdentificationReceives; ++i) {
        if (reply.ReceiveOne() == ReplyCollector::Receive::PortFailed) {
            return failPort();
        }
    }
    if (!protocol::IsReadIdentification(reply.Text())) {
        observer_.ShowMessage({"", kNoConnectionText, MessageIcon::None});
        image_.WriteText(std::string(protocol::kEnd));
        image_.ClosePort();
        observer_.End({TransferResult::NotIdentified, kFailureButtons});
        return;
    }

    int remaining = kRegisterCount;
    for (int blockStart = 0; blockStart < 4 * kBlockLength; blockStart += kBlockLength) {
        const int blockSize = std::min(remaining, kBlockLength);
        for (int j = 0; j < blockSize; ++j) {
            std::this_thread::sleep_for(timing_.readCommandPause);
            image_.WriteText(protocol::ReadCommand(blockStart + j));
            if (image_.PortFailed()) {
                return failPort();
            }
            observer_.Step();
        }
        const int last =
            remaining < kBlockLength ? blockStart + remaining - 1 : blockStart + kBlockLength - 1;
        const WaitResult found = WaitForLine(reply, "$R" + protocol::RegisterNumber(last));
        if (found == WaitResult::PortFailed) {
            return failPort();
        }
        if (found == WaitResult::Expired) {
            image_.WriteText(std::string(protocol::kEnd));
            image_.ClosePort();
            observer_.ShowMessage({kErrorCaption, kTimeoutText, MessageIcon::Error});
            observer_.End({TransferResult::Timeout, kFailureButtons});
            return;
        }
        for (int i = 0; i < kValueReceives; ++i) {
            if (reply.ReceiveOne() == ReplyCollector::Receive::PortFailed) {
                return failPort();
            }
        }
        remaining -= blockSize;
    }

    image_.WriteText(std::string(protocol::kEnd));
    image_.ClosePort();

    if (!ParseReadReply(reply.Text(), target_)) {
        observer_.ShowMessage({kErrorCaption, kIncompleteReplyText, MessageIcon::Error});
        observer_.End({TransferResult::Incomplete, kFailureButtons});
        return;
    }
    observer_.End({TransferResult::Success, kSuccessButtons});
}

}  // namespace orvan
