#pragma once

#include <string>
#include <vector>

#include "core/Register.h"
#include "report/Comparison.h"

namespace orvan {

// Exit statuses of the commands that compare, as diff(1) has them.
constexpr int kExitEqual = 0;
constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;

// Loads the register file into the image; false (with one line on stderr naming the file and the
// loader's reason) when it cannot be read completely. A file that loads only with a warning is
// refused: what its missing registers would show are zeros, not the file.
bool LoadWholeFile(Register& image, const std::string& file);

// "orvan2a-cli show DATEI": every setting, then the raw characters, one per line.
int ShowFile(const std::string& file);
// "orvan2a-cli diff DATEI1 DATEI2".
int DiffFiles(const std::string& before, const std::string& after);

// Prints one line per difference; kExitEqual when there is none, else kExitDifferent.
int ReportDifferences(const std::vector<Difference>& differences);

}  // namespace orvan
