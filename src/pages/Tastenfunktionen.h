#pragma once

#include <QDialog>

#include <array>
#include <string>
#include <vector>

#include "core/Register.h"
#include "pages/model/TastenfunktionenModel.h"
#include "ui/UserInterface.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

namespace orvan {

// The key functions page: what PTT and the call keys send and on which circuits, the FMS texts
// with their detail pages, the five-tone sequences with the page of their timing, and the FMS
// preamble and final bit.
class Tastenfunktionen : public QDialog {
    Q_OBJECT

  public:
    Tastenfunktionen(Register& image, UserInterface& ui, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    using Text = TastenfunktionenModel::Text;

    // A text field with its label and "Detail" button, in one row of a group's grid.
    struct TextRow {
        QLabel* label;
        QLineEdit* field;
        QPushButton* detail;
    };
    struct KeyControls {
        QLabel* functionLabel;
        QComboBox* function;
        QCheckBox* current;
        std::vector<QCheckBox*> circuits;
        TextRow text;
    };

    QGroupBox* BuildPtt();
    QGroupBox* BuildKey(std::size_t key);
    QGroupBox* BuildPreamble();
    // "auf Kreis:" "1" to "4" in row `row` of the grid.
    std::vector<QCheckBox*> AddCircuitRow(QGroupBox& group, QGridLayout& grid, int row,
                                          std::function<void(std::size_t, bool)> clicked);
    TextRow AddTextRow(QGroupBox& group, QGridLayout& grid, int row, Text text,
                       const QString& caption);

    void ChooseFunction(std::size_t key, const std::string& text);
    // The FMS detail page on the field's text filled to ten characters; its OK shows the result.
    void OpenDetail(Text text);
    bool Commit();
    void Refresh();

    Register& image_;
    UserInterface& ui_;
    TastenfunktionenModel model_;
    QCheckBox* identificationOnPtt_ = nullptr;
    std::vector<QCheckBox*> pttCircuits_;
    TextRow identification_{};
    std::array<KeyControls, TastenfunktionenModel::kKeyCount> keys_{};
    QButtonGroup* preamble_ = nullptr;
    QButtonGroup* finalBit_ = nullptr;
    QPushButton* sequenceConfig_ = nullptr;
};

}  // namespace orvan
