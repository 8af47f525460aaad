#include "link/ReplyCollector.h"

namespace orvan {

ReplyCollector::ReplyCollector(Register& image, const Timing& timing)
    : image_(image), timing_(timing) {
    StartWait();
}

ReplyCollector::Receive ReplyCollector::ReceiveOne() {
    char byte = 0;
    const ReadStatus status = image_.ReadByte(byte);
    if (status == ReadStatus::Failed || image_.PortFailed()) {
        return Receive::PortFailed;
    }
    if (status != ReadStatus::Byte || byte == 0) {
        return Receive::Nothing;
    }
    text_ += byte;
    lastByte_ = Clock::now();
    return Receive::Byte;
}

void ReplyCollector::StartWait() {
    waitStart_ = Clock::now();
    lastByte_ = waitStart_;
}

bool ReplyCollector::WaitExpired() const {
    const Clock::time_point now = Clock::now();
    return now - lastByte_ >= timing_.silenceLimit || now - waitStart_ >= timing_.waitLimit;
}

}  // namespace orvan
