#pragma once

#include <QComboBox>

#include <string>
#include <vector>

namespace orvan {

class Register;

// The port drop-down list. It announces the opening of its list before the list shows, so that
// the list can be rebuilt, and the closing after a choice made in it has been applied.
class PortSelector : public QComboBox {
    Q_OBJECT

  public:
    explicit PortSelector(QWidget* parent = nullptr);

    // Lists the first limit ports of image that open, each with its device as tool tip; returns
    // their paths in list order.
    std::vector<std::string> Fill(Register& image, int limit);

    void showPopup() override;
    void hidePopup() override;

  signals:
    void listOpening();
    // The list closed, or an entry was chosen by keyboard or wheel while it was closed.
    void listClosed();

  private:
    bool open_ = false;
    bool closing_ = false;
};

}  // namespace orvan
