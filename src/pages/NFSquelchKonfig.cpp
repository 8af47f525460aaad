#include "pages/NFSquelchKonfig.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <span>

#include "pages/PageControls.h"

namespace orvan {

// One line of a "Squelch an" or "Squelch wieder aus" group: label, two-digit field, unit.
struct NFSquelchKonfig::FieldRow {
    Setting setting;
    const char* label;
    const char* unit;
};

NFSquelchKonfig::NFSquelchKonfig(Register& image, UserInterface& ui,
                                 const CarrierModes& carrierModes, QWidget* parent)
    : QDialog(parent), model_(image, carrierModes) {
    setWindowTitle(ToQString(NFSquelchKonfigModel::kTitle));
    auto* page = new QVBoxLayout(this);
    auto* circuits = new QGridLayout;
    page->addLayout(circuits);
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        circuits_[circuit] = BuildCircuit(circuit);
        circuits->addWidget(circuits_[circuit], static_cast<int>(circuit / 2),
                            static_cast<int>(circuit % 2));
    }
    const PageButtons buttons = AddPageButtons(*this, *page, QStringLiteral(" Hilfe..."));
    ConnectHelpAndOk(*this, buttons, ui, NFSquelchKonfigModel::Help(), [this, target = &image] {
        model_.Commit(*target);
        return true;
    });
}

QGroupBox* NFSquelchKonfig::BuildCircuit(std::size_t circuit) {
    static constexpr FieldRow kSquelchOn[] = {
        {Setting::PresenceLevel, "NF wird erkannt ab Schwellwert:", "* 1,8 mV"},
        {Setting::PresenceTime, "Squelch aktiv, wenn NF erkannt für:", "* 5 ms"}};
    static constexpr FieldRow kSquelchOff[] = {
        {Setting::AbsenceLevel, "NF nicht vorhanden unter Schwellwert:", "* 1,8 mV"},
        {Setting::AbsenceTime, "Squelch deaktiviert,\nwenn NF nicht vorhanden für:", "* 5 ms"}};

    struct Part {
        const char* title;
        std::span<const FieldRow> rows;
    };
    const Part parts[] = {{"Squelch an", kSquelchOn}, {"Squelch wieder aus", kSquelchOff}};

    auto* group = new QGroupBox(CircuitName(circuit), this);
    auto* column = new QVBoxLayout(group);
    for (const Part& part : parts) {
        auto* box = new QGroupBox(QString::fromUtf8(part.title), group);
        column->addWidget(box);
        auto* grid = new QGridLayout(box);
        // Labels take the spare width, so the fields of both parts line up.
        grid->setColumnStretch(0, 1);
        for (std::size_t line = 0; line < part.rows.size(); ++line) {
            AddField(*box, *grid, static_cast<int>(line), circuit, part.rows[line]);
        }
    }
    return group;
}

void NFSquelchKonfig::AddField(QGroupBox& group, QGridLayout& grid, int line, std::size_t circuit,
                               const FieldRow& row) {
    QLineEdit* field = MakeDigitField(
        group, model_.Field(circuit, row.setting).FieldLength(),
        [this, circuit, setting = row.setting](const std::string& text) {
            model_.Field(circuit, setting).SetText(text);
        },
        [this, circuit, setting = row.setting] {
            model_.Leave(circuit, setting);
            Refresh();
        });
    fields_[circuit][static_cast<std::size_t>(row.setting)] = field;
    grid.addWidget(AddBuddyLabel(group, QString::fromUtf8(row.label), *field), line, 0);
    grid.addWidget(field, line, 1);
    grid.addWidget(new QLabel(QString::fromUtf8(row.unit), &group), line, 2);
}

void NFSquelchKonfig::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void NFSquelchKonfig::Refresh() {
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        circuits_[circuit]->setEnabled(model_.Editable(circuit));
        for (std::size_t setting = 0; setting < NFSquelchKonfigModel::kSettingCount; ++setting) {
            ShowText(*fields_[circuit][setting],
                     model_.Field(circuit, static_cast<Setting>(setting)).Text());
        }
    }
}

}  // namespace orvan
