#include "procedures/ProcedureEnd.h"

#include <QApplication>

#include "link/DeviceMessages.h"
#include "procedures/model/ProcedureLink.h"
#include "ui/UserInterface.h"

namespace orvan {

void EndOnUnit(Register& image, const std::string& portPath, UserInterface& ui,
               const Timing& timing, bool store, const char* failureText, QWidget* parent) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ProcedureFailure failure = EndProcedure(image, portPath, timing, store);
    QApplication::restoreOverrideCursor();
    if (failure != ProcedureFailure::None) {
        ui.ShowMessage(parent, kErrorCaption, QString::fromUtf8(failureText), MessageIcon::Error,
                       MessageButtons::Ok);
    }
}

}  // namespace orvan
