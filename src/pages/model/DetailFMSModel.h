#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "pages/model/ChoiceCode.h"
#include "pages/model/HelpText.h"

namespace orvan {

// The fields of an FMS text, ten hexadecimal characters: organisation (char 0), state (1),
// location (2-3), vehicle (4-7), status or instruction number (8) and the flags digit (9),
// 4 x TKI + 2 x instruction + equipment level. Edits a text of the key functions page, never a
// register.
class DetailFMSModel {
  public:
    static constexpr std::string_view kTitle = "Detail FMS";
    static constexpr std::size_t kLength = 10;
    static constexpr std::size_t kLocationLength = 2;
    static constexpr std::size_t kVehicleLength = 4;

    // A text shorter than ten characters reads as if filled with "0".
    explicit DetailFMSModel(std::string_view text);

    // "6: Feuerwehr" for "6"; a character that is no code shows no entry.
    ChoiceCode& Organisation() { return organisation_; }
    // "A: Rheinland-Pfalz" for "A".
    ChoiceCode& State() { return state_; }
    // "0" to "F".
    ChoiceCode& Status() { return status_; }
    // "TKI 1", "TKI2", "TKI3", "TKI4".
    ChoiceCode& Tki() { return tki_; }
    // "Status" (vehicle to control room) or "Anweisung" (control room to vehicle).
    ChoiceCode& Direction() { return direction_; }
    // "Baustufe 1" or "Baustufe 2".
    ChoiceCode& Level() { return level_; }

    const std::string& Location() const { return location_; }
    const std::string& Vehicle() const { return vehicle_; }
    void SetLocation(std::string text) { location_ = std::move(text); }
    void SetVehicle(std::string text) { vehicle_ = std::move(text); }

    // OK: the fields back into the caller's text, location and vehicle filled with "0" on the
    // left. Nothing is checked here; the key functions page checks the whole text on its OK.
    void Apply(std::string& text) const;

    static HelpText Help();
    // An FMS text in words: "6: Feuerwehr, A: Rheinland-Pfalz, Ort 12, Fahrzeug 3456,
    // Status 7, TKI4, Baustufe 1"; empty for a text that is no hexadecimal FMS text.
    static std::string Describe(std::string_view text);

  private:
    // The caller's text filled to ten characters.
    struct Padded {
        std::string text;
        int Flags() const;
    };
    explicit DetailFMSModel(const Padded& padded);

    ChoiceCode organisation_;
    ChoiceCode state_;
    std::string location_;
    std::string vehicle_;
    ChoiceCode status_;
    ChoiceCode tki_;
    ChoiceCode direction_;
    ChoiceCode level_;
};

}  // namespace orvan
