#include "app/DeviceCheck.h"

#include "app/ExtrasCommands.h"
#include "link/DeviceMessages.h"

namespace orvan {

DeviceCheck::DeviceCheck(Register& image, UserInterface& ui, ExtrasCommands& commands,
                         QWidget* parent, const Timing& timing)
    : image_(image),
      ui_(ui),
      commands_(commands),
      parent_(parent),
      timing_(timing),
      observer_(ui, parent) {
    connect(&observer_, &GuiTransferObserver::stepped, this, &DeviceCheck::stepped);
    connect(&observer_, &GuiTransferObserver::ended, this, &DeviceCheck::OnEnded);
}

DeviceCheck::~DeviceCheck() {
    transfer_.Join();
}

bool DeviceCheck::Start(const std::string& port) {
    if (image_.OpenPort(port) != 1) {
        QString text = kPortInitFailedText;
        const std::string reason = image_.PortOpenFailureReason();
        if (!reason.empty())
            text += "\n\n" + QString::fromStdString(reason);
        ui_.ShowMessage(parent_, kErrorCaption, text, MessageIcon::Error, MessageButtons::Ok);
        return false;
    }
    unit_ = std::make_unique<Register>();
    transfer_.StartReadInto(image_, *unit_, observer_, timing_);
    return true;
}

void DeviceCheck::OnEnded(const TransferOutcome& outcome) {
    transfer_.Join();
    emit finished();
    if (outcome.result == TransferResult::Success)
        commands_.ShowComparison(CompareWithUnit(image_, *unit_), "Gerät", "dem Gerät");
    unit_.reset();
}

}  // namespace orvan
