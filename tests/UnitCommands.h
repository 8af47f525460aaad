#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "sim/SimulatedUnit.h"

namespace orvan::test {

// A command as the simulated unit took it, with the time its "\r" arrived.
struct TimedCommand {
    std::string text;  // from "$" up to, without, the "\r"
    std::chrono::steady_clock::time_point time;
};

// The program's commands in a unit's trace, in order of arrival. Gaps are measured where the unit
// sees them: a loaded machine can only widen the real gaps, but the unit may take two commands
// in one chunk, so tests compare a span of many pauses with half their sum, or a command's
// arrival with a moment the test took before the program could send it.
inline std::vector<TimedCommand> CommandsIn(const std::vector<sim::TraceEntry>& trace) {
    std::vector<TimedCommand> commands;
    std::string current;
    for (const sim::TraceEntry& entry : trace) {
        if (entry.fromUnit)
            continue;
        if (entry.byte == '$')
            current = "$";
        else if (entry.byte == '\r' && !current.empty()) {
            commands.push_back({current, entry.time});
            current.clear();
        } else if (!current.empty()) {
            current += entry.byte;
        }
    }
    return commands;
}

// The first command from index from on that starts with prefix; commands.size() when none.
inline std::size_t FindCommand(const std::vector<TimedCommand>& commands, const std::string& prefix,
                               std::size_t from = 0) {
    while (from < commands.size() && !commands[from].text.starts_with(prefix))
        ++from;
    return from;
}

}  // namespace orvan::test
