#include "link/ReadSequence.h"

#include <algorithm>
#include <string_view>
#include <thread>
#include <vector>

#include "core/TextFunctions.h"
#include "link/DeviceMessages.h"
#include "link/Protocol.h"
#include "link/ReplyCollector.h"

namespace orvan {

namespace {

constexpr int kIdentificationReceives = 45;
constexpr int kBlockLength = 100;
constexpr int kValueReceives = 8;
constexpr std::size_t kParseLength = 4550;
constexpr std::size_t kLineNumberLength = 5;  // "$R" and three digits
constexpr std::size_t kVersionOffset = 12;
// A valid reply is under 4550 bytes; far more while waiting means the line carries garbage.
constexpr std::size_t kReplyLimit = 16 * kParseLength;

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

// The parse text split at every run of "\n"; empty pieces do not occur.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (end > start) {
            pieces.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return pieces;
}

// The eight value characters of a register line. A line cut short gives what it has up to its
// "\r", completed with "0".
std::string LineValue(std::string_view line) {
    std::string_view value =
        line.size() > kLineNumberLength ? line.substr(kLineNumberLength, kValueLength) : "";
    value = value.substr(0, value.find('\r'));
    return PadRightZeros(value, kValueLength);
}

}  // namespace

ReadSequence::ReadSequence(Register& image, TransferObserver& observer, const Timing& timing)
    : image_(image), observer_(observer), timing_(timing) {}

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

    // The reply followed by "0" filler, so that a line cut short by the reply's end is completed.
    // A reply longer than the usual 4550 characters is kept whole: cutting it would fill the
    // last registers with filler instead of the unit's values.
    std::string parseText = reply.Text();
    parseText.resize(std::max(kParseLength, parseText.size() + kLineNumberLength + kValueLength),
                     '0');
    const std::vector<std::string_view> pieces = SplitLines(parseText);

    const std::string_view identification = pieces.front();
    image_.versionText = identification.size() > kVersionOffset
                             ? std::string(identification.substr(kVersionOffset))
                             : std::string();
    if (FindFromSecond(image_.versionText, "N") != std::string_view::npos) {
        image_.hasAfSquelch = true;
    }
    for (int n = 0; n < kRegisterCount && static_cast<std::size_t>(n) + 1 < pieces.size(); ++n) {
        image_.changed = true;
        image_.ReplaceChars(n, 0, LineValue(pieces[n + 1]));
    }
    observer_.End({TransferResult::Success, kSuccessButtons});
}

}  // namespace orvan
