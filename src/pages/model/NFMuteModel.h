#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/Register.h"
#include "pages/model/Binding.h"
#include "pages/model/HelpText.h"

namespace orvan {

// Per radio circuit, the audio level below which its received audio is muted and the level
// above which the muting is lifted: registers 210-213 (circuit 0 to 3), chars 0-1 and 2-3, in
// steps of about 0,9 mV. One pair can be taken for all circuits.
class NFMuteModel {
  public:
    static constexpr std::string_view kTitle = "Geräuschunterdrückung (NF-Mute)";
    // In the order of their characters and of the circuit group.
    enum class Level { Mute, Release };
    static constexpr std::size_t kLevelCount = 2;
    static constexpr std::array<std::string_view, kLevelCount> kLabels = {
        "Wert, unter dem NF-Mute aktiviert wird:", "Wert, über dem \nNF-Mute deaktiviert wird:"};
    static constexpr std::string_view kUnit = "* ca. 0,9 mV";
    static constexpr std::string_view kForAllCaption = "Für alle Funkkreise übernehmen";

    explicit NFMuteModel(const Register& image);

    FixedDecimal& Field(std::size_t circuit, Level level);
    // Leaving a field fills it to two digits; no range or level comparison is made.
    void Leave(std::size_t circuit, Level level);

    // "Für alle Funkkreise übernehmen": not stored, unchecked at every opening.
    bool ForAll() const { return forAll_; }
    void SetForAll(bool forAll) { forAll_ = forAll; }
    // The fields of circuits 2 to 4 are locked while circuit 1's pair is taken for all; they
    // keep their texts.
    bool Editable(std::size_t circuit) const { return circuit == 0 || !forAll_; }

    // OK: each register gets its circuit's pair, or circuit 1's pair while it is taken for all.
    void Commit(Register& image) const;
    // The pairs OK would write.
    std::vector<NamedSetting> Settings() const;
    static HelpText Help();

  private:
    using CircuitLevels = std::array<Bound<FixedDecimal>, kLevelCount>;
    using AllLevels = std::array<CircuitLevels, kCircuitCount>;

    AllLevels Written() const;

    AllLevels levels_;
    bool forAll_ = false;
};

}  // namespace orvan
