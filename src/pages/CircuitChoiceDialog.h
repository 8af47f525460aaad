#pragma once

#include <QDialog>

#include <array>
#include <vector>

#include "core/Register.h"
#include "pages/model/CircuitChoiceModel.h"
#include "pages/model/HelpText.h"
#include "ui/UserInterface.h"

class QBoxLayout;
class QButtonGroup;
class QComboBox;
class QShowEvent;

namespace orvan {

// What a page that is nothing but choices per radio circuit has in common: per row of its
// model either a drop-down list per circuit beside its caption (in the row's group box, if it
// has one), or a group box of radio buttons per circuit; help, OK and Cancel below. A list
// shows no item for a code that is no option; a radio group shows the table's fallback.
class CircuitChoiceDialog : public QDialog {
    Q_OBJECT

  public:
    enum class Controls { Lists, RadioGroups };

  protected:
    CircuitChoiceDialog(Register& image, UserInterface& ui, const CircuitChoicePage& page,
                        HelpText help, Controls controls, QWidget* parent);

    void showEvent(QShowEvent* event) override;

  private:
    void AddLists(QBoxLayout& rows, std::size_t row);
    void AddRadioGroups(QBoxLayout& rows, std::size_t row);
    void Refresh();

    CircuitChoiceModel model_;
    std::vector<std::array<QComboBox*, kCircuitCount>> lists_;
    std::vector<std::array<QButtonGroup*, kCircuitCount>> groups_;
};

}  // namespace orvan
