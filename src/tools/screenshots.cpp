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
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include "app/AboutBox.h"
#include "app/CVEXA2aApp.h"
#include "app/CVEXA2aDlg.h"
#include "app/EinzelnesRegister.h"
#include "app/RememberedSettings.h"
#include "app/SettingsReport.h"
#include "app/SettingsTextCommands.h"
#include "app/ShellTexts.h"
#include "app/Textfehler.h"
#include "app/Vergleich.h"
#include "app/VersionText.h"
#include "core/RegisterFile.h"
#include "link/DeviceMessages.h"
#include "pages/BUSYInKonfig.h"
#include "pages/BUSYOutKonfig.h"
#include "pages/DetailFMS.h"
#include "pages/DuplexKonfig.h"
#include "pages/Funkkreiskonfiguration.h"
#include "pages/HeadsetKonfig.h"
#include "pages/HoererLSKonfig.h"
#include "pages/NFKonfig.h"
#include "pages/NFKonfigHoerer.h"
#include "pages/NFKonfigTonband.h"
#include "pages/NFMute.h"
#include "pages/NFSquelchKonfig.h"
#include "pages/PageControls.h"
#include "pages/Sendezeitbegrenzung.h"
#include "pages/Squelchkonfiguration.h"
#include "pages/TXKonfig.h"
#include "pages/Tastenfunktionen.h"
#include "pages/TonbandrelaisKonfig.h"
#include "pages/TonfolgeKonfig.h"
#include "pages/TonrufauswerterKonfig.h"
#include "pages/Tonrufauswertung.h"
#include "procedures/Ausgabepegel.h"
#include "procedures/AusgabepegelAendern.h"
#include "procedures/Eingangsverstaerkung.h"
#include "procedures/HSErkennung.h"
#include "procedures/PotiAbgleich.h"
#include "report/SettingsText.h"
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
    QString ChooseFile(QWidget*, const FileRequest&) override { return {}; }
};

class Camera {
  public:
    explicit Camera(QString folder) : folder_(std::move(folder)) { QDir().mkpath(folder_); }

    bool Take(QWidget& widget, const QString& name) {
        widget.show();
        Wait(50);
        const bool saved = Save(widget.grab(), name);
        widget.hide();
        return saved;
    }

    // Offscreen windows have no frame: the title the window sets is drawn above it, as a title
    // bar would show it.
    bool TakeWithTitle(QWidget& widget, const QString& name) {
        QFont bold = widget.font();
        bold.setBold(true);
        const QString title = widget.windowHandle()->title();
        widget.resize(std::max(widget.width(), QFontMetrics(bold).horizontalAdvance(title) + 40),
                      widget.height());
        widget.show();
        Wait(50);
        const QPixmap content = widget.grab();
        const int barHeight = widget.fontMetrics().height() + 14;
        QPixmap framed(content.width(), content.height() + barHeight);
        framed.fill(widget.palette().color(QPalette::Highlight));
        QPainter painter(&framed);
        painter.setFont(bold);
        painter.setPen(widget.palette().color(QPalette::HighlightedText));
        painter.drawText(QRect(0, 0, content.width(), barHeight), Qt::AlignCenter, title);
        painter.drawPixmap(0, barHeight, content);
        painter.end();
        widget.hide();
        return Save(framed, name);
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
    bool Save(const QPixmap& picture, const QString& name) {
        const QString path = QDir(folder_).filePath(name + ".png");
        const bool saved = picture.save(path);
        std::printf("%s %s\n", saved ? "geschrieben:" : "FEHLER:", qPrintable(path));
        ok_ = ok_ && saved;
        return saved;
    }

    QString folder_;
    bool ok_ = true;
};

// The radio circuit pages that are choices, times and levels.
void TakePages(Camera& camera, Register& image, UserInterface& ui) {
    BUSYOutKonfig busyOut(image, ui);
    camera.Take(busyOut, "busyoutkonfig");
    BUSYInKonfig busyIn(image, ui);
    camera.Take(busyIn, "busyinkonfig");
    TXKonfig tx(image, ui);
    camera.Take(tx, "txkonfig");
    DuplexKonfig duplex(image, ui);
    camera.Take(duplex, "duplexkonfig");
    Sendezeitbegrenzung transmitter(image, ui);
    camera.Take(transmitter, "sendezeitbegrenzung");
    TonbandrelaisKonfig tapeRelay(image, ui);
    camera.Take(tapeRelay, "tonbandrelaiskonfig");
    HeadsetKonfig headset(image, ui);
    camera.Take(headset, "headsetkonfig");
    NFMute noise(image, ui);
    camera.Take(noise, "nfmute");
}

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
    // The recent files shown are these, never the user's own.
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    CVEXA2aApp app(argc, argv);
    QApplication::setFont(QFont("DejaVu Sans", 10));
    for (const char* name :
         {"wache-ost.rvx2a2", "rettungswache-2.rvx2a2", "einsatzleitwagen.rvx2a2"})
        RememberedSettings().AddRecentFile(QString("/home/technik/anlagen/") + name);
    Camera camera(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString("docs/screenshots"));

    QTemporaryDir ports;
    sim::PtyHost unit;
    unit.RegisterAsComPort(ports.path().toStdString());
    SilentUserInterface silent;
    MainWindowSetup setup;
    setup.ui = &silent;
    setup.portFolder = ports.path().toStdString();
    setup.timing = Timing{}.Scaled(10);
    setup.backupFolder = ports.filePath("Sicherungen").toStdString();  // not the user's backups
    CVEXA2aDlg window(std::move(setup));
    camera.Take(window, "main-window");

