#pragma once

#include <string>

namespace orvan {

// A setting stored as one character "1"/"0": a check box, or a radio pair that has only two
// states.
class Flag {
  public:
    // Which stored characters count as on. Most settings are on only for "1"; a few treat
    // everything but "0" as on.
    enum class Reading { OnlyOneIsOn, AnyButZeroIsOn };

    explicit Flag(char stored, Reading reading = Reading::OnlyOneIsOn)
        : on_(reading == Reading::OnlyOneIsOn ? stored == '1' : stored != '0') {}

    bool IsOn() const { return on_; }
    void Set(bool on) { on_ = on; }
    // Always "1" or "0": a flag is rewritten in its normal form.
    std::string Stored() const { return on_ ? "1" : "0"; }

  private:
    bool on_;
};

}  // namespace orvan
