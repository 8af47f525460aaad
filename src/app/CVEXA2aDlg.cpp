#include "app/CVEXA2aDlg.h"

#include <QDropEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <thread>

#include "app/AboutBox.h"
#include "app/AppIcon.h"
#include "app/CAboutDlg.h"
#include "app/ConfigurationTree.h"
#include "app/ExtrasMenu.h"
#include "app/FileMenu.h"
#include "app/ShellMessages.h"
#include "app/ShellTexts.h"
#include "app/WindowTitle.h"
#include "link/FactoryReset.h"
#include "link/SystemPort.h"
#include "link/TracingPort.h"
#include "procedures/HSErkennung.h"
#include "procedures/PotiAbgleich.h"

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
    ShowImageInTitle(*this, image_);

    connect(&observer_, &GuiTransferObserver::stepped, this, &CVEXA2aDlg::StepProgress);
    connect(&observer_, &GuiTransferObserver::ended, this, &CVEXA2aDlg::OnTransferEnded);
}

CVEXA2aDlg::~CVEXA2aDlg() {
    // The worker may be waiting on a message of this window: let it end before joining.
    WaitForTransferEnd();
    transfer_.Join();
}

void CVEXA2aDlg::BuildControls() {
    widgets_ = BuildMainWindowWidgets(*this, image_, timing_.portSettle);
    connect(widgets_.portSelector, &PortSelector::portChanged, this, [this] {
        widgets_.send->setEnabled(false);
        widgets_.version->setEnabled(false);
        lock_->SetTreeEnabled(false);
    });
    connect(widgets_.help, &QPushButton::clicked, this, [this] { ShowHelpText(ui_, this); });
    connect(widgets_.info, &QPushButton::clicked, this, &CVEXA2aDlg::ShowInfoFromButton);
    connect(widgets_.read, &QPushButton::clicked, this, &CVEXA2aDlg::StartRead);
    connect(widgets_.send, &QPushButton::clicked, this, &CVEXA2aDlg::StartSend);
    connect(widgets_.factory, &QPushButton::clicked, this, &CVEXA2aDlg::FactoryReset);
    connect(widgets_.version, &QPushButton::clicked, this,
            [this] { ShowVersionText(image_, ui_, this); });
    connect(widgets_.calibration, &QPushButton::clicked, this, [this] {
        RunProcedure([this] { RunPotiAbgleich(image_, CurrentPort(), ui_, timing_, this); });
    });
    connect(widgets_.headset, &QPushButton::clicked, this, [this] {
        RunProcedure([this] { RunHSErkennung(image_, CurrentPort(), ui_, timing_, this); });
    });
    connect(widgets_.tree, &ConfigurationTree::topicChosen, this, &CVEXA2aDlg::OpenTopic);
}

void CVEXA2aDlg::BuildMenus() {
    auto* menuBar = new QMenuBar(this);
    fileMenu_ = new FileMenu(image_, ui_, backupFolder_, this);
    menuBar->addMenu(fileMenu_->Menu());
    connect(fileMenu_, &FileMenu::loaded, this, &CVEXA2aDlg::EnableAfterLoad);
    connect(fileMenu_, &FileMenu::exitChosen, this, &CVEXA2aDlg::Exit);
    connect(fileMenu_, &FileMenu::imageTouched, this, [this] { ShowImageInTitle(*this, image_); });
    extras_ = new ExtrasMenu(image_, *trace_, ui_, timing_, widgets_.portSelector->Current(), this);
    extras_->FollowEnabled(widgets_.send);
    menuBar->addMenu(extras_->Menu());
    connect(extras_, &ExtrasMenu::stepped, this, &CVEXA2aDlg::StepProgress);

    // X11 and Wayland give a program no system menu: the item stands in a menu of its own.
    QMenu* about = menuBar->addMenu("&?");
    connect(about->addAction("Inf&o über VEXA2a..."), &QAction::triggered, this,
            [this] { CAboutDlg(this).exec(); });
    layout()->setMenuBar(menuBar);
    lock_ = new ControlLock(widgets_,
                            {fileMenu_->Menu()->menuAction(), extras_->Menu()->menuAction()}, this);
    connect(extras_, &ExtrasMenu::deviceCheckRunning, lock_, &ControlLock::Lend);
}

void CVEXA2aDlg::OpenAtStart(const QString& path) {
    fileMenu_->OpenAtStart(path);
}

