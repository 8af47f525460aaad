#include "app/CVEXA2aDlg.h"

#include <QDropEvent>
#include <QEventLoop>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <thread>

#include "app/AboutBox.h"
#include "app/AppIcon.h"
#include "app/CAboutDlg.h"
#include "app/ConfigurationTree.h"
#include "app/ExtrasMenu.h"
#include "app/FileMenu.h"
#include "app/PortSelector.h"
#include "app/RememberedSettings.h"
#include "app/ShellTexts.h"
#include "app/VersionText.h"
#include "app/WindowTitle.h"
#include "link/DeviceMessages.h"
#include "link/FactoryReset.h"
#include "link/SystemPort.h"
#include "link/TracingPort.h"
#include "procedures/HSErkennung.h"
#include "procedures/PotiAbgleich.h"
#include "ui/Widgets.h"

namespace orvan {

namespace {

std::unique_ptr<SerialPort> PortOf(MainWindowSetup& setup) {
    if (setup.port)
        return std::move(setup.port);
    return MakeSystemPort(setup.portFolder, setup.timing.readBound);
}

}  // namespace

CVEXA2aDlg::CVEXA2aDlg(MainWindowSetup setup)
    : image_(std::make_unique<TracingPort>(PortOf(setup), trace_)),
      ui_(setup.ui != nullptr ? *setup.ui : qtUi_),
      timing_(setup.timing),
      topics_(setup.topics),
      observer_(ui_, this),
      backupFolder_(setup.backupFolder) {
    image_.Reset();
    setWindowIcon(ApplicationIcon());
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    setAcceptDrops(true);
    BuildControls();
    BuildMenus();
    ShowFileInTitle();

    connect(&observer_, &GuiTransferObserver::stepped, this, &CVEXA2aDlg::StepProgress);
    connect(&observer_, &GuiTransferObserver::ended, this, &CVEXA2aDlg::OnTransferEnded);
}

CVEXA2aDlg::~CVEXA2aDlg() {
    // The worker may be waiting on a message of this window: let it end before joining.
    WaitForTransferEnd();
    transfer_.Join();
}

void CVEXA2aDlg::BuildControls() {
    portSelector_ = new PortSelector(this);
    portSelector_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    portSelector_->setMinimumContentsLength(6);
    QLabel* portLabel = MakeLabel("Port:", portSelector_, this);
    help_ = MakeButton("Hilfe...", this);
    info_ = MakeButton("Info...", this);
    read_ = MakeButton("Lesen", this);
    send_ = MakeButton("Senden", this);
    factory_ = MakeButton("Werkseinstellungen", this);
    version_ = MakeButton("Version des Orvans", this);
    calibration_ = MakeButton("Potentiometer-Abgleich", this);
    headset_ = MakeButton("Headset-Erkennung", this);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, kProgressMaximum);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setAccessibleName("Fortschritt");
    tree_ = new ConfigurationTree(this);
    closingNote_ = new QLabel(kClosingNote, this);
    closingNote_->setWordWrap(true);
    closingNote_->hide();

    auto* connection = new QGroupBox("Verbindungsdaten", this);
    auto* connectionLayout = new QHBoxLayout(connection);
    connectionLayout->addWidget(portLabel);
    connectionLayout->addWidget(portSelector_, 1);
    auto* helpColumn = new QVBoxLayout;
    helpColumn->addWidget(help_);
    helpColumn->addWidget(info_);
    helpColumn->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(connection, 1);
    top->addLayout(helpColumn);