    window.show();
    ButtonOf(window, "Lesen")->click();
    for (int waited = 0; window.TransferRunning() && waited < 10000; waited += 20)
        Wait(20);
    for (QTreeWidget* tree : window.findChildren<QTreeWidget*>())
        tree->expandAll();
    camera.Take(window, "main-window-after-read");

    // A register file opened, then read over: its name and the mark of unsaved changes.
    window.Image().fileName = config.filePath("leitstelle-nord.rvx2a2").toStdString();
    SaveToFile(window.Image());
    window.OpenAtStart(config.filePath("leitstelle-nord.rvx2a2"));
    ButtonOf(window, "Lesen")->click();
    for (int waited = 0; window.TransferRunning() && waited < 10000; waited += 20)
        Wait(20);
    camera.TakeWithTitle(window, "main-window-title");
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        if (menu->title() == "&Datei" || menu->title() == kRecentFilesMenu) {
            menu->adjustSize();
            camera.Take(
                *menu, menu->title() == kRecentFilesMenu ? "menu-zuletzt-geoeffnet" : "menu-datei");
        }
    }

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
    TakePages(camera, window.Image(), silent);
    Tonrufauswertung toneCalls(window.Image(), silent);
    camera.Take(toneCalls, "tonrufauswertung");
    TonrufauswerterKonfig toneEvaluator(window.Image(), 1);
    camera.Take(toneEvaluator, "tonrufauswerterkonfig");
    // Both call keys with a text: one telegram, one five-tone sequence.
    Register keyImage;
    keyImage.SetValue(19, "1230005");
    keyImage.SetValue(21, "6A123456");
    keyImage.SetValue(23, "3007C003");
    keyImage.SetValue(32, "12345000");
    Tastenfunktionen keys(keyImage, silent);
    camera.Take(keys, "tastenfunktionen");
    TonfolgeKonfig sequence(window.Image(), silent);
    camera.Take(sequence, "tonfolgekonfig");
    std::string fmsText = "6A1234567C";
    DetailFMS fmsDetail(fmsText, silent);
    camera.Take(fmsDetail, "detailfms");
    NFKonfig afToLoudspeaker(window.Image(), silent);
    camera.Take(afToLoudspeaker, "nfkonfig");
    NFKonfigHoerer afToHandset(window.Image(), silent);
    camera.Take(afToHandset, "nfkonfighoerer");
    NFKonfigTonband afToTape(window.Image(), silent);
    camera.Take(afToTape, "nfkonfigtonband");
    HoererLSKonfig handsetAndLoudspeaker(window.Image(), silent);
    camera.Take(handsetAndLoudspeaker, "hoererlskonfig");
    Ausgabepegel outputLevels(window.Image(), silent);
    camera.Take(outputLevels, "ausgabepegel");
    AusgabepegelAendern changeLevel(window.Image(), {'2', '3'});
    camera.Take(changeLevel, "ausgabepegelaendern");
    camera.TakeMessage("ausgabepegel-alle", ToQString(AusgabepegelModel::kSummaryCaption),
                       ToQString(AusgabepegelModel::Summary(window.Image())), MessageIcon::None);
    Eingangsverstaerkung inputGain(window.Image(), silent);
    camera.Take(inputGain, "eingangsverstaerkung");
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

    // Settings as text: the export's save dialog, the import's open dialog, and a refused text.
    QFile text(QDir(ports.path()).filePath("leitstelle-nord.txt"));
    text.open(QIODevice::WriteOnly);
    text.write(QByteArray::fromStdString(SettingsText(window.Image())));
    text.close();
    auto exportText = MakeFileDialog(
        nullptr, {true, kExportTextTitle, kTextFilter, "txt", ports.path(), "leitstelle-nord.txt"});
    exportText->setOption(QFileDialog::DontUseNativeDialog);
    exportText->resize(760, 440);
    camera.Take(*exportText, "text-exportieren");
    auto importText =
        MakeFileDialog(nullptr, {false, kImportTextTitle, kTextFilter, "txt", ports.path()});
    importText->setOption(QFileDialog::DontUseNativeDialog);
    importText->resize(760, 440);
    camera.Take(*importText, "text-importieren");
    Register refused;
    const std::vector<std::string> problems = ImportMessages(
        ReadSettingsText(std::string(kSettingsTextHeader) +
                             "\nFunkkreiskonfiguration › Funkkreis 2 erlaubt: jein\n"
                             "Funkkreiskonfiguration › Funkkreis 9 erlaubt: ja\n"
                             "Sendereinstellungen › Vortastzeit ohne NF in ms: 12 ms\n"
                             "Register 250 (Zeichen 1-2): 123\n",
                         &window.Image(), refused),
        "wagen7.txt");
    QStringList lines;
    for (const std::string& problem : problems)
        lines << QString::fromStdString(problem);
    Textfehler textProblems(lines);
    camera.Take(textProblems, "text-fehler");

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
    camera.TakeMessage("read-incomplete", kErrorCaption, kIncompleteReplyText, MessageIcon::Error);
    camera.TakeMessage("backup-failed", {},
                       QString(kBackupFailedText) + "\n" +
                           "/home/technik/.local/share/orvan2a/Sicherungen/"
                           "2026-12-08_14-03-27_gelesen_COM3.rvx2a2\n" +
                           "Kein Speicherplatz auf dem Datenträger",
                       MessageIcon::Warning);
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        // Shown without a popup, a menu keeps the size it had before its entries were added.
        menu->adjustSize();
        if (menu->title() == kExtrasMenuTitle)
            camera.Take(*menu, "menu-extras");
        if (menu->title() == "&Datei")
            camera.Take(*menu, "menu-datei");
    }
    return camera.Ok() ? 0 : 1;
}
