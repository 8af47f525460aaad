#include "pages/TonrufauswerterKonfig.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "pages/PageControls.h"

namespace orvan {

namespace {

constexpr int kLengthDigits = 2;
constexpr int kLevelDigits = 5;

// Radio ids, as the model's evaluation modes.
constexpr std::size_t kInInterval = 0;
constexpr std::size_t kAtMinimum = 1;

}  // namespace

TonrufauswerterKonfig::TonrufauswerterKonfig(Register& image, std::size_t circuit, QWidget* parent)
    : QDialog(parent), model_(image, circuit) {
    setWindowTitle(ToQString(TonrufauswerterKonfigModel::kTitle));
    auto* page = new QVBoxLayout(this);
    BuildLengths(*page);
    BuildLevel(*page);
    const PageButtons buttons = AddPageButtons(*this, *page, QString());
    connect(buttons.ok, &QPushButton::clicked, this, [this, target = &image] {
        model_.Commit(*target);
        accept();
    });
}

void TonrufauswerterKonfig::BuildLengths(QBoxLayout& page) {
    auto* group = new QGroupBox(CircuitName(model_.Circuit()), this);
    page.addWidget(group);
    auto* column = new QVBoxLayout(group);
    auto* grid = new QGridLayout;
    column->addLayout(grid);

    minimum_ = MakeDigitField(
        *group, kLengthDigits, [this](const std::string& text) { model_.Minimum().SetText(text); },
        [this] {
            model_.LeaveMinimum();
            Refresh();
        });
    maximum_ = MakeDigitField(
        *group, kLengthDigits, [this](const std::string& text) { model_.Maximum().SetText(text); },
        [this] {
            model_.LeaveMaximum();
            Refresh();
        });
    int line = 0;
    for (auto [label, field] :
         {std::pair{"min. Tonlänge:", minimum_}, std::pair{"max. Tonlänge:", maximum_}}) {
        grid->addWidget(AddBuddyLabel(*group, QString::fromUtf8(label), *field), line, 0);
        grid->addWidget(field, line, 1);
        grid->addWidget(new QLabel(QStringLiteral("* 100 ms"), group), line, 2);
        ++line;
    }
    grid->setColumnStretch(3, 1);

    evaluation_ = new QButtonGroup(group);
    for (auto [id, text] : {std::pair{kInInterval, "Auswerten, wenn Tonlänge im Intervall"},
                            std::pair{kAtMinimum, "Auswerten sobald Minimallänge erreicht"}}) {
        auto* radio = new QRadioButton(QString::fromUtf8(text), group);
        column->addWidget(radio);
        evaluation_->addButton(radio, static_cast<int>(id));
    }
    connect(evaluation_, &QButtonGroup::idClicked, this, [this](int id) {
        if (static_cast<std::size_t>(id) == kAtMinimum)
            model_.EvaluateAtMinimum();
        else
            model_.EvaluateInInterval();
        Refresh();
    });
    allCircuits_ = AddCheckBox(*group, *column, QStringLiteral("für alle 4 Kreise übernehmen"),
                               [this](bool on) { model_.SetAppliesToAllCircuits(on); });
}

void TonrufauswerterKonfig::BuildLevel(QBoxLayout& page) {
    auto* group = new QGroupBox(QStringLiteral("Min. Pegel für Tonerkennung"), this);
    page.addWidget(group);
    auto* row = new QHBoxLayout(group);
    level_ = MakeDigitField(
        *group, kLevelDigits, [this](const std::string& text) { model_.Level().SetText(text); },
        [this] {
            model_.LeaveLevel();
            Refresh();
        });
    row->addWidget(level_);
    row->addWidget(AddBuddyLabel(
        *group, QStringLiteral("für alle Funkkreise einheitlich  (0-32767) Standard: 00128"),
        *level_));
    row->addStretch();
}

void TonrufauswerterKonfig::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void TonrufauswerterKonfig::Refresh() {
    ShowText(*minimum_, model_.Minimum().Text());
    ShowText(*maximum_, model_.Maximum().Text());
    ShowText(*level_, model_.Level().Text());
    ShowChoice(*evaluation_, model_.EvaluatesAtMinimum() ? kAtMinimum : kInInterval);
    maximum_->setEnabled(model_.MaximumEditable());
    allCircuits_->setChecked(model_.AppliesToAllCircuits());
}

}  // namespace orvan
