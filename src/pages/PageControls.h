#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pages/model/ChoiceCode.h"
#include "pages/model/FixedDecimal.h"
#include "pages/model/HelpText.h"
#include "ui/UserInterface.h"

class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialog;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace orvan {

// Building blocks the configuration pages share. Each control is created with its parent in
// layout order, so the tab order follows the layout; its reaction is a typed connection.

QString ToQString(std::string_view utf8);
// "Funkkreis 1" for circuit 0.
QString CircuitName(std::size_t circuit);

// A label for field; the label is its buddy and its text the field's accessible name.
QLabel* AddBuddyLabel(QWidget& parent, const QString& text, QWidget& field);

QCheckBox* AddCheckBox(QWidget& parent, QBoxLayout& layout, const QString& text,
                       std::function<void(bool)> clicked);

// Check boxes in one row behind one label, "auf Kreis:" "1" "2" "3" "4": the row carries the
// label's text as its accessible name and the label leads to the first box. A click hands over
// the box's number in the row and its new state.
struct CheckBoxRow {
    QLabel* label;
    QWidget* row;
    std::vector<QCheckBox*> boxes;
};
CheckBoxRow MakeCheckBoxRow(QWidget& parent, const QString& label, const QStringList& texts,
                            std::function<void(std::size_t, bool)> clicked);

// Radio buttons added to layout, one per option in option order, ids = option numbers; for two
// groups side by side in one box.
QButtonGroup* AddChoiceButtons(QWidget& parent, QBoxLayout& layout,
                               std::span<const ChoiceOption> options,
                               std::function<void(std::size_t)> chosen);
// A group box of radio buttons, one per option in option order, ids = option numbers.
QButtonGroup* AddChoiceGroup(QWidget& parent, QBoxLayout& layout, const QString& title,
                             std::span<const ChoiceOption> options,
                             std::function<void(std::size_t)> chosen);
// Checks the option's button, or none.
void ShowChoice(QButtonGroup& group, std::optional<std::size_t> option);

// A drop-down list of the options' texts in option order; choosing an item hands over its
// text. Only the user's choice reports, not the page setting the list.
QComboBox* MakeChoiceList(QWidget& parent, std::span<const ChoiceOption> options,
                          std::function<void(std::string)> chosen);
// Selects the item with exactly this text, or no item.
void ShowChoice(QComboBox& list, std::string_view text);

// An edit for digits only, at most maxLength of them. Typing hands over the text; leaving the
// field (focus lost or Enter) reports separately.
QLineEdit* MakeDigitField(QWidget& parent, int maxLength, std::function<void(std::string)> edited,
                          std::function<void()> left);
// An edit for any text, as wide as `width` characters; typing hands over the text. A length
// limit, where the page has one, is the caller's to set.
QLineEdit* MakeTextField(QWidget& parent, int width, std::function<void(std::string)> edited);
// Sets the text without disturbing the caret when it is already shown.
void ShowText(QLineEdit& field, std::string_view text);

// One line of a grid of numeric fields: the label (column 0) as buddy of a digit field
// (column 1) that edits value, and the unit beside it (column 2) if there is one. Leaving the
// field runs left.
QLineEdit* AddDecimalRow(QWidget& parent, QGridLayout& grid, int line, const QString& label,
                         FixedDecimal& value, int maxLength, std::function<void()> left,
                         const QString& unit = {});

// "Hilfe...", the page's own buttons, "OK" (the default) and "Abbrechen" in one row; Cancel
// rejects the page, the other buttons are the page's to connect. A page without help passes
// an empty help text and gets no help button (help is null).
struct PageButtons {
    QPushButton* help;
    std::vector<QPushButton*> extras;
    QPushButton* ok;
};
PageButtons AddPageButtons(QDialog& page, QBoxLayout& layout, const QString& helpText,
                           std::initializer_list<QString> extras = {});
// "OK" (the default) and "Abbrechen" at the end of row, for a dialog without help; Cancel
// rejects the dialog, OK is the dialog's to connect.
QPushButton* AddOkAndCancel(QDialog& page, QBoxLayout& row);
// Help (where there is a help button) shows the page's help box. OK runs commit and closes the page
// with OK unless commit returns false (a field failed its check and the page stays open).
void ConnectHelpAndOk(QDialog& page, const PageButtons& buttons, UserInterface& ui, HelpText help,
                      std::function<bool()> commit);

}  // namespace orvan
