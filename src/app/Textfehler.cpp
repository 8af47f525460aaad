#include "app/Textfehler.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orvan {

Textfehler::Textfehler(const QStringList& problems, QWidget* parent) : QDialog(parent) {
    setWindowTitle(kTitle);
    auto* summary = new QLabel(kSummary, this);
    summary->setWordWrap(true);
    list_ = new QListWidget(this);
    list_->addItems(problems);
    list_->setAccessibleName("Fehler");
    summary->setBuddy(list_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setText("&Schließen");
    close->setAccessibleName("Schließen");
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    // Wide enough for a typical message without a scroll bar, within the screen.
    list_->setMinimumWidth(std::clamp(list_->sizeHintForColumn(0) + 24, 480, 1100));
    list_->setMinimumHeight(std::clamp(list_->sizeHintForRow(0) * (list_->count() + 1), 80, 400));
}

}  // namespace orvan
