#include "pages/TonbandrelaisKonfig.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>

#include "pages/PageControls.h"
#include "pages/PageMessages.h"

namespace orvan {

namespace {

// Room for a number typed with leading zeros; the range check at OK judges it.
constexpr int kFollowOnLength = 5;

}  // namespace

TonbandrelaisKonfig::TonbandrelaisKonfig(Register& image, UserInterface& ui, QWidget* parent)
    : QDialog(parent), model_(image) {
    setWindowTitle(ToQString(TonbandrelaisKonfigModel::kTitle));
    auto* page = new QVBoxLayout(this);
    for (std::size_t cause = 0; cause < causes_.size(); ++cause) {
        causes_[cause] =
            AddCheckBox(*this, *page, ToQString(TonbandrelaisKonfigModel::kCauses[cause]),
                        [this, cause](bool on) { model_.Cause(cause).Set(on); });
    }
    auto* grid = new QGridLayout;
    page->addLayout(grid);
    followOn_ = AddDecimalRow(
        *this, *grid, 0, ToQString(TonbandrelaisKonfigModel::kFollowOnLabel), model_.FollowOn(),
        kFollowOnLength, [] {}, QStringLiteral("(0 - 655 s, Standard: 5)"));
    grid->setColumnStretch(3, 1);
    const PageButtons buttons = AddPageButtons(*this, *page, QStringLiteral("Hilfe..."));
    ConnectHelpAndOk(*this, buttons, ui, TonbandrelaisKonfigModel::Help(),
                     [this, target = &image, shown = &ui] { return Commit(*target, *shown); });
}

bool TonbandrelaisKonfig::Commit(Register& image, UserInterface& ui) {
    if (const auto problem = model_.FollowOnProblem()) {
        ReportInvalidField(ui, *followOn_, *problem);
        return false;
    }
    return model_.Commit(image);
}

void TonbandrelaisKonfig::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Refresh();
}

void TonbandrelaisKonfig::Refresh() {
    for (std::size_t cause = 0; cause < causes_.size(); ++cause)
        causes_[cause]->setChecked(model_.Cause(cause).IsOn());
    ShowText(*followOn_, model_.FollowOn().Text());
}

}  // namespace orvan
