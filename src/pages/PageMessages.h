#pragma once

#include <string>

#include "ui/UserInterface.h"
#include "pages/model/HelpText.h"

class QWidget;

namespace orvan {

// A page's help box: its own caption, icon and text, with one OK button.
void ShowHelp(UserInterface& ui, QWidget* page, const HelpText& help);

// A field that failed the check at OK: its message with the exclamation icon under the
// program's title, then the focus back on the field so it can be corrected at once.
void ReportInvalidField(UserInterface& ui, QWidget& field, const std::string& message);

}  // namespace orvan
