#include "ui/Widgets.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvan {

QString AccessibleText(const QString& text) {
    QString plain = text;
    plain.replace("&&", QChar(0x1));
    plain.remove('&');
    plain.replace(QChar(0x1), "&");
    return plain.trimmed();
}

QPushButton* MakeButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setAccessibleName(AccessibleText(text));
    return button;
}

QLabel* MakeLabel(const QString& text, QWidget* field, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(field);
    field->setAccessibleName(AccessibleText(text));
    return label;
}

QGroupBox* MakeGroupBox(const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setAccessibleName(title);
    return box;
}

void SetTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void LayOutReportDialog(QDialog& dialog, QWidget* summary, QWidget* content) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setText("&Schließen");
    close->setAccessibleName("Schließen");
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(summary);
    layout->addWidget(content, 1);
    layout->addWidget(buttons);
}

}  // namespace orvan
