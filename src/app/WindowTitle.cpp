#include "app/WindowTitle.h"

#include <QFileInfo>
#include <QWidget>

#include "core/Register.h"
#include "ui/DialogTexts.h"

namespace orvan {

void ShowImageInTitle(QWidget& window, const Register& image) {
    const QString path = QString::fromStdString(image.fileName);
    window.setWindowFilePath(path);
    if (path.isEmpty()) {
        window.setWindowModified(false);
        window.setWindowTitle(kProgramTitle);
        return;
    }
    window.setWindowTitle(QFileInfo(path).fileName() + QString::fromUtf8("[*] – ") + kProgramTitle);
    window.setWindowModified(image.changed);
}

}  // namespace orvan
