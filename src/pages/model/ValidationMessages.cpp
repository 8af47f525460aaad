#include "pages/model/ValidationMessages.h"

namespace orvan {

std::string WholeNumberMessage() {
    return "Geben Sie eine ganze Zahl ein.";
}

std::string NumberRangeMessage(int lowest, int highest) {
    return "Geben Sie eine ganze Zahl zwischen " + std::to_string(lowest) + " und " +
           std::to_string(highest) + " ein.";
}

std::string TextLengthMessage(int limit) {
    return "Geben Sie nicht mehr als " + std::to_string(limit) + " Zeichen ein.";
}

std::string HexValueMessage() {
    return "Hexwert eingeben!";
}

std::string NumberMessage() {
    return "Geben Sie eine Zahl ein.";
}

}  // namespace orvan
