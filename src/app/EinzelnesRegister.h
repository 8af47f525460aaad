#pragma once

#include <QDialog>

#include "app/EinzelnesRegisterModel.h"
#include "ui/UserInterface.h"

class QLineEdit;
class QPushButton;

namespace orvan {

// Shows and changes one register of the image by its number, for registers no page covers.
class EinzelnesRegister : public QDialog {
    Q_OBJECT

  public:
    EinzelnesRegister(Register& image, UserInterface& ui, QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Takes the fields into the model; shows the failed check's message. False when one failed.
    bool TakeFields();
    void ShowMembers();
    void ReadRegister();
    void WriteRegister();
    void ShowHelp();

    EinzelnesRegisterModel model_;
    UserInterface& ui_;
    QLineEdit* number_;
    QLineEdit* content_;
};

}  // namespace orvan
