#include "app/FileMenu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "app/ShellTexts.h"
#include "core/FileAccess.h"

namespace orvan {

FileMenu::FileMenu(Register& image, UserInterface& ui, std::filesystem::path backupFolder,
                   QWidget* window)
    : QObject(window),
      commands_(image, ui, window),
      texts_(image, ui, window),
      ui_(ui),
      window_(window),
      backupFolder_(std::move(backupFolder)) {
    menu_ = new QMenu("&Datei", window);
    connect(menu_->addAction("&Neu"), &QAction::triggered, this, [this] { commands_.New(); });
    connect(menu_->addAction("Ö&ffnen ..."), &QAction::triggered, this,
            [this] { OpenLoaded(commands_.Open()); });
    recent_ = menu_->addMenu(kRecentFilesMenu);
    recent_->setToolTipsVisible(true);
    connect(menu_->addAction(kOpenBackupsItem), &QAction::triggered, this, [this] {
        OpenLoaded(commands_.OpenFrom(QString::fromStdString(TextFromPath(backupFolder_))));
    });
    connect(menu_->addAction("&Speichern "), &QAction::triggered, this,
            [this] { commands_.Save(); });
    connect(menu_->addAction("Speichern &unter ..."), &QAction::triggered, this,
            [this] { commands_.SaveAs(); });
    menu_->addSeparator();
    connect(menu_->addAction(kExportTextItem), &QAction::triggered, this,
            [this] { texts_.Export(); });
    connect(menu_->addAction(kImportTextItem), &QAction::triggered, this, [this] {
        if (texts_.Import() == SettingsTextCommands::Imported::Complete)
            emit loaded();
    });
    menu_->addSeparator();
    connect(menu_->addAction("&Beenden"), &QAction::triggered, this, &FileMenu::exitChosen);

    // Connected after each entry's own action, so it reports what that action did.
    for (QAction* item : menu_->actions()) {
        connect(item, &QAction::triggered, this, &FileMenu::FillRecentMenu);
        connect(item, &QAction::triggered, this, &FileMenu::imageTouched);
    }
    FillRecentMenu();
}

QString FileMenu::DroppedFile(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    return urls.front().toLocalFile();
}

void FileMenu::OpenAtStart(const QString& path) {
    OpenLoaded(commands_.OpenPath(path));
}

void FileMenu::OpenReplacing(const QString& path) {
    if (commands_.MayReplace())
        OpenLoaded(commands_.OpenPath(path));
}

void FileMenu::OpenLoaded(bool loaded) {
    FillRecentMenu();
    emit imageTouched();
    if (loaded)
        emit this->loaded();
}

void FileMenu::OpenRecent(const QString& path) {
    if (!QFileInfo::exists(path)) {
        RememberedSettings().RemoveRecentFile(path);
        FillRecentMenu();
        ui_.ShowMessage(window_, {}, QString(kRecentFileGoneText) + "\n" + path,
                        MessageIcon::Warning, MessageButtons::Ok);
        return;
    }
    OpenReplacing(path);
}

void FileMenu::FillRecentMenu() {
    // Not clear(): the entry being triggered may be the one that leads here.
    for (QAction* old : recent_->actions()) {
        recent_->removeAction(old);
        old->deleteLater();
    }
    const QStringList files = RememberedSettings().RecentFiles();
    for (int k = 0; k < files.size(); ++k) {
        const QString& path = files[k];
        // "&" in a file name is shown, not taken as the entry's shortcut.
        const QString name = QFileInfo(path).fileName().replace('&', "&&");
        QAction* item = recent_->addAction(QString("&%1 %2").arg(k + 1).arg(name));
        item->setToolTip(path);
        item->setStatusTip(path);
        connect(item, &QAction::triggered, this, [this, path] { OpenRecent(path); });
    }
    recent_->setEnabled(!files.isEmpty());
}

}  // namespace orvan
