#pragma once

#include <optional>
#include <string>

namespace orvan {

enum class MessageIcon { None, Error, Warning, Question, Information };

// A message the user must acknowledge. An empty caption means the program's own title.
struct Message {
    std::string caption;
    std::string text;
    MessageIcon icon = MessageIcon::None;
};

// Enabled states of the main window's buttons at the end of a transfer. An empty tree means
// "leave the configuration tree as it is".
struct ButtonStates {
    bool read = true;
    bool factoryReset = true;
    bool send = true;
    bool version = true;
    std::optional<bool> tree;
};

enum class TransferResult {
    Success,        // read: registers parsed; send: all registers sent
    NotIdentified,  // read: no supported identification
    WrongDevice,    // send: more than 30 bytes without the send identification
    EarlyEnd,       // send: the unit's end marker came before any register was sent
    Timeout,        // the unit stopped answering
    Incomplete,     // read: the register lines were not "$R000" to "$R299" in order
    PortFailed,     // the device vanished during the transfer
};

struct TransferOutcome {
    TransferResult result = TransferResult::Success;
    ButtonStates buttons;
};

// How a sequence running on a worker thread talks to the world.
class TransferObserver {
  public:
    virtual ~TransferObserver() = default;
    // One register command was sent.
    virtual void Step() = 0;
    // Shows the message and returns once the user has closed it.
    virtual void ShowMessage(const Message& message) = 0;
    // Last call of a sequence; the port is closed by then.
    virtual void End(const TransferOutcome& outcome) = 0;
};

}  // namespace orvan
