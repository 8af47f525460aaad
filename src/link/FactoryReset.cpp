#include "link/FactoryReset.h"

#include "link/Protocol.h"

namespace orvan {

void SendFactoryResetCommands(Register& image) {
    image.WriteText(std::string(protocol::kStart));
    image.WriteText(std::string(protocol::kFactoryReset));
    image.WriteText(std::string(protocol::kEnd));
    image.ClosePort();
}

}  // namespace orvan
