#include "procedures/Ausgabepegel.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QPushButton>

#include "pages/PageControls.h"
#include "procedures/AusgabepegelAendern.h"

namespace orvan {

Ausgabepegel::Ausgabepegel(Register& image, UserInterface& ui, QWidget* parent)
    : QDialog(parent), image_(image), ui_(ui) {
    setWindowTitle(ToQString(AusgabepegelModel::kTitle));
    auto* page = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    page->addLayout(groups);
    source_ = AddChoiceGroup(*this, *groups, QStringLiteral("Quelle"), model_.Source().Options(),
                             [this](std::size_t option) { model_.Source().Choose(option); });
    target_ = AddChoiceGroup(*this, *groups, QStringLiteral("Ziel"), model_.Target().Options(),
                             [this](std::size_t option) { model_.Target().Choose(option); });

    const PageButtons buttons =
        AddPageButtons(*this, *page, QStringLiteral("Hilfe..."),
                       {QStringLiteral("Ändern..."), QStringLiteral("Alle anzeigen...")});
    connect(buttons.extras[0], &QPushButton::clicked, this, &Ausgabepegel::Change);
    connect(buttons.extras[1], &QPushButton::clicked, this, &Ausgabepegel::ShowSummary);
    // The levels are written by the change dialog already; OK only closes.
    ConnectHelpAndOk(*this, buttons, ui, AusgabepegelModel::Help(), [] { return true; });
}

void Ausgabepegel::Change() {
    AusgabepegelAendern change(image_, model_.Chosen(), this);
    change.exec();
}

void Ausgabepegel::ShowSummary() {
    ui_.ShowMessage(this, ToQString(AusgabepegelModel::kSummaryCaption),
                    ToQString(AusgabepegelModel::Summary(image_)), MessageIcon::None,
                    MessageButtons::Ok);
}

void Ausgabepegel::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void Ausgabepegel::Refresh() {
    ShowChoice(*source_, model_.Source().Shown());
    ShowChoice(*target_, model_.Target().Shown());
}

}  // namespace orvan
