#include "app/CVEXA2aApp.h"

#include <QLocale>

#include "app/AppIcon.h"
#include "app/CVEXA2aDlg.h"

namespace orvan {

bool LoadGermanQtTranslations(QTranslator& translator) {
    EnsureResources();
    // Embedded, so that a Windows installation without Qt's files is German as well.
    return translator.load(":/translations/qtbase_de.qm");
}

CVEXA2aApp::CVEXA2aApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("orvan2a");
    setApplicationVersion(ORVAN_VERSION);
    setDesktopFileName("orvan2a");
    setWindowIcon(ApplicationIcon());
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    if (LoadGermanQtTranslations(qtTranslator_))
        installTranslator(&qtTranslator_);
}

int CVEXA2aApp::Run() {
    CVEXA2aDlg window;
    // arguments(), not argv: Qt gives the file name in Unicode on Windows as well.
    const QStringList arguments = CVEXA2aApp::arguments();
    if (arguments.size() > 1)
        window.OpenAtStart(arguments.at(1));
    window.exec();
    return 0;
}

}  // namespace orvan