void CVEXA2aDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shownOnce_)
        return;
    shownOnce_ = true;
    widgets_.portSelector->Rebuild();
    widgets_.portSelector->ShowRemembered();
    widgets_.portSelector->Confirm();
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
    if (!lock_->Busy() && !FileMenu::DroppedFile(*event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
}

void CVEXA2aDlg::dropEvent(QDropEvent* event) {
    const QString path = FileMenu::DroppedFile(*event->mimeData());
    if (lock_->Busy() || path.isEmpty())
        return;
    event->acceptProposedAction();
    // Asked and loaded after the drop has ended: the dragging program waits for its end.
    QTimer::singleShot(0, fileMenu_, [this, path] { fileMenu_->OpenReplacing(path); });
}

void CVEXA2aDlg::reject() {
    Exit();
}

void CVEXA2aDlg::StartRead() {
    const bool sendWasOn = widgets_.send->isEnabled();
    const bool versionWasOn = widgets_.version->isEnabled();
    if (sendWasOn) {
        widgets_.send->setEnabled(false);
        widgets_.version->setEnabled(false);
    }
    widgets_.read->setEnabled(false);
    widgets_.factory->setEnabled(false);
    if (image_.OpenPort(CurrentPort()) != 1) {
        ShowPortFailure(image_, ui_, this);
        widgets_.read->setEnabled(true);
        widgets_.factory->setEnabled(true);
        widgets_.send->setEnabled(sendWasOn);
        widgets_.version->setEnabled(versionWasOn);
        if (lock_->Busy())
            lock_->End({});
        return;
    }
    lock_->Begin();
    transferKind_ = BackupKind::Read;
    transfer_.StartRead(image_, observer_, timing_);
}

void CVEXA2aDlg::StartSend() {
    for (QPushButton* button : {widgets_.send, widgets_.read, widgets_.version, widgets_.factory})
        button->setEnabled(false);
    image_.ClosePort();
    if (image_.OpenPort(CurrentPort()) != 1) {
        ShowPortFailure(image_, ui_, this);
        for (QPushButton* button :
             {widgets_.send, widgets_.read, widgets_.version, widgets_.factory})
            button->setEnabled(true);
        return;
    }
    lock_->Begin();
    transferKind_ = BackupKind::Sent;
    transfer_.StartSend(image_, observer_, timing_);
}

void CVEXA2aDlg::FactoryReset() {
    if (ui_.ShowMessage(this, kFactoryResetCaption, kFactoryResetQuestion, MessageIcon::Warning,
                        MessageButtons::OkCancel) != MessageAnswer::Ok) {
        return;
    }
    if (image_.OpenPort(CurrentPort()) != 1) {
        ShowPortFailure(image_, ui_, this);
        return;
    }
    for (QPushButton* button : {widgets_.send, widgets_.read, widgets_.version, widgets_.factory})
        button->setEnabled(false);
    lock_->Begin();
    SendFactoryResetCommands(image_);
    // The unit restarts meanwhile; a timer keeps the window painting.
    QTimer::singleShot(timing_.factoryResetPause, this, &CVEXA2aDlg::StartRead);
}

void CVEXA2aDlg::RunProcedure(const std::function<void()>& procedure) {
    if (lock_->Busy())
        return;
    // A live procedure has the port to itself until it has ended on the unit.
    lock_->Lend(true);
    procedure();
    lock_->Lend(false);
    ShowImageInTitle(*this, image_);
}

void CVEXA2aDlg::ShowInfoFromButton() {
    AboutBox box(this);
    if (box.exec() != QDialog::Accepted)
        lock_->SetTreeEnabled(true);
}

void CVEXA2aDlg::OpenTopic(const QString& text) {
    if (lock_->Busy())
        return;
    const PageFactory factory = FindPage(topics_, text.toStdString());
    if (factory == nullptr)
        return;
    std::unique_ptr<QDialog> page = factory(image_, ui_);
    page->exec();
    ShowImageInTitle(*this, image_);
}

void CVEXA2aDlg::EnableAfterLoad() {
    widgets_.send->setEnabled(true);
    lock_->SetTreeEnabled(true);
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
    const int next = widgets_.progress->value() + 1;
    widgets_.progress->setValue(next > MainWindowWidgets::kProgressMaximum ? 0 : next);
}

void CVEXA2aDlg::OnTransferEnded(const TransferOutcome& outcome) {
    transfer_.Join();
    const ButtonStates& states = outcome.buttons;
    widgets_.read->setEnabled(states.read);
    widgets_.factory->setEnabled(states.factoryReset);
    widgets_.send->setEnabled(states.send);
    widgets_.version->setEnabled(states.version);
    lock_->End(states.tree);
    ShowImageInTitle(*this, image_);
    if (outcome.result == TransferResult::Success)
        KeepBackup(image_, transferKind_, CurrentPort(), backupFolder_, ui_, this);
}

void CVEXA2aDlg::WaitForTransferEnd() {
    if (!lock_->Busy())
        return;
    widgets_.closingNote->show();
    QEventLoop loop;
    connect(lock_, &ControlLock::ended, &loop, &QEventLoop::quit);
    loop.exec();
    widgets_.closingNote->hide();
}

}  // namespace orvan
