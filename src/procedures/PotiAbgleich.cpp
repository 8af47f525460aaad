#include "procedures/PotiAbgleich.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

#include "link/DeviceMessages.h"
#include "procedures/ProcedureEnd.h"
#include "ui/Widgets.h"

namespace orvan {

namespace {

constexpr int kSettingLength = 5;
constexpr int kPotiLevelLength = 4;

QLineEdit* MakeDisplay(int length, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setMaxLength(length);
    field->setAlignment(Qt::AlignCenter);
    field->setFocusPolicy(Qt::NoFocus);
    const int width = field->fontMetrics().horizontalAdvance(QString(length + 2, QChar('0')));
    field->setMinimumWidth(width);
    field->setMaximumWidth(width * 2);
    return field;
}

}  // namespace

PotiAbgleich::PotiAbgleich(Register& image, std::string portPath, UserInterface& ui,
                           const Timing& timing, QWidget* parent)
    : QDialog(parent), image_(image), ui_(ui), model_(image, std::move(portPath), timing) {
    setWindowTitle("Potentiometer-Abgleich");
    Build();
    timer_ = new QTimer(this);
    timer_->setInterval(timing.pollPeriod);
    connect(timer_, &QTimer::timeout, this, &PotiAbgleich::Poll);
    Refresh();
}

PotiAbgleich::~PotiAbgleich() = default;

void PotiAbgleich::Build() {
    selector_ = new QComboBox(this);
    for (const char* entry : PotiAbgleichModel::Entries())
        selector_->addItem(QString::fromUtf8(entry));
    selector_->setPlaceholderText(QString::fromUtf8("bitte auswählen"));
    selector_->setCurrentIndex(-1);
    QLabel* selectorLabel = MakeLabel("Abzugleichendes Poti:", selector_, this);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    setting_ = MakeDisplay(kSettingLength, frame);
    QLabel* settingLabel = MakeLabel("Poti-Einstellung", setting_, frame);
    coarseCaption_ = new QLabel(frame);
    fineCaption_ = new QLabel(frame);
    const char* stepTexts[] = {"+", "-", "+", "-"};
    for (std::size_t k = 0; k < steps_.size(); ++k)
        steps_[k] = MakeButton(stepTexts[k], frame);
    arrow_ = new QLabel("dB      ->", frame);
    level_ = MakeDisplay(kPotiLevelLength, frame);
    levelCaption_ = MakeLabel("Pegel (Soll: 300mV)", level_, frame);
    millivolt_ = new QLabel("mV", frame);
    auto_ = MakeButton("Auto-Abgleich", frame);
    store_ = MakeButton("Speichern", frame);
    default_ = MakeButton("Default-Wert", frame);
    tone_ = MakeButton("1000Hz-Ton an/aus", frame);
    transmitter_ = MakeButton("Sender an/aus", frame);

    auto* steps = new QGridLayout;
    steps->addWidget(coarseCaption_, 0, 0, 1, 2, Qt::AlignCenter);
    steps->addWidget(fineCaption_, 0, 2, 1, 2, Qt::AlignCenter);
    for (int k = 0; k < static_cast<int>(steps_.size()); ++k) {
        steps->addWidget(steps_[k], 1, k);
        steps_[k]->setAccessibleDescription(k < 2 ? "grob" : "fein");
    }
    auto* values = new QGridLayout;
    values->addWidget(settingLabel, 0, 0, Qt::AlignCenter);
    values->addWidget(setting_, 1, 0);
    values->addWidget(arrow_, 1, 1);
    values->addWidget(levelCaption_, 0, 2, 1, 2, Qt::AlignCenter);
    values->addWidget(level_, 1, 2);
    values->addWidget(millivolt_, 1, 3);
    auto* adjust = new QHBoxLayout;
    adjust->addLayout(steps);
    adjust->addSpacing(12);
    adjust->addLayout(values);
    adjust->addStretch(1);
    auto* functions = new QHBoxLayout;
    for (QPushButton* button : {auto_, store_, default_, tone_, transmitter_})
        functions->addWidget(button);
    functions->addStretch(1);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addLayout(adjust);
    frameLayout->addLayout(functions);

    QPushButton* help = MakeButton("Hilfe...", this);
    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    QPushButton* cancel = MakeButton("Abbrechen", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* top = new QHBoxLayout;
    top->addWidget(selectorLabel);
    top->addWidget(selector_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    SetTabOrder({selector_, steps_[0], steps_[1], steps_[2], steps_[3], auto_, store_, default_,
                 tone_, transmitter_, help, ok, cancel});

    connect(selector_, &QComboBox::activated, this, &PotiAbgleich::Choose);
    const std::pair<QPushButton*, PotiKey> commands[] = {{steps_[0], PotiKey::CoarseUp},
                                                         {steps_[1], PotiKey::CoarseDown},
                                                         {steps_[2], PotiKey::FineUp},
                                                         {steps_[3], PotiKey::FineDown},
                                                         {auto_, PotiKey::Auto},
                                                         {store_, PotiKey::Store},
                                                         {default_, PotiKey::Default},
                                                         {tone_, PotiKey::Tone},
                                                         {transmitter_, PotiKey::Transmitter}};
    for (const auto& [button, key] : commands) {
        connect(button, &QPushButton::clicked, this, [this, key = key] { Press(key); });
    }
    connect(help, &QPushButton::clicked, this, [this] {
        const HelpText help = PotiAbgleichModel::Help();
        ui_.ShowMessage(this, QString::fromUtf8(help.caption), QString::fromUtf8(help.text),
                        help.icon, MessageButtons::Ok);
    });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void PotiAbgleich::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    timer_->start();
    Start([this] { return model_.Begin(); }, true);
}

bool PotiAbgleich::Busy() const {
    return (runner_.Running() && userExchange_) || pending_ != nullptr;
}

void PotiAbgleich::WhenIdle(std::function<void()> action) {
    if (runner_.Running()) {
        pending_ = std::move(action);
        Refresh();
        return;
    }
    action();
}

void PotiAbgleich::Choose(int index) {
    WhenIdle([this, index] {
        if (!model_.Choose(index + 1))
            return;
        Refresh();
        Start([this] { return model_.RunSelection(); }, true);
    });
}

void PotiAbgleich::Press(PotiKey key) {
    WhenIdle([this, key] { Start([this, key] { return model_.Press(key); }, true); });
}

void PotiAbgleich::Poll() {
    if (runner_.Running() || pending_ || pendingClose_.Waiting() || !model_.PollDue())
        return;
    Start([this] { return model_.Poll(); }, false);
}

void PotiAbgleich::Start(std::function<ProcedureFailure()> work, bool byUser) {
    userExchange_ = byUser;
    runner_.Start(std::move(work), [this](ProcedureFailure failure) { Finished(failure); });
    Refresh();
}

void PotiAbgleich::Finished(ProcedureFailure failure) {
    userExchange_ = false;
    if (pendingClose_.Complete(*this))
        return;
    std::function<void()> next = std::move(pending_);
    pending_ = nullptr;
    Refresh();
    ReportProcedureFailure(ui_, this, image_, failure);
    if (next)
        next();
}

void PotiAbgleich::done(int result) {
    timer_->stop();
    if (!pendingClose_.Defer(runner_.Running(), result))
        QDialog::done(result);
}

void PotiAbgleich::Refresh() {
    const PotiAbgleichModel::Controls controls = model_.ControlsFor();
    for (QWidget* widget :
         std::initializer_list<QWidget*>{arrow_, levelCaption_, level_, millivolt_, auto_})
        widget->setVisible(controls.inputFields);
    transmitter_->setVisible(controls.transmitter);
    tone_->setVisible(controls.tone);
    transmitter_->setText(QString::fromUtf8(controls.transmitterCaption));
    transmitter_->setAccessibleName(transmitter_->text());
    coarseCaption_->setText(QString::fromUtf8(controls.coarse));
    fineCaption_->setText(QString::fromUtf8(controls.fine));
    setting_->setText(QString::fromLatin1(model_.SettingText()));
    level_->setText(QString::fromLatin1(model_.LevelText()));

    const bool idle = !Busy();
    if (idle) {
        unsetCursor();
    } else {
        setCursor(Qt::WaitCursor);
    }
    selector_->setEnabled(idle);
    for (QPushButton* step : steps_)
        step->setEnabled(idle);
    for (QPushButton* button : {auto_, store_, default_, tone_, transmitter_})
        button->setEnabled(idle && model_.FunctionsEnabled());
}

void PotiAbgleich::End(Register& image, const std::string& portPath, UserInterface& ui,
                       const Timing& timing, QWidget* parent) {
    EndOnUnit(image, portPath, ui, timing, false, kPotiEndFailedText, parent);
}

void RunPotiAbgleich(Register& image, const std::string& portPath, UserInterface& ui,
                     const Timing& timing, QWidget* parent) {
    {
        PotiAbgleich dialog(image, portPath, ui, timing);
        dialog.exec();
    }
    PotiAbgleich::End(image, portPath, ui, timing, parent);
}

}  // namespace orvan
