#include "sim/Banner.h"

namespace orvan::sim {

std::string_view Banner(Identification identification) {
    switch (identification) {
        case Identification::Full:
            return "#VEXA2a/2b  VEXA 2a2 PROGSTART ok:  V1.33 NF Ser.3800\r\n";
        case Identification::NoOptionLetter:
            return "#VEXA2a/2b  VEXA 2a2 PROGSTART ok:  V1.33 -- Ser.3800\r\n";
        case Identification::OnlyVX22:
            return "#VX22/2b    VX22 PROGSTART ok:  V1.33 NF Ser.3800\r\n";
        case Identification::OnlyVexaSpace:
            return "#VEXA 2a/2b VEXA 2a2 PROGSTART ok:  V1.33 NF Ser.3800\r\n";
        case Identification::WrongDevice:
            return "#FMX-7 Meldeempf. PROGSTART ok:  V2.10 Ser.1234\r\n";
        case Identification::AtPositionZero:
            return "VEXA 2a2 PROGSTART ok:  V1.33 NF Ser.3800\r\n";
    }
    return {};
}

}  // namespace orvan::sim
