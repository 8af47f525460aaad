#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/Register.h"
#include "pages/model/ChoiceCode.h"
#include "pages/model/HelpText.h"
#include "procedures/model/OutputLevels.h"

namespace orvan {

// The output level dialog: which level the change dialog edits ("Rufton" on "Lautsprecher"
// until the user picks another), and the summary of all eight. It holds no working copy; the
// change dialog writes the image itself.
class AusgabepegelModel {
  public:
    static constexpr std::string_view kTitle = "Digitale Ausgabepegel";

    AusgabepegelModel();

    ChoiceCode& Source() { return source_; }
    ChoiceCode& Target() { return target_; }
    LevelChoice Chosen() const { return {source_.Code(), target_.Code()}; }

    // Every level with its standard value, target after target.
    static std::string Summary(const Register& image);
    static constexpr std::string_view kSummaryCaption = "Alle Ausgabepegel auf einen Blick";
    // The eight levels, named by source and target.
    static std::vector<NamedSetting> Settings(const Register& image);
    static HelpText Help();

  private:
    ChoiceCode source_;
    ChoiceCode target_;
};

// The change dialog of one level: its field, normalised on leaving and on OK.
class AusgabepegelAendernModel {
  public:
    static constexpr std::string_view kTitle = "Ausgabepegel ändern:";
    static constexpr std::string_view kLabel = "Neuer Pegel\n00000 (= aus) bis 32767:";

    AusgabepegelAendernModel(const Register& image, LevelChoice level);

    // The caption of the frame: "Rufton -> Funk".
    std::string Frame() const;
    FixedDecimal& Level() { return level_.value; }
    // Leaving the field: five digits, at most "32767".
    void Leave() { level_.value.Normalise(); }
    void Commit(Register& image) const { CommitBindings(image, level_); }

  private:
    LevelChoice choice_;
    Bound<FixedDecimal> level_;
};

}  // namespace orvan
