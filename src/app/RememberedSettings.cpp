#include "app/RememberedSettings.h"

#include <QDir>
#include <QFileInfo>

namespace orvan {

namespace {

constexpr const char* kRecentFilesKey = "recentFiles";
constexpr const char* kLastPortKey = "lastPort";

QString FolderKey(FolderKind kind) {
    switch (kind) {
        case FolderKind::RegisterFiles:
            return "folders/registerFiles";
        case FolderKind::Reports:
            return "folders/reports";
        case FolderKind::Traces:
            break;
    }
    return "folders/traces";
}

// One spelling per file, so that the same file opened twice is one entry.
QString Canonical(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

}  // namespace

RememberedSettings::RememberedSettings()
    : settings_(QSettings::IniFormat, QSettings::UserScope, "orvan2a", "orvan2a") {}

QStringList RememberedSettings::RecentFiles() const {
    return settings_.value(kRecentFilesKey).toStringList();
}

void RememberedSettings::AddRecentFile(const QString& path) {
    const QString file = Canonical(path);
    QStringList files = RecentFiles();
    files.removeAll(file);
    files.prepend(file);
    while (files.size() > kRecentFileCount)
        files.removeLast();
    settings_.setValue(kRecentFilesKey, files);
}

void RememberedSettings::RemoveRecentFile(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.removeAll(Canonical(path));
    settings_.setValue(kRecentFilesKey, files);
}

QString RememberedSettings::LastPort() const {
    return settings_.value(kLastPortKey).toString();
}

void RememberedSettings::SetLastPort(const QString& path) {
    settings_.setValue(kLastPortKey, path);
}

QString RememberedSettings::Folder(FolderKind kind) const {
    return settings_.value(FolderKey(kind)).toString();
}

void RememberedSettings::RememberFolderOf(FolderKind kind, const QString& chosenFile) {
    settings_.setValue(FolderKey(kind), QFileInfo(chosenFile).absolutePath());
}

}  // namespace orvan
