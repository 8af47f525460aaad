#include "pages/PageMessages.h"

#include <QWidget>

#include "pages/PageControls.h"

namespace orvan {

void ShowHelp(UserInterface& ui, QWidget* page, const HelpText& help) {
    ui.ShowMessage(page, ToQString(help.caption), ToQString(help.text), help.icon,
                   MessageButtons::Ok);
}

void ReportInvalidField(UserInterface& ui, QWidget& field, const std::string& message) {
    ui.ShowMessage(field.window(), QString(), ToQString(message), MessageIcon::Warning,
                   MessageButtons::Ok);
    field.setFocus(Qt::OtherFocusReason);
}

}  // namespace orvan
