#pragma once

#include <string>

namespace orvan::sim {

// A pseudo-terminal pair. The master is non-blocking. The slave stays open here for the
// lifetime, set raw, so that its settings persist and the master never reads EIO while the
// program has closed its own slave descriptor between transfers.
class PseudoTerminal {
  public:
    PseudoTerminal();  // throws std::system_error
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int Master() const { return master_; }
    const std::string& SlavePath() const { return slavePath_; }
    bool IsOpen() const { return master_ >= 0; }
    // Closes both ends held here; a program holding the slave sees a hang-up.
    void Close();

  private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

}  // namespace orvan::sim
