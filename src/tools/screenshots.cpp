// Renders the main window and the dialogs of the program offscreen into PNG files, for the
// documentation and for checking the layout: orvan2a-screenshots [folder], default
// docs/screenshots.
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <functional>
#include <string>

#include "app/AboutBox.h"
#include "app/CVEXA2aApp.h"
#include "app/CVEXA2aDlg.h"
#include "app/EinzelnesRegister.h"
#include "app/ShellTexts.h"
#include "app/VersionText.h"
#include "link/DeviceMessages.h"
#include "pages/Funkkreiskonfiguration.h"
#include "pages/NFSquelchKonfig.h"
#include "pages/Squelchkonfiguration.h"
#include "procedures/HSErkennung.h"
#include "procedures/PotiAbgleich.h"
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

void WaitWhile(const std::function<bool()>& condition) {
    for (int waited = 0; condition() && waited < 10000; waited += 20)
        Wait(20);
}

// Both live procedures against the simulated unit, in their states.
void TakeProcedures(Camera& camera, Register& image, sim::PtyHost& unit, UserInterface& ui) {
    const Timing timing = Timing{}.Scaled(10);
    {
        PotiAbgleich poti(image, unit.SlavePath(), ui, timing);
        poti.show();
        WaitWhile([&] { return poti.Busy(); });
        camera.Take(poti, "poti-abgleich");
        auto* selector = poti.findChild<QComboBox*>();
        for (const auto& [entry, name] :
             {std::pair{1, "poti-abgleich-eingang"}, std::pair{5, "poti-abgleich-ausgang"}}) {
            selector->setCurrentIndex(entry);
            emit selector->activated(entry);
            Wait(50);
            WaitWhile([&] { return poti.Busy(); });
            Wait(300);
            camera.Take(poti, name);
        }
        poti.reject();
        WaitWhile([&] { return poti.isVisible(); });
    }
    PotiAbgleich::End(image, unit.SlavePath(), ui, timing, nullptr);
    const HelpText help = PotiAbgleichModel::Help();
    camera.TakeMessage("poti-abgleich-hilfe", QString::fromUtf8(help.caption),
                       QString::fromUtf8(help.text), help.icon);

    {
        HSErkennung headset(image, unit.SlavePath(), ui, timing);
        headset.show();
        QLabel* status = headset.findChild<QGroupBox*>()->findChild<QLabel*>();
        for (const auto& [plugged, name] :
             {std::pair{false, "hs-erkennung"}, std::pair{true, "hs-erkennung-angeschlossen"}}) {
            unit.WithText([plugged](sim::TextMode& mode) { mode.SetHeadsetPlugged(plugged); });
            const QString shown = QString::fromUtf8(plugged ? HSErkennungModel::kConnected
                                                            : HSErkennungModel::kNotConnected);
            WaitWhile([&] { return status->text() != shown; });
            camera.Take(headset, name);
        }
        headset.reject();
        WaitWhile([&] { return headset.isVisible(); });
    }
    HSErkennung::End(image, unit.SlavePath(), ui, timing, false, nullptr);
    camera.TakeMessage("hs-kalibrierung", HSErkennung::kPromptCaption,
                       QString::fromUtf8(HSErkennung::kPromptText), MessageIcon::Information);
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
    auto save = MakeFileDialog(nullptr, true);
    save->setOption(QFileDialog::DontUseNativeDialog);
    save->setDirectory(ports.path());
    save->resize(760, 440);
    camera.Take(*save, "save-dialog");

    TakeProcedures(camera, window.Image(), unit, silent);

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
