#pragma once

#include <string>

namespace orvan {

// The German texts of the field checks, shared by every page and dialog.
std::string WholeNumberMessage();                         // "Geben Sie eine ganze Zahl ein."
std::string NumberRangeMessage(int lowest, int highest);  // "... zwischen %1 und %2 ein."
std::string TextLengthMessage(int limit);  // "Geben Sie nicht mehr als %1 Zeichen ein."
std::string HexValueMessage();             // "Hexwert eingeben!"
std::string NumberMessage();               // "Geben Sie eine Zahl ein."

}  // namespace orvan
