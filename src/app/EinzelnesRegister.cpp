#include "app/EinzelnesRegister.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "pages/model/ValidationMessages.h"
#include "ui/Widgets.h"

namespace orvan {

EinzelnesRegister::EinzelnesRegister(Register& image, UserInterface& ui, QWidget* parent)
    : QDialog(parent), model_(image), ui_(ui) {
    setWindowTitle("Einzelnes Register Lesen/ Schreiben");

    number_ = new QLineEdit(this);
    number_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), number_));
    content_ = new QLineEdit(this);
    content_->setMaxLength(EinzelnesRegisterModel::kContentLimit);
    QLabel* numberLabel = MakeLabel("Registernummer:", number_, this);
    QLabel* contentLabel = MakeLabel("Inhalt:", content_, this);
    QPushButton* read = MakeButton("Lesen", this);
    QPushButton* write = MakeButton("Schreiben", this);
    QPushButton* help = MakeButton("Hilfe...", this);
    QPushButton* back = MakeButton("Zurück", this);

    auto* fields = new QGridLayout;
    fields->addWidget(numberLabel, 0, 0);
    fields->addWidget(number_, 0, 1);
    fields->addWidget(read, 0, 2);
    fields->addWidget(contentLabel, 1, 0);
    fields->addWidget(content_, 1, 1);
    fields->addWidget(write, 1, 2);
    fields->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(back);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(layout->spacing());
    layout->addLayout(buttons);
    SetTabOrder({number_, read, content_, write, help, back});

    connect(read, &QPushButton::clicked, this, &EinzelnesRegister::ReadRegister);
    connect(write, &QPushButton::clicked, this, &EinzelnesRegister::WriteRegister);
    connect(help, &QPushButton::clicked, this, &EinzelnesRegister::ShowHelp);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);

    ShowMembers();
}

void EinzelnesRegister::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || event->modifiers() & ~Qt::KeypadModifier) {
        QDialog::keyPressEvent(event);
        return;
    }
    // The focused button is the default one; elsewhere Enter closes once the fields are valid.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
    } else if (TakeFields()) {
        accept();
    }
}

bool EinzelnesRegister::TakeFields() {
    const std::string message =
        model_.TakeFields(number_->text().toStdString(), content_->text().toStdString());
    if (message.empty())
        return true;
    ui_.ShowMessage(this, {}, QString::fromStdString(message), MessageIcon::Warning,
                    MessageButtons::Ok);
    number_->setFocus();
    number_->selectAll();
    return false;
}

void EinzelnesRegister::ShowMembers() {
    number_->setText(QString::number(model_.Number()));
    content_->setText(QString::fromStdString(model_.Content()));
}

void EinzelnesRegister::ReadRegister() {
    TakeFields();
    model_.Read();
    ShowMembers();
}

void EinzelnesRegister::WriteRegister() {
    TakeFields();
    if (model_.Write() == EinzelnesRegisterModel::WriteResult::NotHex) {
        ui_.ShowMessage(this, {}, QString::fromStdString(HexValueMessage()), MessageIcon::None,
                        MessageButtons::Ok);
        return;
    }
    ShowMembers();
}

void EinzelnesRegister::ShowHelp() {
    ui_.ShowMessage(this, EinzelnesRegisterModel::kHelpCaption, EinzelnesRegisterModel::HelpText(),
                    MessageIcon::Information, MessageButtons::Ok);
}

}  // namespace orvan