    auto* communication = new QGroupBox("Kommunikation mit Orvan", this);
    auto* buttons = new QGridLayout(communication);
    buttons->addWidget(read_, 0, 0);
    buttons->addWidget(send_, 0, 1);
    buttons->addWidget(factory_, 1, 0);
    buttons->addWidget(version_, 1, 1);
    buttons->addWidget(calibration_, 2, 0);
    buttons->addWidget(headset_, 2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(communication);
    layout->addWidget(progress_);
    layout->addWidget(closingNote_);
    layout->addWidget(tree_, 1);
    SetTabOrder({portSelector_, help_, info_, read_, send_, factory_, version_, calibration_,
                 headset_, tree_});

    send_->setEnabled(false);
    version_->setEnabled(false);
    tree_->setEnabled(false);

    connect(portSelector_, &PortSelector::listOpening, this, &CVEXA2aDlg::BuildPortList);
    connect(portSelector_, &PortSelector::listClosed, this, [this] {
        ConfirmPortSelection();
        RememberedSettings().SetLastPort(QString::fromStdString(currentPort_));
    });
    connect(help_, &QPushButton::clicked, this, &CVEXA2aDlg::ShowHelp);
    connect(info_, &QPushButton::clicked, this, &CVEXA2aDlg::ShowInfoFromButton);
    connect(read_, &QPushButton::clicked, this, &CVEXA2aDlg::StartRead);
    connect(send_, &QPushButton::clicked, this, &CVEXA2aDlg::StartSend);
    connect(factory_, &QPushButton::clicked, this, &CVEXA2aDlg::FactoryReset);
    connect(version_, &QPushButton::clicked, this, &CVEXA2aDlg::ShowVersion);
    connect(calibration_, &QPushButton::clicked, this, [this] {
        RunProcedure([this] { RunPotiAbgleich(image_, currentPort_, ui_, timing_, this); });
    });
    connect(headset_, &QPushButton::clicked, this, [this] {
        RunProcedure([this] { RunHSErkennung(image_, currentPort_, ui_, timing_, this); });
    });
    connect(tree_, &ConfigurationTree::topicChosen, this, &CVEXA2aDlg::OpenTopic);
}

void CVEXA2aDlg::BuildMenus() {
    auto* menuBar = new QMenuBar(this);
    fileMenu_ = new FileMenu(image_, ui_, backupFolder_, this);
    menuBar->addMenu(fileMenu_->Menu());
    connect(fileMenu_, &FileMenu::loaded, this, &CVEXA2aDlg::EnableAfterLoad);
    connect(fileMenu_, &FileMenu::exitChosen, this, &CVEXA2aDlg::Exit);
    connect(fileMenu_, &FileMenu::imageTouched, this, &CVEXA2aDlg::ShowFileInTitle);
    extras_ = new ExtrasMenu(image_, *trace_, ui_, timing_, currentPort_, this);
    extras_->FollowEnabled(send_);
    menuBar->addMenu(extras_->Menu());
    connect(extras_, &ExtrasMenu::deviceCheckRunning, this, &CVEXA2aDlg::LendPort);
    connect(extras_, &ExtrasMenu::stepped, this, &CVEXA2aDlg::StepProgress);

    // X11 and Wayland give a program no system menu: the item stands in a menu of its own.
    QMenu* about = menuBar->addMenu("&?");
    connect(about->addAction("Inf&o über VEXA2a..."), &QAction::triggered, this,
            &CVEXA2aDlg::ShowInfoFromMenu);
    layout()->setMenuBar(menuBar);
}

void CVEXA2aDlg::OpenAtStart(const QString& path) {
    fileMenu_->OpenAtStart(path);
}

void CVEXA2aDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    BuildPortList();
    ChooseRememberedPort();
    ConfirmPortSelection();
}

void CVEXA2aDlg::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || event->modifiers() & ~Qt::KeypadModifier) {
        QDialog::keyPressEvent(event);  // Esc: reject(), the exit procedure
        return;
    }
    // There is no default button: Enter clicks the focused button, and ends the program elsewhere.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
    } else {
        Exit();
    }
}

