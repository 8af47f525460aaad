#pragma once

#include <QApplication>
#include <QTranslator>

namespace orvan {

// Loads Qt's own German texts ("Ja", "Abbrechen", the file dialogs) into translator, whatever the
// system's locale. False when the translations are not installed.
bool LoadGermanQtTranslations(QTranslator& translator);

// The application object: German throughout, one main window run modally.
class CVEXA2aApp : public QApplication {
    Q_OBJECT

  public:
    CVEXA2aApp(int& argc, char** argv);

    // Runs the main window until its exit procedure ends it; the program's exit code.
    int Run();

  private:
    QTranslator qtTranslator_;
};

}  // namespace orvan
