#include "pages/HeadsetKonfig.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "pages/PageControls.h"

namespace orvan {

HeadsetKonfig::HeadsetKonfig(Register& image, UserInterface& ui, QWidget* parent)
    : QDialog(parent), model_(image) {
    setWindowTitle(ToQString(HeadsetKonfigModel::kTitle));
    auto* page = new QVBoxLayout(this);
    auto* lists = new QGridLayout;
    page->addLayout(lists);
    for (std::size_t key = 0; key < microphones_.size(); ++key) {
        microphones_[key] = MakeChoiceList(*this, model_.Microphone(key).Options(),
                                           [this, key](const std::string& text) {
                                               model_.Microphone(key).ChooseText(text);
                                               Refresh();
                                           });
        const int line = static_cast<int>(key);
        lists->addWidget(
            AddBuddyLabel(*this, ToQString(HeadsetKonfigModel::kKeys[key]), *microphones_[key]),
            line, 0);
        lists->addWidget(microphones_[key], line, 1);
    }
    page->addWidget(new QLabel(QStringLiteral("* SH-Mikro ohne HS, HS-Mikro mit HS"), this));

    auto* group = new QGroupBox(ToQString(HeadsetKonfigModel::kThresholdGroup), this);
    page->addWidget(group);
    auto* grid = new QGridLayout(group);
    threshold_ = AddDecimalRow(
        *group, *grid, 0, ToQString(HeadsetKonfigModel::kThresholdLabel), model_.Threshold(),
        model_.Threshold().FieldLength(), [] {}, ToQString(HeadsetKonfigModel::kThresholdUnit));
    grid->addWidget(
        new QLabel(
            QStringLiteral("Wenn die Spannung kleiner ist, ist das Headset da. Standard: 975"),
            group),
        1, 0, 1, 3);

    const PageButtons buttons = AddPageButtons(*this, *page, QStringLiteral("Hilfe..."));
    ConnectHelpAndOk(*this, buttons, ui, HeadsetKonfigModel::Help(), [this, target = &image] {
        model_.Commit(*target);
        return true;
    });
}

void HeadsetKonfig::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void HeadsetKonfig::Refresh() {
    for (std::size_t key = 0; key < microphones_.size(); ++key)
        ShowChoice(*microphones_[key], model_.Microphone(key).ShownText());
    ShowText(*threshold_, model_.Threshold().Text());
}

}  // namespace orvan
