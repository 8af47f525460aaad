#pragma once

#include <string>
#include <vector>

namespace orvan {

// "orvan2a-cli export DATEI [TEXT]": the settings text of the register file, to TEXT or stdout.
int ExportText(const std::string& file, const std::string& text);
// "orvan2a-cli import [--base BASIS] TEXT DATEI": the register file built from the text.
int ImportText(const std::string& text, const std::string& base, const std::string& file);
// "orvan2a-cli set DATEI NAME WERT ...": the named settings of the register file changed.
int SetSettings(const std::string& file, const std::vector<std::string>& namesAndValues);

}  // namespace orvan
