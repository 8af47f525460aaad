#include "app/Textfehler.h"

#include <QLabel>
#include <QListWidget>

#include <algorithm>

#include "ui/Widgets.h"

namespace orvan {

Textfehler::Textfehler(const QStringList& problems, QWidget* parent) : QDialog(parent) {
    setWindowTitle(kTitle);
    auto* summary = new QLabel(kSummary, this);
    summary->setWordWrap(true);
    list_ = new QListWidget(this);
    list_->addItems(problems);
    list_->setAccessibleName("Fehler");
    summary->setBuddy(list_);

    LayOutReportDialog(*this, summary, list_);
    // Wide enough for a typical message without a scroll bar, within the screen.
    list_->setMinimumWidth(std::clamp(list_->sizeHintForColumn(0) + 24, 480, 1100));
    list_->setMinimumHeight(std::clamp(list_->sizeHintForRow(0) * (list_->count() + 1), 80, 400));
}

}  // namespace orvan