void CVEXA2aDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!busy_ && !FileMenu::DroppedFile(*event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void CVEXA2aDlg::dropEvent(QDropEvent* event) {
    const QString path = FileMenu::DroppedFile(*event->mimeData());
    if (busy_ || path.isEmpty())
        return;
    event->acceptProposedAction();
    // Asked and loaded after the drop has ended: the dragging program waits for its end.
    QTimer::singleShot(0, fileMenu_, [this, path] { fileMenu_->OpenReplacing(path); });
}

void CVEXA2aDlg::reject() {
    Exit();
}

void CVEXA2aDlg::BuildPortList() {
    image_.ClosePort();
    std::this_thread::sleep_for(timing_.portSettle);
    portList_ = portSelector_->Fill(image_, kPortListSize);
    if (!portList_.empty())
        currentPort_ = portList_.front();
}

void CVEXA2aDlg::ChooseRememberedPort() {
    const std::string remembered = RememberedSettings().LastPort().toStdString();
    const auto found = std::find(portList_.begin(), portList_.end(), remembered);
    if (found != portList_.end())
        portSelector_->setCurrentIndex(static_cast<int>(found - portList_.begin()));
}

void CVEXA2aDlg::ConfirmPortSelection() {
    image_.ClosePort();
    std::this_thread::sleep_for(timing_.portSettle);
    const int k = portSelector_->currentIndex();
    if (k < 0 || k >= static_cast<int>(portList_.size()))
        return;
    if (portList_[k] != currentPort_) {
        send_->setEnabled(false);
        version_->setEnabled(false);
        SetTreeEnabled(false);
    }
    currentPort_ = portList_[k];
}

void CVEXA2aDlg::StartRead() {
    const bool sendWasOn = send_->isEnabled();
    const bool versionWasOn = version_->isEnabled();
    if (sendWasOn) {
        send_->setEnabled(false);
        version_->setEnabled(false);
    }
    read_->setEnabled(false);
    factory_->setEnabled(false);
    if (image_.OpenPort(currentPort_) != 1) {
        ReportPortFailure();
        read_->setEnabled(true);
        factory_->setEnabled(true);
        send_->setEnabled(sendWasOn);
        version_->setEnabled(versionWasOn);
        if (busy_)
            EndBusy({});
        return;
    }
    BeginBusy();
    transferKind_ = BackupKind::Read;
    transfer_.StartRead(image_, observer_, timing_);
}

void CVEXA2aDlg::StartSend() {
    for (QPushButton* button : {send_, read_, version_, factory_})
        button->setEnabled(false);
    image_.ClosePort();
    if (image_.OpenPort(currentPort_) != 1) {
        ReportPortFailure();
        for (QPushButton* button : {send_, read_, version_, factory_})
            button->setEnabled(true);
        return;
    }
    BeginBusy();
    transferKind_ = BackupKind::Sent;
    transfer_.StartSend(image_, observer_, timing_);
}

void CVEXA2aDlg::FactoryReset() {
    if (ui_.ShowMessage(this, kFactoryResetCaption, kFactoryResetQuestion, MessageIcon::Warning,
                        MessageButtons::OkCancel) != MessageAnswer::Ok) {
        return;
    }
    if (image_.OpenPort(currentPort_) != 1) {
        ReportPortFailure();
        return;
    }
    for (QPushButton* button : {send_, read_, version_, factory_})
        button->setEnabled(false);
    BeginBusy();
    SendFactoryResetCommands(image_);
    // The unit restarts meanwhile; a timer keeps the window painting.
    QTimer::singleShot(timing_.factoryResetPause, this, &CVEXA2aDlg::StartRead);
}

void CVEXA2aDlg::RunProcedure(const std::function<void()>& procedure) {
    if (busy_)
        return;
    // A live procedure has the port to itself until it has ended on the unit.
    LendPort(true);
    procedure();
    LendPort(false);
    ShowFileInTitle();
}

void CVEXA2aDlg::ShowVersion() {
    image_.versionText = ShortenedVersionText(image_.versionText);
    ui_.ShowMessage(this, kVersionCaption, QString::fromStdString(image_.versionText),
                    MessageIcon::None, MessageButtons::Ok);
}

void CVEXA2aDlg::ShowHelp() {
    ui_.ShowMessage(this, kHelpCaption, kMainHelpText, MessageIcon::Information,
                    MessageButtons::Ok);
}

void CVEXA2aDlg::ShowInfoFromButton() {
    AboutBox box(this);
    if (box.exec() != QDialog::Accepted)
        SetTreeEnabled(true);
}

void CVEXA2aDlg::ShowInfoFromMenu() {
    CAboutDlg box(this);
    box.exec();
}

void CVEXA2aDlg::OpenTopic(const QString& text) {
    if (busy_)
        return;
    const PageFactory factory = FindPage(topics_, text.toStdString());
    if (factory == nullptr)
        return;
    std::unique_ptr<QDialog> page = factory(image_, ui_);
    page->exec();
    ShowFileInTitle();
}

void CVEXA2aDlg::ShowFileInTitle() {
    ShowImageInTitle(*this, image_);
}

void CVEXA2aDlg::EnableAfterLoad() {
    send_->setEnabled(true);
    SetTreeEnabled(true);
}

void CVEXA2aDlg::Exit() {
    if (exiting_)
        return;
    exiting_ = true;
    WaitForTransferEnd();
    transfer_.Join();
    const bool mayEnd = fileMenu_->Commands().MayEnd();
    exiting_ = false;
    if (mayEnd)
        QDialog::done(QDialog::Accepted);
}

void CVEXA2aDlg::StepProgress() {
    const int next = progress_->value() + 1;
    progress_->setValue(next > kProgressMaximum ? 0 : next);
}

void CVEXA2aDlg::OnTransferEnded(const TransferOutcome& outcome) {
    transfer_.Join();
    const ButtonStates& states = outcome.buttons;
    read_->setEnabled(states.read);
    factory_->setEnabled(states.factoryReset);
    send_->setEnabled(states.send);
    version_->setEnabled(states.version);
    EndBusy(states.tree);
    ShowFileInTitle();
    KeepBackup(outcome);
}

void CVEXA2aDlg::KeepBackup(const TransferOutcome& outcome) {
    if (outcome.result != TransferResult::Success)
        return;
    const BackupResult backup = SaveBackup(image_, transferKind_, currentPort_, backupFolder_);
    if (backup.Succeeded())
        return;
    ui_.ShowMessage(this, {},
                    QString(kBackupFailedText) + "\n" +
                        QString::fromStdString(backup.path.string()) + "\n" +
                        QString::fromStdString(backup.reason),
                    MessageIcon::Warning, MessageButtons::Ok);
}

void CVEXA2aDlg::BeginBusy() {
    if (busy_)
        return;
    busy_ = true;
    treeAfterBusy_ = tree_->isEnabled();
    // Nothing may change the image or use the port while the worker does.
    tree_->setEnabled(false);
    fileMenu_->Menu()->menuAction()->setEnabled(false);
    extras_->Menu()->menuAction()->setEnabled(false);
    portSelector_->setEnabled(false);
    calibration_->setEnabled(false);
    headset_->setEnabled(false);
}

void CVEXA2aDlg::EndBusy(std::optional<bool> tree) {
    busy_ = false;
    tree_->setEnabled(tree.value_or(treeAfterBusy_));
    fileMenu_->Menu()->menuAction()->setEnabled(true);
    extras_->Menu()->menuAction()->setEnabled(true);
    portSelector_->setEnabled(true);
    calibration_->setEnabled(true);
    headset_->setEnabled(true);
    if (endWait_ != nullptr)
        endWait_->quit();
}

void CVEXA2aDlg::SetTreeEnabled(bool enabled) {
    if (busy_) {
        treeAfterBusy_ = enabled;
    } else {
        tree_->setEnabled(enabled);
    }
}

void CVEXA2aDlg::WaitForTransferEnd() {
    if (!busy_)
        return;
    closingNote_->show();
    QEventLoop loop;
    endWait_ = &loop;
    loop.exec();
    endWait_ = nullptr;
    closingNote_->hide();
}

// A check of the unit or a live procedure uses the port like a read, but leaves the buttons as
// they were.
void CVEXA2aDlg::LendPort(bool lent) {
    const std::array<QPushButton*, 4> buttons{read_, send_, factory_, version_};
    if (lent) {
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            buttonsBeforeLending_[i] = buttons[i]->isEnabled();
            buttons[i]->setEnabled(false);
        }
        BeginBusy();
        return;
    }
    for (std::size_t i = 0; i < buttons.size(); ++i)
        buttons[i]->setEnabled(buttonsBeforeLending_[i]);
    EndBusy({});
}

void CVEXA2aDlg::ReportPortFailure() {
    QString text = kPortInitFailedText;
    const std::string reason = image_.PortOpenFailureReason();
    if (!reason.empty())
        text += "\n\n" + QString::fromStdString(reason);
    ui_.ShowMessage(this, kErrorCaption, text, MessageIcon::Error, MessageButtons::Ok);
}

}  // namespace orvan
