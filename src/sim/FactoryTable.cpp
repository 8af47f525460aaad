#include "sim/SimulatedUnit.h"

namespace orvan::sim {

// The standard settings the pages' help texts name; every other register is "00000000".
const std::array<const char*, kRegisterCount>& SimulatedUnit::FactoryTable() {
    static const std::array<const char*, kRegisterCount> table = [] {
        std::array<const char*, kRegisterCount> values;
        values.fill("00000000");
        values[13] = "00500000";  // tape relay follow-on time 5 s
        values[15] = "97500000";  // headset detection threshold 975 (x 5 mV)
        values[55] = "10100000";  // transmitter lead 100 ms, trailing 100 ms, pre-keying 0 ms
        values[89] = "00000128";  // minimum level for tone detection 00128
        for (int n = 210; n <= 213; ++n) {
            values[n] = "03200000";  // noise suppression: mute below 03, release above 20
        }
        for (int n = 214; n <= 217; ++n) {
            values[n] = "02604010";  // AF squelch: present 02 at 60, absent 40 below 10
        }
        values[223] = "00010640";  // alert tone to loudspeaker 10640
        values[233] = "00005320";  // alert tone to handset / headset 05320
        values[252] = "00010640";  // call tone to radio (AF out) 10640
        for (int n = 260; n <= 263; ++n) {
            values[n] = "06000000";  // input gain 0 dB (code 060), minimum volume 00000
        }
        return values;
    }();
    return table;
}

}  // namespace orvan::sim
