#pragma once

#include "sim/SimulatedUnit.h"

namespace orvan::sim::test {

inline UnitOptions WithFault(Fault fault, int after = 0) {
    UnitOptions options;
    options.fault = fault;
    options.faultAfter = after;
    return options;
}

inline UnitOptions Paced() {
    UnitOptions options;
    options.pace = true;
    return options;
}

inline UnitOptions TracedTo(const std::string& file) {
    UnitOptions options;
    options.traceFile = file;
    return options;
}

}  // namespace orvan::sim::test
