#pragma once

#include <QDialog>

#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/ControlLock.h"
#include "app/GuiTransferObserver.h"
#include "app/MainWindowWidgets.h"
#include "app/PortSelector.h"
#include "app/Topics.h"
#include "core/Backups.h"
#include "core/PortFolder.h"
#include "core/Register.h"
#include "link/PortTrace.h"
#include "link/Timing.h"
#include "link/TransferThread.h"
#include "ui/QtUserInterface.h"

namespace orvan {

class ExtrasMenu;
class FileMenu;

// What the main window is built from; the defaults are the program's, tests replace them.
struct MainWindowSetup {
    UserInterface* ui = nullptr;  // null: Qt's message boxes and file dialogs
    std::string portFolder = DefaultPortFolder();
    std::unique_ptr<SerialPort> port;  // null: this system's port on portFolder
    Timing timing;
    std::span<const Topic> topics = DispatchTable();
    std::filesystem::path backupFolder = DefaultBackupFolder();
};

// The main window: port choice, read and send with progress, factory reset, version, info, the
// configuration tree and the file menu, on the one register image of the run. The title names the
// open file and marks unsaved changes; a register file dropped on the window is opened.
class CVEXA2aDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CVEXA2aDlg(MainWindowSetup setup = {});
    ~CVEXA2aDlg() override;

    Register& Image() { return image_; }
    const std::string& CurrentPort() const { return widgets_.portSelector->Current(); }
    const std::vector<std::string>& PortList() const { return widgets_.portSelector->Paths(); }
    // From a read's or send's start (a factory reset's confirmation) until its end is handled,
    // and while a live procedure runs.
    bool TransferRunning() const { return lock_->Busy(); }
    // The file named on the command line; call before the window runs.
    void OpenAtStart(const QString& path);

    // Every way of closing the window ends here: the exit procedure.
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void BuildControls();
    void BuildMenus();

    void StartRead();
    void StartSend();
    void FactoryReset();
    void RunProcedure(const std::function<void()>& procedure);
    void ShowInfoFromButton();
    void OpenTopic(const QString& text);
    void EnableAfterLoad();
    void Exit();

    void StepProgress();
    void OnTransferEnded(const TransferOutcome& outcome);
    void WaitForTransferEnd();

    // Before the image: its port records into the trace.
    std::shared_ptr<PortTrace> trace_ = std::make_shared<PortTrace>();
    Register image_;
    QtUserInterface qtUi_;
    UserInterface& ui_;
    Timing timing_;
    std::span<const Topic> topics_;
    GuiTransferObserver observer_;

    bool shownOnce_ = false;
    bool exiting_ = false;
    std::filesystem::path backupFolder_;
    BackupKind transferKind_ = BackupKind::Read;

    MainWindowWidgets widgets_;
    FileMenu* fileMenu_ = nullptr;
    ExtrasMenu* extras_ = nullptr;
    ControlLock* lock_ = nullptr;

    // Last member: destroyed (joined) first, while everything the worker uses still exists.
    TransferThread transfer_;
};

}  // namespace orvan
