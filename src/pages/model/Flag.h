#pragma once

#include <string>

#include "pages/model/Words.h"

namespace orvan {

// A setting stored as one character "1"/"0": a check box, or a radio pair that has only two
// states.
class Flag {
  public:
    // Which stored characters count as on. Most settings are on only for "1"; a few treat
    // everything but "0" as on.
    enum class Reading { OnlyOneIsOn, AnyButZeroIsOn };

    explicit Flag(char stored, Reading reading = Reading::OnlyOneIsOn)
        : on_(reading == Reading::OnlyOneIsOn ? stored == '1' : stored != '0'), read_(stored) {}

    bool IsOn() const { return on_; }
    void Set(bool on) {
        on_ = on;
        read_ = Stored().front();
    }
    // Always "1" or "0": a flag is rewritten in its normal form.
    std::string Stored() const { return on_ ? "1" : "0"; }
    // "ja" or "nein"; an odd character read from the image is named beside it, so that two
    // images differing only there do not read alike.
    std::string Words() const;
    // "ja" or "nein" back to "1" or "0".
    WordsReading ReadWords(std::string_view words) const {
        return ReadOneOf(words, "01", [](char stored) { return Flag(stored); });
    }

  private:
    bool on_;
    char read_;  // as read, until the user sets the flag
};

inline std::string Flag::Words() const {
    return WithOddCharacter(on_ ? "ja" : "nein", std::string(1, read_), Stored());
}

}  // namespace orvan
