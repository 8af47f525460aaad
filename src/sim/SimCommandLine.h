#pragma once

#include <string>
#include <vector>

#include "sim/SimulatedUnit.h"

namespace orvan::sim {

struct SimCommandLine {
    UnitOptions unit;
    std::string portsFolder;  // where the COMn link goes
    bool registerPort = true;
    bool verbose = false;
    bool help = false;
    bool version = false;
    std::string error;  // German; set on a usage error
};

// The arguments after the program name. portsFolder starts as defaultPortsFolder.
SimCommandLine ParseSimCommandLine(const std::vector<std::string>& args,
                                   const std::string& defaultPortsFolder);
std::string SimUsage();

}  // namespace orvan::sim
