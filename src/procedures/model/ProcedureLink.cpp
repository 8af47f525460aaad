#include "procedures/model/ProcedureLink.h"

#include <thread>

#include "link/Protocol.h"

namespace orvan {

UnitText::UnitText(Register& image, const Timing& timing)
    : image_(image), end_(std::chrono::steady_clock::now() + timing.procedureWaitLimit) {}

std::optional<char> UnitText::Read() {
    char byte = 0;
    const ReadStatus status = image_.ReadByte(byte);
    if (status == ReadStatus::Failed || image_.PortFailed()) {
        lost_ = true;
        return std::nullopt;
    }
    if (status != ReadStatus::Byte || byte == 0) {
        return std::nullopt;
    }
    return byte;
}

bool UnitText::Expired() const {
    return std::chrono::steady_clock::now() >= end_;
}

bool UnitText::Over() const {
    return lost_ || Expired();
}

ProcedureFailure UnitText::Failure() const {
    return lost_ ? ProcedureFailure::PortLost : ProcedureFailure::NoAnswer;
}

bool OpenProcedurePort(Register& image, const std::string& path) {
    return image.OpenPort(path) == 1;
}

ProcedureFailure EndProcedure(Register& image, const std::string& path, const Timing& timing,
                              bool store) {
    if (!OpenProcedurePort(image, path)) {
        return ProcedureFailure::OpenFailed;
    }
    if (store) {
        image.WriteText("p");
    }
    image.WriteText(std::string(protocol::kLeaveProcedure));
    std::this_thread::sleep_for(timing.leaveProcedurePause);
    image.ClosePort();
    return ProcedureFailure::None;
}

}  // namespace orvan
