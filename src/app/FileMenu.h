#pragma once

#include <QObject>
#include <QString>

#include <filesystem>

#include "app/FileCommands.h"
#include "app/SettingsTextCommands.h"

class QMenu;
class QMimeData;
class QWidget;

namespace orvan {

// The "Datei" menu of the main window with its recent files. Each entry is added and wired here;
// the main window only places the menu and follows its signals.
class FileMenu : public QObject {
    Q_OBJECT

  public:
    FileMenu(Register& image, UserInterface& ui, std::filesystem::path backupFolder,
             QWidget* window);

    QMenu* Menu() const { return menu_; }
    FileCommands& Commands() { return commands_; }

    // The file named on the command line, loaded exactly as "Öffnen" would.
    void OpenAtStart(const QString& path);
    // The one local file a drag carries; empty when it carries anything else.
    static QString DroppedFile(const QMimeData& data);
    // A file dropped on the window or chosen among the recent files: asks about unsaved changes
    // first.
    void OpenReplacing(const QString& path);

  signals:
    // A file was loaded: "Senden" and the tree become usable.
    void loaded();
    void exitChosen();
    // After every entry of the menu: the file name or the changed flag may differ.
    void imageTouched();

  private:
    void OpenLoaded(bool loaded);
    void OpenRecent(const QString& path);
    void FillRecentMenu();

    FileCommands commands_;
    SettingsTextCommands texts_;
    UserInterface& ui_;
    QWidget* window_;
    std::filesystem::path backupFolder_;
    QMenu* menu_ = nullptr;
    QMenu* recent_ = nullptr;
};

}  // namespace orvan
