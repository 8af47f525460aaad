#include "pages/Tonrufauswertung.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <functional>
#include <optional>

#include "pages/PageControls.h"
#include "pages/TonrufauswerterKonfig.h"
#include "ui/Widgets.h"

namespace orvan {

namespace {

// A radio pair without a box of its own, ids 0 and 1; clicking hands over whether the first
// one was clicked.
QButtonGroup* AddRadioPair(QWidget& parent, QBoxLayout& layout, const char* first,
                           const char* second, std::function<void(bool)> firstChosen) {
    auto* group = new QButtonGroup(&parent);
    int id = 0;
    for (const char* text : {first, second}) {
        auto* radio = new QRadioButton(QString::fromUtf8(text), &parent);
        layout.addWidget(radio);
        group->addButton(radio, id++);
    }
    QObject::connect(
        group, &QButtonGroup::idClicked, group,
        [firstChosen = std::move(firstChosen)](int chosen) { firstChosen(chosen == 0); });
    return group;
}

// The first radio of a pair for true, the second for false, none while unknown.
void ShowPair(QButtonGroup& pair, std::optional<bool> first) {
    ShowChoice(pair, first ? std::optional<std::size_t>(*first ? 0 : 1) : std::nullopt);
}

}  // namespace

Tonrufauswertung::Tonrufauswertung(Register& image, UserInterface& ui, QWidget* parent)
    : QDialog(parent), image_(image), model_(image) {
    setWindowTitle(ToQString(TonrufauswertungModel::kTitle));
    auto* page = new QVBoxLayout(this);
    auto* circuits = new QGridLayout;
    page->addLayout(circuits);
    // Circuits 1 and 2 on the left, 3 and 4 on the right.
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        circuits->addWidget(BuildCircuit(circuit), static_cast<int>(circuit % 2),
                            static_cast<int>(circuit / 2));
    }
    const PageButtons buttons = AddPageButtons(*this, *page, QStringLiteral("Hilfe..."));
    ConnectHelpAndOk(*this, buttons, ui, TonrufauswertungModel::Help(), [this] {
        model_.Commit(image_);
        return true;
    });
}

QGroupBox* Tonrufauswertung::BuildCircuit(std::size_t circuit) {
    auto* group = new QGroupBox(QStringLiteral("Kreis %1").arg(circuit + 1), this);
    auto* column = new QVBoxLayout(group);
    auto* grid = new QGridLayout;
    column->addLayout(grid);
    CircuitControls& controls = circuits_[circuit];

    controls.toneCall = MakeChoiceList(*group, model_.ToneCall(circuit).Options(),
                                       [this, circuit](const std::string& text) {
                                           model_.ToneCall(circuit).ChooseText(text);
                                           Refresh();
                                       });
    grid->addWidget(
        AddBuddyLabel(*group, QStringLiteral("Auszuwertender Tonruf:"), *controls.toneCall), 0, 0);
    grid->addWidget(controls.toneCall, 0, 1);
    auto* configure = new QPushButton(QStringLiteral("Konfig..."), group);
    grid->addWidget(configure, 0, 2);
    connect(configure, &QPushButton::clicked, this, [this, circuit] { OpenEvaluator(circuit); });

    controls.condition = MakeChoiceList(*group, model_.Activation(circuit).Condition().Options(),
                                        [this, circuit](const std::string& text) {
                                            model_.Activation(circuit).Condition().ChooseText(text);
                                            Refresh();
                                        });
    grid->addWidget(
        AddBuddyLabel(*group, QStringLiteral("Funkkreisaktivierung:"), *controls.condition), 1, 0);
    grid->addWidget(controls.condition, 1, 1, 1, 2);

    controls.mode = AddRadioPair(*group, *column, "Nur neuen Kreis an", "Neuen Kreis zusätzlich an",
                                 [this, circuit](bool onlyNew) {
                                     model_.Activation(circuit).SetAddsCircuit(!onlyNew);
                                     Refresh();
                                 });
    BuildNotifications(*group, *column, circuit);
    return group;
}

void Tonrufauswertung::BuildNotifications(QGroupBox& circuitGroup, QBoxLayout& column,
                                          std::size_t circuit) {
    QGroupBox* group =
        MakeGroupBox(QStringLiteral("Benachrichtigungen bei Kreisaktivierung"), &circuitGroup);
    column.addWidget(group);
    auto* pairs = new QHBoxLayout(group);
    auto* ledColumn = new QVBoxLayout;
    pairs->addLayout(ledColumn);
    auto* toneColumn = new QVBoxLayout;
    pairs->addLayout(toneColumn);
    CircuitControls& controls = circuits_[circuit];
    controls.led = AddRadioPair(*group, *ledColumn, "Squelch-LED blinkt",
                                "Squelch-LED blinkt nicht", [this, circuit](bool blinks) {
                                    model_.Notification(circuit).SetLedBlinks(blinks);
                                    Refresh();
                                });
    controls.wakeUpTone =
        AddRadioPair(*group, *toneColumn, "Weckton", "kein Weckton", [this, circuit](bool tone) {
            model_.Notification(circuit).SetWakeUpTone(tone);
            Refresh();
        });
}

void Tonrufauswertung::OpenEvaluator(std::size_t circuit) {
    TonrufauswerterKonfig evaluator(image_, circuit, this);
    evaluator.exec();
}

void Tonrufauswertung::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void Tonrufauswertung::Refresh() {
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        const CircuitControls& controls = circuits_[circuit];
        ShowChoice(*controls.toneCall, model_.ToneCall(circuit).ShownText());
        ShowChoice(*controls.condition, model_.Activation(circuit).Condition().ShownText());
        ShowPair(*controls.mode, !model_.Activation(circuit).AddsCircuit());
        ShowPair(*controls.led, model_.Notification(circuit).LedBlinks());
        ShowPair(*controls.wakeUpTone, model_.Notification(circuit).WakeUpTone());
    }
}

}  // namespace orvan
