#include "link/TracingPort.h"

namespace orvan {

TracingPort::TracingPort(std::unique_ptr<SerialPort> port, std::shared_ptr<PortTrace> trace)
    : port_(std::move(port)), trace_(std::move(trace)) {}

bool TracingPort::Open(const std::string& path) {
    const bool wasOpen = port_->IsOpen();
    const bool opened = port_->Open(path);
    if (!trace_->Active() || wasOpen) {
        return opened;
    }
    const std::string device = port_->DeviceFor(path);
    const std::string named = path + (device.empty() || device == path ? "" : " (" + device + ")");
    if (opened) {
        trace_->Event("Port geöffnet: " + named);
    } else {
        trace_->Event("Port konnte nicht geöffnet werden: " + named + ": " +
                      port_->OpenFailureReason());
    }
    return opened;
}

void TracingPort::Configure() {
    port_->Configure();
}

bool TracingPort::IsOpen() const {
    return port_->IsOpen();
}

void TracingPort::Close() {
    if (port_->IsOpen()) {
        trace_->Event("Port geschlossen");
    }
    port_->Close();
}

bool TracingPort::Write(const std::string& bytes) {
    trace_->Sent(bytes);
    const bool written = port_->Write(bytes);
    if (!written) {
        trace_->Event("Schreiben fehlgeschlagen: Gerät nicht mehr erreichbar");
    }
    return written;
}

ReadStatus TracingPort::ReadByte(char& byte) {
    const ReadStatus status = port_->ReadByte(byte);
    switch (status) {
        case ReadStatus::Byte:
            trace_->Received(byte);
            break;
        case ReadStatus::Silence:
            trace_->Silence();
            break;
        case ReadStatus::Failed:
            trace_->Event("Lesen fehlgeschlagen: Gerät nicht mehr erreichbar");
            break;
    }
    return status;
}

bool TracingPort::HasFailed() const {
    return port_->HasFailed();
}

std::string TracingPort::OpenFailureReason() const {
    return port_->OpenFailureReason();
}

bool TracingPort::CanOpen(const std::string& path) {
    return port_->CanOpen(path);
}

std::string TracingPort::DeviceFor(const std::string& path) const {
    return port_->DeviceFor(path);
}

}  // namespace orvan
