#pragma once

namespace orvan {

// The tool writes UTF-8. A Windows console shows bytes in its output code page (in cmd.exe
// usually 850), so for the tool's run that page is UTF-8, and the old one comes back at the end,
// also when Ctrl+C ends the run. Elsewhere this does nothing.
class Utf8Console {
  public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;
};

}  // namespace orvan
