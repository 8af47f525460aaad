#pragma once

#include <string>

#include "link/TransferObserver.h"

namespace orvan {

// The message box behind a page's help button. An empty caption shows the program's title.
struct HelpText {
    std::string caption;
    MessageIcon icon;
    std::string text;
};

}  // namespace orvan
