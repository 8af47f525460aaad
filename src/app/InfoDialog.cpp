#include "app/InfoDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/AppIcon.h"
#include "app/ShellTexts.h"
#include "ui/Widgets.h"

namespace orvan {

InfoDialog::InfoDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(kInfoTitle);

    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_LargeIconSize) * 3 / 2;
    icon->setPixmap(ApplicationIcon().pixmap(size, size));
    icon->setAlignment(Qt::AlignTop);
    auto* first = new QLabel(kInfoFirstLine, this);
    auto* second = new QLabel(kInfoSecondLine, this);
    QPushButton* ok = MakeButton("OK", this);
    ok->setDefault(true);

    auto* lines = new QVBoxLayout;
    lines->addWidget(first);
    lines->addWidget(second);
    lines->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(top->spacing() * 2);
    top->addLayout(lines, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace orvan
