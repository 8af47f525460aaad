#include "pages/TonfolgeKonfig.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "pages/PageControls.h"

namespace orvan {

namespace {

struct LengthRow {
    const char* label;
    int width;
};

// In the order of TonfolgeKonfigModel::Field.
constexpr LengthRow kLengthRows[] = {
    {"Tonlänge erster Ton:", 2}, {"Tonlänge ab 2. Ton:", 1}, {"Pausenlänge:", 2}};

}  // namespace

TonfolgeKonfig::TonfolgeKonfig(Register& image, UserInterface& ui, QWidget* parent)
    : QDialog(parent), model_(image) {
    setWindowTitle(ToQString(TonfolgeKonfigModel::kTitle));
    auto* page = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    page->addLayout(grid);

    toneSystem_ =
        MakeChoiceList(*this, model_.ToneSystem().Options(), [this](const std::string& text) {
            model_.ToneSystem().ChooseText(text);
            Refresh();
        });
    grid->addWidget(AddBuddyLabel(*this, QStringLiteral("Tonrufsystem:"), *toneSystem_), 0, 0);
    grid->addWidget(toneSystem_, 0, 1, 1, 2);

    for (std::size_t slot = 0; slot < kFieldCount; ++slot) {
        const auto field = static_cast<Field>(slot);
        lengths_[slot] = MakeDigitField(
            *this, kLengthRows[slot].width,
            [this, field](const std::string& text) { model_.Length(field).SetText(text); },
            [this, field] {
                model_.Leave(field);
                Refresh();
            });
        const int row = static_cast<int>(slot) + 1;
        grid->addWidget(
            AddBuddyLabel(*this, QString::fromUtf8(kLengthRows[slot].label), *lengths_[slot]), row,
            0);
        grid->addWidget(lengths_[slot], row, 1);
        grid->addWidget(new QLabel(QStringLiteral("* 10 ms"), this), row, 2);
    }
    grid->setColumnStretch(2, 1);

    const PageButtons buttons = AddPageButtons(*this, *page, QString());
    ConnectHelpAndOk(*this, buttons, ui, {}, [this, target = &image] {
        model_.Commit(*target);
        return true;
    });
}

void TonfolgeKonfig::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void TonfolgeKonfig::Refresh() {
    ShowChoice(*toneSystem_, model_.ToneSystem().ShownText());
    for (std::size_t slot = 0; slot < kFieldCount; ++slot)
        ShowText(*lengths_[slot], model_.Length(static_cast<Field>(slot)).Text());
}

}  // namespace orvan
