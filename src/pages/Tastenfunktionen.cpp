#include "pages/Tastenfunktionen.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "pages/DetailFMS.h"
#include "pages/PageControls.h"
#include "pages/TonfolgeKonfig.h"
#include "pages/model/DetailFMSModel.h"

namespace orvan {

namespace {

const QStringList kCircuitTexts = {"1", "2", "3", "4"};

// Columns of the groups' grids: captions, controls, "Detail".
constexpr int kCaptionColumn = 0;
constexpr int kControlColumn = 1;
constexpr int kDetailColumn = 2;

}  // namespace

Tastenfunktionen::Tastenfunktionen(Register& image, UserInterface& ui, QWidget* parent)
    : QDialog(parent), image_(image), ui_(ui), model_(image) {
    setWindowTitle(ToQString(TastenfunktionenModel::kTitle));
    auto* page = new QVBoxLayout(this);
    // Two columns of equal width: PTT beside the preamble, the call keys side by side below.
    auto* groups = new QGridLayout;
    page->addLayout(groups);
    QGroupBox* ptt = BuildPtt();
    groups->addWidget(ptt, 0, 0);
    groups->addWidget(BuildPreamble(), 0, 1);
    for (std::size_t key = 0; key < TastenfunktionenModel::kKeyCount; ++key)
        groups->addWidget(BuildKey(key), 1, static_cast<int>(key));
    // PTT's fields and "Detail" stand above those of "RUF 1 Taste".
    static_cast<QGridLayout*>(ptt->layout())
        ->setColumnMinimumWidth(kCaptionColumn, keys_[0].functionLabel->sizeHint().width());
    groups->setColumnStretch(0, 1);
    groups->setColumnStretch(1, 1);

    const PageButtons buttons = AddPageButtons(*this, *page, QStringLiteral("Hilfe..."),
                                               {QStringLiteral("Konfiguration Tonfolge...")});
    buttons.ok->setText(QStringLiteral("Ok"));
    sequenceConfig_ = buttons.extras.front();
    connect(sequenceConfig_, &QPushButton::clicked, this, [this] {
        TonfolgeKonfig sequence(image_, ui_, this);
        sequence.exec();
    });
    ConnectHelpAndOk(*this, buttons, ui_, TastenfunktionenModel::Help(),
                     [this] { return Commit(); });
}

QGroupBox* Tastenfunktionen::BuildPtt() {
    auto* group = new QGroupBox(QStringLiteral("PTT"), this);
    auto* grid = new QGridLayout(group);
    identificationOnPtt_ = new QCheckBox(QStringLiteral("FMS Kennung bei PTT"), group);
    connect(identificationOnPtt_, &QCheckBox::clicked, this,
            [this](bool on) { model_.IdentificationOnPtt().Set(on); });
    grid->addWidget(identificationOnPtt_, 0, kCaptionColumn, 1, 3);
    pttCircuits_ = AddCircuitRow(*group, *grid, 1, [this](std::size_t circuit, bool on) {
        model_.PttCircuits().Set(circuit, on);
    });
    identification_ =
        AddTextRow(*group, *grid, 2, Text::Identification, QStringLiteral("FMS Kennung:"));
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox* Tastenfunktionen::BuildKey(std::size_t key) {
    const QString number = QString::number(key + 1);
    auto* group = new QGroupBox(QStringLiteral("RUF %1 Taste").arg(number), this);
    auto* grid = new QGridLayout(group);
    KeyControls& controls = keys_[key];

    controls.function =
        MakeChoiceList(*group, model_.Function(key).Options(),
                       [this, key](const std::string& text) { ChooseFunction(key, text); });
    controls.functionLabel = AddBuddyLabel(
        *group, QStringLiteral("Funktion RUF%1-Taste:").arg(number), *controls.function);
    grid->addWidget(controls.functionLabel, 0, kCaptionColumn);
    grid->addWidget(controls.function, 0, kControlColumn, 1, 2);

    controls.current = new QCheckBox(QStringLiteral("auf aktuellen Kreis"), group);
    connect(controls.current, &QCheckBox::clicked, this, [this, key] {
        model_.Circuits(key).ChooseCurrent();
        Refresh();
    });
    grid->addWidget(controls.current, 1, kControlColumn, 1, 2);
    controls.circuits = AddCircuitRow(*group, *grid, 2, [this, key](std::size_t circuit, bool on) {
        model_.Circuits(key).SetCircuit(circuit, on);
        Refresh();
    });
    controls.text = AddTextRow(*group, *grid, 3, TastenfunktionenModel::KeyText(key),
                               ToQString(model_.TextCaption(key)));
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox* Tastenfunktionen::BuildPreamble() {
    auto* group = new QGroupBox(
        QStringLiteral("Konfiguration Vorlauf && Schlussbit (für alle Telegramme)"), this);
    auto* columns = new QHBoxLayout(group);
    auto* preamble = new QVBoxLayout;
    columns->addLayout(preamble);
    preamble_ =
        AddChoiceButtons(*group, *preamble, PreambleCode::PreambleOptions(),
                         [this](std::size_t option) { model_.Preamble().ChoosePreamble(option); });
    auto* finalBit = new QVBoxLayout;
    columns->addLayout(finalBit);
    finalBit_ =
        AddChoiceButtons(*group, *finalBit, PreambleCode::FinalBitOptions(),
                         [this](std::size_t option) { model_.Preamble().ChooseFinalBit(option); });
    columns->addStretch();
    return group;
}

std::vector<QCheckBox*> Tastenfunktionen::AddCircuitRow(
    QGroupBox& group, QGridLayout& grid, int row, std::function<void(std::size_t, bool)> clicked) {
    const CheckBoxRow circuits =
        MakeCheckBoxRow(group, QStringLiteral("auf Kreis:"), kCircuitTexts, std::move(clicked));
    grid.addWidget(circuits.label, row, kCaptionColumn);
    grid.addWidget(circuits.row, row, kControlColumn, 1, 2);
    return circuits.boxes;
}

Tastenfunktionen::TextRow Tastenfunktionen::AddTextRow(QGroupBox& group, QGridLayout& grid, int row,
                                                       Text text, const QString& caption) {
    TextRow made{};
    made.field = MakeTextField(group, DetailFMSModel::kLength, [this, text](std::string typed) {
        model_.EditText(text, std::move(typed));
        Refresh();
    });
    made.label = AddBuddyLabel(group, caption, *made.field);
    made.detail = new QPushButton(QStringLiteral("Detail"), &group);
    made.detail->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(made.detail, &QPushButton::clicked, this, [this, text] { OpenDetail(text); });
    grid.addWidget(made.label, row, kCaptionColumn);
    grid.addWidget(made.field, row, kControlColumn);
    grid.addWidget(made.detail, row, kDetailColumn);
    return made;
}

void Tastenfunktionen::ChooseFunction(std::size_t key, const std::string& text) {
    const std::optional<std::string> note = model_.ChooseFunction(key, text);
    Refresh();
    if (note)
        ui_.ShowMessage(this, {}, ToQString(*note), MessageIcon::None, MessageButtons::Ok);
}

void Tastenfunktionen::OpenDetail(Text text) {
    std::string detailed = model_.DetailText(text);
    DetailFMS detail(detailed, ui_, this);
    if (detail.exec() == QDialog::Accepted)
        model_.SetText(text, std::move(detailed));
    Refresh();
}

bool Tastenfunktionen::Commit() {
    if (const std::optional<std::string> problem = model_.Problem()) {
        ui_.ShowMessage(this, {}, ToQString(*problem), MessageIcon::None, MessageButtons::Ok);
        return false;
    }
    return model_.Commit(image_);
}

void Tastenfunktionen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void Tastenfunktionen::Refresh() {
    identificationOnPtt_->setChecked(model_.IdentificationOnPtt().IsOn());
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit)
        pttCircuits_[circuit]->setChecked(model_.PttCircuits().Contains(circuit));
    ShowText(*identification_.field, model_.TextOf(Text::Identification));

    for (std::size_t key = 0; key < TastenfunktionenModel::kKeyCount; ++key) {
        KeyControls& controls = keys_[key];
        ShowChoice(*controls.function, model_.Function(key).ShownText());
        controls.current->setChecked(model_.Circuits(key).Current());
        for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit)
            controls.circuits[circuit]->setChecked(model_.Circuits(key).Contains(circuit));
        const QString caption = ToQString(model_.TextCaption(key));
        controls.text.label->setText(caption);
        controls.text.field->setAccessibleName(caption);
        controls.text.label->setEnabled(model_.TextEnabled(key));
        controls.text.field->setEnabled(model_.TextEnabled(key));
        controls.text.detail->setEnabled(model_.DetailEnabled(key));
        ShowText(*controls.text.field, model_.TextOf(TastenfunktionenModel::KeyText(key)));
    }
    ShowChoice(*preamble_, model_.Preamble().Preamble());
    ShowChoice(*finalBit_, model_.Preamble().FinalBit());
    sequenceConfig_->setEnabled(model_.SequenceConfigEnabled());
}

}  // namespace orvan
