#pragma once

#include "link/Timing.h"

class QDialog;
class QLabel;
class QProgressBar;
class QPushButton;

namespace orvan {

class ConfigurationTree;
class PortSelector;
class Register;

// The controls of the main window, laid out in it: port choice, help and info, the buttons of
// "Kommunikation mit Orvan", the progress bar, the note shown while closing waits, the tree.
struct MainWindowWidgets {
    static constexpr int kProgressMaximum = 300;

    PortSelector* portSelector = nullptr;
    QPushButton* help = nullptr;
    QPushButton* info = nullptr;
    QPushButton* read = nullptr;
    QPushButton* send = nullptr;
    QPushButton* factory = nullptr;
    QPushButton* version = nullptr;
    QPushButton* calibration = nullptr;
    QPushButton* headset = nullptr;
    QProgressBar* progress = nullptr;
    QLabel* closingNote = nullptr;
    ConfigurationTree* tree = nullptr;
};

// Builds the controls into window with their start states: "Senden", the version and the tree off.
// The port list lists the ports of image, pausing portSettle after closing its port.
MainWindowWidgets BuildMainWindowWidgets(QDialog& window, Register& image, Milliseconds portSettle);

}  // namespace orvan
