#pragma once

#include <QDialog>

namespace orvan {

// "Info": the program's icon, name, version and the units it serves, and an OK button.
class InfoDialog : public QDialog {
    Q_OBJECT

  public:
    explicit InfoDialog(QWidget* parent = nullptr);
};

}  // namespace orvan
