#pragma once

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "FakeUserInterface.h"
#include "app/CVEXA2aDlg.h"
#include "app/PortSelector.h"
#include "sim/SimulatedUnit.h"

namespace orvan::test {

template <typename Widget>
Widget* FindByText(QWidget& parent, const QString& text) {
    for (Widget* widget : parent.findChildren<Widget*>()) {
        if (widget->text() == text)
            return widget;
    }
    return nullptr;
}

inline QAction* FindAction(QWidget& parent, const QString& text) {
    for (QAction* action : parent.findChildren<QAction*>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

// The field a label stands for.
inline QWidget* FieldOf(QWidget& parent, const QString& label) {
    QLabel* found = FindByText<QLabel>(parent, label);
    return found != nullptr ? found->buddy() : nullptr;
}

// Runs action on the next modal dialog that opens (a page, the info dialog), then returns.
inline void OnNextModal(std::function<void(QWidget&)> action) {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, poll] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            QTimer::singleShot(5, *poll);
            return;
        }
        action(*modal);
        *poll = nullptr;
    };
    QTimer::singleShot(0, *poll);
}

// A main window on a private port folder, with simulated units on pseudo-terminals as its ports.
class ShellTest : public ::testing::Test {
  protected:
    // COM1 would be this machine's /dev/ttyS0: a device that never opens keeps it out of the list.
    // Each test starts without remembered files, port or folders.
    ShellTest() {
        QFile::link("/dev/null", QString::fromStdString(Folder() + "/COM1"));
        QSettings(QSettings::IniFormat, QSettings::UserScope, "orvan2a", "orvan2a").clear();
    }

    // Adds a simulated unit as the next free COM port; returns its port path ("\\.\COMn").
    std::string AddUnit(sim::UnitOptions options = {}) {
        units_.push_back(std::make_unique<sim::PtyHost>(options));
        const int number = units_.back()->RegisterAsComPort(Folder());
        return PortPath(number);
    }
    sim::PtyHost& Unit(std::size_t k = 0) { return *units_.at(k); }
    void RemoveUnit(std::size_t k = 0) { units_.at(k).reset(); }

    CVEXA2aDlg& OpenWindow(std::span<const Topic> topics = DispatchTable(),
                           const Timing& timing = Timing{}.Scaled(10)) {
        MainWindowSetup setup;
        setup.ui = &ui_;
        setup.portFolder = Folder();
        setup.timing = timing;
        setup.topics = topics;
        setup.backupFolder = BackupFolder().toStdString();
        window_ = std::make_unique<CVEXA2aDlg>(std::move(setup));
        window_->show();
        return *window_;
    }
    CVEXA2aDlg& Window() { return *window_; }
    Register& Image() { return window_->Image(); }

    QPushButton& Button(const QString& text) {
        QPushButton* button = FindByText<QPushButton>(*window_, text);
        if (button == nullptr)
            throw std::runtime_error("no button " + text.toStdString());
        return *button;
    }
    bool On(const QString& text) { return Button(text).isEnabled(); }
    QAction& Action(const QString& text) {
        QAction* action = FindAction(*window_, text);
        if (action == nullptr)
            throw std::runtime_error("no menu item " + text.toStdString());
        return *action;
    }
    QTreeWidget& Tree() { return *window_->findChild<QTreeWidget*>(); }
    PortSelector& Selector() { return *window_->findChild<PortSelector*>(); }
    QProgressBar& Progress() { return *window_->findChild<QProgressBar*>(); }
    bool FileMenuOn() {
        for (QMenu* menu : window_->findChildren<QMenu*>()) {
            if (menu->title() == "&Datei")
                return menu->menuAction()->isEnabled();
        }
        throw std::runtime_error("no file menu");
    }

    bool WaitForTransferEnd(int milliseconds = 20000) {
        return QTest::qWaitFor([this] { return !window_->TransferRunning(); }, milliseconds);
    }
    // Opens the port list and chooses entry k in it, as a click in the list would.
    void ChooseInList(int k) {
        Selector().showPopup();
        QAbstractItemView* list = Selector().view();
        list->setCurrentIndex(list->model()->index(k, 0));
        QTest::keyClick(list, Qt::Key_Return);
        QTest::qWait(1);
    }
    // Opens the port list and closes it again without a choice.
    void OpenAndCloseList() {
        Selector().showPopup();
        Selector().hidePopup();
        QTest::qWait(1);
    }
    std::string WriteRegisterFile(const QString& name, int lines = 300) {
        const QString path = QDir(files_.path()).filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write("R       \r\n");
        for (int n = 0; n < lines; ++n) {
            file.write(QString("R%1 0000%2\r\n")
                           .arg(n, 3, 10, QChar('0'))
                           .arg(n % 10000, 4, 10, QChar('0'))
                           .toLatin1());
        }
        return path.toStdString();
    }
    QString FilePath(const QString& name) { return QDir(files_.path()).filePath(name); }
    std::string Folder() const { return ports_.path().toStdString(); }
    QString BackupFolder() const { return QDir(files_.path()).filePath("Sicherungen"); }

    FakeUserInterface ui_;

  private:
    QTemporaryDir ports_;
    QTemporaryDir files_;
    std::vector<std::unique_ptr<sim::PtyHost>> units_;
    std::unique_ptr<CVEXA2aDlg> window_;  // destroyed before the units it talks to
};

}  // namespace orvan::test
