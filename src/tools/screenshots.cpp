// Renders the main window and the dialogs of the program offscreen into PNG files, for the
// documentation and for checking the layout: orvan2a-screenshots [folder], default
// docs/screenshots.
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <string>

#include "app/AboutBox.h"
#include "app/CVEXA2aApp.h"
#include "app/CVEXA2aDlg.h"
#include "app/EinzelnesRegister.h"
#include "app/SettingsReport.h"
#include "app/ShellTexts.h"
#include "app/Vergleich.h"
#include "app/VersionText.h"
#include "link/DeviceMessages.h"
#include "pages/Funkkreiskonfiguration.h"
#include "pages/NFSquelchKonfig.h"
#include "pages/Squelchkonfiguration.h"
#include "sim/SimulatedUnit.h"
#include "ui/QtUserInterface.h"

namespace {

using namespace orvan;

// Answers every question of the main window without a modal box.
void Wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

class SilentUserInterface : public UserInterface {
  public:
    MessageAnswer ShowMessage(QWidget*, const QString&, const QString&, MessageIcon,
                              MessageButtons) override {
        return MessageAnswer::Ok;
    }
    QString OpenFileName(QWidget*) override { return {}; }
    QString SaveFileName(QWidget*) override { return {}; }
    QString SaveFileNameOfType(QWidget*, const FileType&, const QString&) override { return {}; }
};

class Camera {
  public:
    explicit Camera(QString folder) : folder_(std::move(folder)) { QDir().mkpath(folder_); }

    bool Take(QWidget& widget, const QString& name) {
        widget.show();
        Wait(50);
        const QString path = QDir(folder_).filePath(name + ".png");
        const bool saved = widget.grab().save(path);
        std::printf("%s %s\n", saved ? "geschrieben:" : "FEHLER:", qPrintable(path));
        widget.hide();
        ok_ = ok_ && saved;
        return saved;
    }

    bool TakeMessage(const QString& name, const QString& caption, const QString& text,
                     MessageIcon icon, MessageButtons buttons = MessageButtons::Ok) {
        auto box = MakeMessageBox(nullptr, caption, text, icon, buttons);
        return Take(*box, name);
    }

    // The first page of a PDF, rendered with pdftoppm (poppler-utils).
    bool TakePdf(const QByteArray& pdf, const QString& name) {
        QTemporaryDir scratch;
        QFile file(scratch.filePath("report.pdf"));
        bool saved = file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size();
        file.close();
        const QString stem = QDir(folder_).filePath(name);
        saved =
            saved && QProcess::execute("pdftoppm", {"-png", "-r", "80", "-singlefile", "-f", "1",
                                                    "-l", "1", file.fileName(), stem}) == 0;
        std::printf("%s %s.png\n", saved ? "geschrieben:" : "FEHLER:", qPrintable(stem));
        ok_ = ok_ && saved;
        return saved;
    }

    bool Ok() const { return ok_; }

  private:
    QString folder_;
    bool ok_ = true;
};

QPushButton* ButtonOf(QWidget& window, const QString& text) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    // A desktop-sized offscreen screen: message boxes size themselves by the screen's width.
    QTemporaryDir config;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const QString path = config.filePath("screen.json");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1920,
                       "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).toLocal8Bit());
    }
    CVEXA2aApp app(argc, argv);
    QApplication::setFont(QFont("DejaVu Sans", 10));
    Camera camera(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("docs/screenshots"));

    QTemporaryDir ports;
    sim::PtyHost unit;
    unit.RegisterAsComPort(ports.path().toStdString());
    SilentUserInterface silent;
    MainWindowSetup setup;
    setup.ui = &silent;
    setup.portFolder = ports.path().toStdString();
    setup.timing = Timing{}.Scaled(10);
    CVEXA2aDlg window(std::move(setup));
    camera.Take(window, "main-window");

    window.show();
    ButtonOf(window, "Lesen")->click();
    for (int waited = 0; window.TransferRunning() && waited < 10000; waited += 20)
        Wait(20);
    for (QTreeWidget* tree : window.findChildren<QTreeWidget*>())
        tree->expandAll();
    camera.Take(window, "main-window-after-read");

    EinzelnesRegister single(window.Image(), silent);
    camera.Take(single, "einzelnes-register");
    AboutBox info;
    camera.Take(info, "info");
    Funkkreiskonfiguration circuits(window.Image(), silent);
    camera.Take(circuits, "funkkreiskonfiguration");
    Squelchkonfiguration squelch(window.Image(), silent);
    camera.Take(squelch, "squelchkonfiguration");
    NFSquelchKonfig afSquelch(window.Image(), silent, {'2', '0', '2', '1'});
    camera.Take(afSquelch, "nfsquelchkonfig");
    // The image against a file and against a unit that stored two registers wrongly.
    Register other;
    for (int n = 0; n < kRegisterCount; ++n)
        other.SetValue(n, window.Image().Value(n));
    other.ReplaceChars(0, 0, window.Image().CharAt(0, 0) == '1' ? "0" : "1");
    other.ReplaceChars(2, 0, "1");
    other.ReplaceChars(214, 2, "45");
    other.SetValue(250, "0000A000");
    Vergleich withFile(CompareImages(window.Image(), other), "Datei", "der Datei anlage.rvx2a2");
    camera.Take(withFile, "vergleich-datei");
    other.SetValue(2, window.Image().Value(2));
    other.SetValue(214, window.Image().Value(214));
    Vergleich withUnit(CompareWithUnit(window.Image(), other), "Gerät", "dem Gerät");
    camera.Take(withUnit, "vergleich-geraet");
    window.Image().fileName = "/home/technik/anlagen/leitstelle-nord.rvx2a2";
    camera.TakePdf(SettingsReportPdf(window.Image(), QDateTime::currentDateTime()),
                   "einstellungsbericht");

    auto save = MakeFileDialog(nullptr, true);
    save->setOption(QFileDialog::DontUseNativeDialog);
    save->setDirectory(ports.path());
    save->resize(760, 440);
    camera.Take(*save, "save-dialog");

    camera.TakeMessage("help", kHelpCaption, kMainHelpText, MessageIcon::Information);
    camera.TakeMessage(
        "port-failed", kErrorCaption,
        QString(kPortInitFailedText) + "\n\n" + "COM7 (/dev/ttyUSB6) ist nicht vorhanden.",
        MessageIcon::Error);
    camera.TakeMessage("factory-reset-question", kFactoryResetCaption, kFactoryResetQuestion,
                       MessageIcon::Warning, MessageButtons::OkCancel);
    camera.TakeMessage("exit-question", kExitCaption, kExitQuestion, MessageIcon::Question,
                       MessageButtons::YesNo);
    camera.TakeMessage("version", kVersionCaption,
                       QString::fromStdString(ShortenedVersionText(window.Image().versionText)),
                       MessageIcon::None);
    camera.TakeMessage("single-register-help", EinzelnesRegisterModel::kHelpCaption,
                       EinzelnesRegisterModel::HelpText(), MessageIcon::Information);
    return camera.Ok() ? 0 : 1;
}
