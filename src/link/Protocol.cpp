#include "link/Protocol.h"

#include "core/TextFunctions.h"

namespace orvan::protocol {

std::string RegisterNumber(int n) {
    return PadLeftZeros(std::to_string(n), 3);
}

std::string ReadCommand(int n) {
    return "$R" + RegisterNumber(n) + "\r";
}

std::string WriteCommand(int n, std::string_view value) {
    std::string command = "$P" + RegisterNumber(n);
    command.append(value);
    command += '\r';
    return command;
}

bool IsReadIdentification(std::string_view reply) {
    return FindFromSecond(reply, "VEXA 2a2") != std::string_view::npos ||
           FindFromSecond(reply, "VX22") != std::string_view::npos;
}

bool IsSendIdentification(std::string_view reply) {
    return FindFromSecond(reply, "VEXA2a") != std::string_view::npos;
}

}  // namespace orvan::protocol
