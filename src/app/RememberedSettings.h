#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

namespace orvan {

// The folders the file dialogs start in, one for each kind of file.
enum class FolderKind { RegisterFiles, Reports, Traces };

// What the program keeps from one run to the next: the recent register files, the port used last
// and the folders of the file dialogs. An INI file in the user's configuration folder (Linux
// ~/.config/orvan2a/orvan2a.ini, Windows %APPDATA%\orvan2a\orvan2a.ini), never the registry, so
// that the portable program leaves none behind.
class RememberedSettings {
  public:
    static constexpr int kRecentFileCount = 8;

    RememberedSettings();

    // Newest first.
    QStringList RecentFiles() const;
    void AddRecentFile(const QString& path);
    void RemoveRecentFile(const QString& path);

    // The port path ("\\.\COMn") chosen last; empty when none was.
    QString LastPort() const;
    void SetLastPort(const QString& path);

    // Empty when no file of that kind was chosen yet: the dialog chooses.
    QString Folder(FolderKind kind) const;
    void RememberFolderOf(FolderKind kind, const QString& chosenFile);

  private:
    QSettings settings_;
};

}  // namespace orvan
