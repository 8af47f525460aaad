#include "procedures/HSErkennung.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

#include "link/DeviceMessages.h"
#include "procedures/ProcedureEnd.h"
#include "ui/Widgets.h"

namespace orvan {

HSErkennung::HSErkennung(Register& image, std::string portPath, UserInterface& ui,
                         const Timing& timing, QWidget* parent)
    : QDialog(parent), image_(image), ui_(ui), model_(image, std::move(portPath), timing) {
    setWindowTitle("Headset-Erkennung");
    auto* intro = new QLabel(
        QString::fromUtf8("Hier können Sie überprüfen, ob die Verbindung bzw. das Trennen "
                          "des Headsets richtig erkannt werden. Bei zufriedenstellendem "
                          "Resultat kann die Einstellung mit \"OK\" gespeichert werden."),
        this);
    intro->setWordWrap(true);
    auto* group = new QGroupBox("Status", this);
    status_ = new QLabel(QString::fromUtf8(model_.Status()), group);
    status_->setAlignment(Qt::AlignCenter);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(status_);

    auto* ok = new QPushButton("OK", this);
    ok->setDefault(true);
    QPushButton* cancel = MakeButton("Abbrechen", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(group);
    layout->addLayout(buttons);
    // Room for the longest status without the window growing while it polls.
    status_->setMinimumWidth(
        status_->fontMetrics().horizontalAdvance(QString(HSErkennungModel::kChecking)) + 40);
    intro->setMinimumWidth(intro->fontMetrics().averageCharWidth() * 56);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    timer_ = new QTimer(this);
    timer_->setInterval(timing.pollPeriod);
    connect(timer_, &QTimer::timeout, this, &HSErkennung::Poll);
}

HSErkennung::~HSErkennung() = default;

void HSErkennung::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    timer_->start();
    opening_ = true;
    setCursor(Qt::WaitCursor);
    runner_.Start([this] { return model_.Begin(); },
                  [this](ProcedureFailure failure) { Began(failure); });
}

void HSErkennung::Began(ProcedureFailure failure) {
    opening_ = false;
    unsetCursor();
    if (failure == ProcedureFailure::None && !pendingClose_.Waiting()) {
        ui_.ShowMessage(this, kPromptCaption, QString::fromUtf8(kPromptText),
                        MessageIcon::Information, MessageButtons::Ok);
    }
    if (failure != ProcedureFailure::OpenFailed)
        model_.Confirm();
    if (pendingClose_.Complete(*this))
        return;
    ReportProcedureFailure(ui_, this, image_, failure);
}

void HSErkennung::Poll() {
    if (runner_.Running() || pendingClose_.Waiting() || !model_.PollDue())
        return;
    runner_.Start([this] { return model_.Poll(); },
                  [this](ProcedureFailure failure) {
                      status_->setText(QString::fromUtf8(model_.Status()));
                      if (pendingClose_.Complete(*this))
                          return;
                      ReportProcedureFailure(ui_, this, image_, failure);
                  });
}

void HSErkennung::done(int result) {
    timer_->stop();
    if (!pendingClose_.Defer(runner_.Running(), result))
        QDialog::done(result);
}

void HSErkennung::End(Register& image, const std::string& portPath, UserInterface& ui,
                      const Timing& timing, bool store, QWidget* parent) {
    EndOnUnit(image, portPath, ui, timing, store, kHeadsetEndFailedText, parent);
}

void RunHSErkennung(Register& image, const std::string& portPath, UserInterface& ui,
                    const Timing& timing, QWidget* parent) {
    bool store = false;
    {
        HSErkennung dialog(image, portPath, ui, timing);
        store = dialog.exec() == QDialog::Accepted;
    }
    HSErkennung::End(image, portPath, ui, timing, store, parent);
}

}  // namespace orvan
