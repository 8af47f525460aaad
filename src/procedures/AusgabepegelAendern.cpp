#include "procedures/AusgabepegelAendern.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "pages/PageControls.h"

namespace orvan {

AusgabepegelAendern::AusgabepegelAendern(Register& image, LevelChoice level, QWidget* parent)
    : QDialog(parent), model_(image, level) {
    setWindowTitle(ToQString(AusgabepegelAendernModel::kTitle));
    auto* page = new QVBoxLayout(this);
    frame_ = new QGroupBox(this);
    page->addWidget(frame_);
    auto* row = new QHBoxLayout(frame_);
    level_ = MakeDigitField(
        *frame_, model_.Level().FieldLength(),
        [this](const std::string& text) { model_.Level().SetText(text); },
        [this] {
            model_.Leave();
            Refresh();
        });
    row->addWidget(AddBuddyLabel(*frame_, ToQString(AusgabepegelAendernModel::kLabel), *level_));
    row->addWidget(level_);

    auto* buttons = new QHBoxLayout;
    page->addLayout(buttons);
    QPushButton* ok = AddOkAndCancel(*this, *buttons);
    // The field is written as leaving it would leave it, also when Enter pressed OK.
    connect(ok, &QPushButton::clicked, this, [this, target = &image] {
        model_.Commit(*target);
        accept();
    });
}

void AusgabepegelAendern::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    frame_->setTitle(ToQString(model_.Frame()));
    Refresh();
}

void AusgabepegelAendern::Refresh() {
    ShowText(*level_, model_.Level().Text());
}

}  // namespace orvan
