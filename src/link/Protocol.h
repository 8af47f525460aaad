#pragma once

#include <string>
#include <string_view>

namespace orvan::protocol {

inline constexpr std::string_view kStart = "$PROGSTART\r";
inline constexpr std::string_view kEnd = "$PROGENDE\r";
inline constexpr std::string_view kFactoryReset = "$P99900000000\r";
inline constexpr std::string_view kLeaveProcedure = "xxx\r";
inline constexpr std::string_view kEndMarker = "ENDE\r\n";

// Three decimal digits with leading zeros: 7 -> "007".
std::string RegisterNumber(int n);
// "$R" + number + "\r".
std::string ReadCommand(int n);
// "$P" + number + value + "\r"; the value is sent as it stands, whatever its length.
std::string WriteCommand(int n, std::string_view value);

// The read's identification: "VEXA 2a2" or "VX22" at position 1 or later.
bool IsReadIdentification(std::string_view reply);
// The send's identification: "VEXA2a" at position 1 or later.
bool IsSendIdentification(std::string_view reply);

}  // namespace orvan::protocol
