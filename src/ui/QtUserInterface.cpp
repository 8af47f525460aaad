#include "ui/QtUserInterface.h"

#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>

#include "ui/DialogTexts.h"

namespace orvan {

namespace {

// The program's texts carry their own line breaks; Qt would also wrap them at half the screen's
// width (500 pixels at most), which breaks long lines in two. Preformatted text keeps them whole.
QString PreBroken(const QString& text) {
    QString lines = text;
    while (lines.endsWith('\n'))
        lines.chop(1);
    return "<p style=\"white-space:pre\">" + lines.toHtmlEscaped() + "</p>";
}

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error:
            return QMessageBox::Critical;
        case MessageIcon::Warning:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::Ok:
            break;
    }
    return QMessageBox::Ok;
}

MessageAnswer ToAnswer(QMessageBox::StandardButton button, MessageButtons buttons) {
    switch (button) {
        case QMessageBox::Ok:
            return MessageAnswer::Ok;
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        default:
            break;
    }
    // Closed without a button: the safe answer of each box.
    if (buttons == MessageButtons::YesNo)
        return MessageAnswer::No;
    if (buttons == MessageButtons::OkCancel)
        return MessageAnswer::Cancel;
    return MessageAnswer::Ok;
}

QString RunFileDialog(std::unique_ptr<QFileDialog> dialog) {
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return dialog->selectedFiles().front();
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& caption,
                                            const QString& text, MessageIcon icon,
                                            MessageButtons buttons) {
    auto box = std::make_unique<QMessageBox>(ToQtIcon(icon),
                                             caption.isEmpty() ? QString(kProgramTitle) : caption,
                                             PreBroken(text), ToQtButtons(buttons), parent);
    box->setTextFormat(Qt::RichText);
    if (buttons == MessageButtons::OkCancel)
        box->setEscapeButton(QMessageBox::Cancel);
    return box;
}

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, bool save) {
    return MakeFileDialog(
        parent, {save, save ? kSaveDialogTitle : kOpenDialogTitle, kFileFilter, kFileSuffix, {}});
}

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const FileRequest& request) {
    auto dialog = std::make_unique<QFileDialog>(parent, request.title);
    dialog->setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setNameFilter(request.filter);
    dialog->setDefaultSuffix(request.suffix);
    if (!request.folder.isEmpty())
        dialog->setDirectory(request.folder);
    if (!request.name.isEmpty())
        dialog->selectFile(request.name);
    return dialog;
}

MessageAnswer QtUserInterface::ShowMessage(QWidget* parent, const QString& caption,
                                           const QString& text, MessageIcon icon,
                                           MessageButtons buttons) {
    std::unique_ptr<QMessageBox> box = MakeMessageBox(parent, caption, text, icon, buttons);
    box->exec();
    return ToAnswer(box->standardButton(box->clickedButton()), buttons);
}

QString QtUserInterface::ChooseFile(QWidget* parent, const FileRequest& request) {
    return RunFileDialog(MakeFileDialog(parent, request));
}

}  // namespace orvan
