#include "app/MainWindowWidgets.h"

#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ConfigurationTree.h"
#include "app/PortSelector.h"
#include "app/ShellTexts.h"
#include "ui/Widgets.h"

namespace orvan {

MainWindowWidgets BuildMainWindowWidgets(QDialog& window, Register& image,
                                         Milliseconds portSettle) {
    MainWindowWidgets widgets;
    widgets.portSelector = new PortSelector(image, portSettle, &window);
    widgets.portSelector->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    widgets.portSelector->setMinimumContentsLength(6);
    QLabel* portLabel = MakeLabel("Port:", widgets.portSelector, &window);
    widgets.help = MakeButton("Hilfe...", &window);
    widgets.info = MakeButton("Info...", &window);
    widgets.read = MakeButton("Lesen", &window);
    widgets.send = MakeButton("Senden", &window);
    widgets.factory = MakeButton("Werkseinstellungen", &window);
    widgets.version = MakeButton("Version des Orvans", &window);
    widgets.calibration = MakeButton("Potentiometer-Abgleich", &window);
    widgets.headset = MakeButton("Headset-Erkennung", &window);
    widgets.progress = new QProgressBar(&window);
    widgets.progress->setRange(0, MainWindowWidgets::kProgressMaximum);
    widgets.progress->setValue(0);
    widgets.progress->setTextVisible(false);
    widgets.progress->setAccessibleName("Fortschritt");
    widgets.tree = new ConfigurationTree(&window);
    widgets.closingNote = new QLabel(kClosingNote, &window);
    widgets.closingNote->setWordWrap(true);
    widgets.closingNote->hide();

    auto* connection = new QGroupBox("Verbindungsdaten", &window);
    auto* connectionLayout = new QHBoxLayout(connection);
    connectionLayout->addWidget(portLabel);
    connectionLayout->addWidget(widgets.portSelector, 1);
    auto* helpColumn = new QVBoxLayout;
    helpColumn->addWidget(widgets.help);
    helpColumn->addWidget(widgets.info);
    helpColumn->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(connection, 1);
    top->addLayout(helpColumn);

    auto* communication = new QGroupBox("Kommunikation mit Orvan", &window);
    auto* buttons = new QGridLayout(communication);
    buttons->addWidget(widgets.read, 0, 0);
    buttons->addWidget(widgets.send, 0, 1);
    buttons->addWidget(widgets.factory, 1, 0);
    buttons->addWidget(widgets.version, 1, 1);
    buttons->addWidget(widgets.calibration, 2, 0);
    buttons->addWidget(widgets.headset, 2, 1);

    auto* layout = new QVBoxLayout(&window);
    layout->addLayout(top);
    layout->addWidget(communication);
    layout->addWidget(widgets.progress);
    layout->addWidget(widgets.closingNote);
    layout->addWidget(widgets.tree, 1);
    SetTabOrder({widgets.portSelector, widgets.help, widgets.info, widgets.read, widgets.send,
                 widgets.factory, widgets.version, widgets.calibration, widgets.headset,
                 widgets.tree});

    widgets.send->setEnabled(false);
    widgets.version->setEnabled(false);
    widgets.tree->setEnabled(false);
    return widgets;
}

}  // namespace orvan
