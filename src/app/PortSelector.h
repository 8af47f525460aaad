#pragma once

#include <QComboBox>

#include <string>
#include <vector>

#include "link/Timing.h"

namespace orvan {

class Register;

// The port drop-down list and the port it makes current. The list is rebuilt when it opens and
// applied when it closes, after a choice made in it; the port chosen is remembered for the next
// start.
class PortSelector : public QComboBox {
    Q_OBJECT

  public:
    static constexpr int kListSize = 10;

    // settle: the pause after closing the port before the ports are tried or used.
    PortSelector(Register& image, Milliseconds settle, QWidget* parent);

    const std::string& Current() const { return current_; }
    const std::vector<std::string>& Paths() const { return paths_; }

    // Lists the first ten ports that open, each with its device as tool tip; the first becomes
    // current.
    void Rebuild();
    // Shows the port used last when it is listed.
    void ShowRemembered();
    // The shown entry becomes the current port.
    void Confirm();

    void showPopup() override;
    void hidePopup() override;

  signals:
    void listOpening();
    // The list closed, or an entry was chosen by keyboard or wheel while it was closed.
    void listClosed();
    // Confirm made another port current.
    void portChanged();

  private:
    Register& image_;
    Milliseconds settle_;
    std::vector<std::string> paths_;
    std::string current_;
    bool open_ = false;
    bool closing_ = false;
};

}  // namespace orvan
