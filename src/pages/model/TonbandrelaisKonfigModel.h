#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Register.h"
#include "pages/model/Binding.h"
#include "pages/model/HelpText.h"

namespace orvan {

// When the tape recorder relay closes (register 12 chars 0-2, flags) and how many seconds it
// stays closed after its cause has ended (register 13 chars 0-2, 0 to 655).
class TonbandrelaisKonfigModel {
  public:
    static constexpr std::string_view kTitle = "Tonbandrelais Konfiguration";
    // The check boxes in the order of their characters.
    static constexpr std::size_t kCauseCount = 3;
    static constexpr std::array<std::string_view, kCauseCount> kCauses = {
        "REL mit TX an", "REL mit jedem SQL an", "REL mit SQL auf aktiviertem Kreis an"};
    static constexpr std::string_view kFollowOnLabel = "Nachlaufzeit in s:";
    static constexpr int kLongestFollowOn = 655;

    explicit TonbandrelaisKonfigModel(const Register& image);

    Flag& Cause(std::size_t cause) { return causes_.at(cause).value; }
    // Shown as its number ("005" as "5").
    FixedDecimal& FollowOn() { return followOn_.value; }

    // The message for a follow-on time that is no whole number from 0 to 655; none when fine.
    std::optional<std::string> FollowOnProblem() const;
    // OK: writes the flags and the time in three digits and returns true; with a follow-on
    // problem it writes nothing and returns false.
    bool Commit(Register& image) const;
    std::vector<NamedSetting> Settings() const;
    static HelpText Help();

  private:
    std::array<Bound<Flag>, kCauseCount> causes_;
    Bound<FixedDecimal> followOn_;
};

}  // namespace orvan
