#pragma once

#include <QString>

#include <initializer_list>

class QDialog;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace orvan {

// The visible text less its mnemonic marks: the accessible name of a control.
QString AccessibleText(const QString& text);
// A push button that never becomes the default button; its accessible name is its text.
QPushButton* MakeButton(const QString& text, QWidget* parent);
// A label that is the buddy of field; the field's accessible name is the label's text.
QLabel* MakeLabel(const QString& text, QWidget* field, QWidget* parent);
// A group box named by its own title; Qt would name one inside another by the outer one's title.
QGroupBox* MakeGroupBox(const QString& title, QWidget* parent);
// A dialog that only reports: the summary above, the content below it taking the space, and a
// "Schließen" button that closes the dialog.
void LayOutReportDialog(QDialog& dialog, QWidget* summary, QWidget* content);
// Tab order in the given sequence, which follows the layout.
void SetTabOrder(std::initializer_list<QWidget*> widgets);

}  // namespace orvan
