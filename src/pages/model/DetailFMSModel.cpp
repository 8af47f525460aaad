#include "pages/model/DetailFMSModel.h"

#include "core/TextFunctions.h"

namespace orvan {

namespace {

constexpr ChoiceOption kOrganisationOptions[] = {
    {'0', "0:"},
    {'1', "1: Polizei (Länder)"},
    {'2', "2: Bundespolizei"},
    {'3', "3: Bundeskriminalamt"},
    {'4', "4: Katastrophenschutz"},
    {'5', "5: Zoll"},
    {'6', "6: Feuerwehr"},
    {'7', "7: Technisches Hilfswerk"},
    {'8', "8: Arbeiter-Samariter-Bund"},
    {'9', "9: Deutsches Rotes Kreuz"},
    {'A', "A: Johanniter-Unfall-Hilfe"},
    {'B', "B: Malteser-Hilfsdienst"},
    {'C', "C: Deutsche Lebensrettungsgesellschaft"},
    {'D', "D: Rettungsdienst"},
    {'E', "E: Zivilschutz (Warndienst)"},
    {'F', "F: Fernwirktelegramme"},
};
constexpr ChoiceOption kStateOptions[] = {
    {'0', "0: Sachsen"},
    {'1', "1: Bund"},
    {'2', "2: Baden-Württemberg"},
    {'3', "3: Bayern 1"},
    {'4', "4: Berlin"},
    {'5', "5: Bremen"},
    {'6', "6: Hamburg"},
    {'7', "7: Hessen"},
    {'8', "8: Niedersachsen"},
    {'9', "9: Nordrhein-Westfalen"},
    {'A', "A: Rheinland-Pfalz"},
    {'B', "B: Schleswig-Holstein"},
    {'C', "C: Saarland"},
    {'D', "D: Bayern 2"},
    {'E', "E: Mecklenburg-Vorpommern/Sachsen-Anhalt"},
    {'F', "F: Brandenburg/Thüringen"},
};
constexpr ChoiceOption kStatusOptions[] = {
    {'0', "0"}, {'1', "1"}, {'2', "2"}, {'3', "3"}, {'4', "4"}, {'5', "5"}, {'6', "6"}, {'7', "7"},
    {'8', "8"}, {'9', "9"}, {'A', "A"}, {'B', "B"}, {'C', "C"}, {'D', "D"}, {'E', "E"}, {'F', "F"},
};
// The flags digit's parts; their codes are the parts' values.
constexpr ChoiceOption kTkiOptions[] = {
    {'0', "TKI 1"}, {'1', "TKI2"}, {'2', "TKI3"}, {'3', "TKI4"}};
constexpr ChoiceOption kDirectionOptions[] = {{'0', "Status"}, {'1', "Anweisung"}};
constexpr ChoiceOption kLevelOptions[] = {{'0', "Baustufe 1"}, {'1', "Baustufe 2"}};

constexpr ChoiceTable kOrganisations{kOrganisationOptions, std::nullopt};
constexpr ChoiceTable kStates{kStateOptions, std::nullopt};
constexpr ChoiceTable kStatuses{kStatusOptions, std::nullopt};
constexpr ChoiceTable kTkis{kTkiOptions, std::nullopt};
constexpr ChoiceTable kDirections{kDirectionOptions, std::nullopt};
constexpr ChoiceTable kLevels{kLevelOptions, std::nullopt};

constexpr std::size_t kLocationAt = 2;
constexpr std::size_t kVehicleAt = 4;
constexpr std::size_t kStatusAt = 8;
constexpr std::size_t kFlagsAt = 9;

char Digit(int value) {
    return static_cast<char>('0' + value);
}

int Value(const ChoiceCode& part) {
    return part.Code() - '0';
}

// Filled with "0" on the left to width; a longer text keeps its first characters.
std::string LeftFilled(std::string_view text, std::size_t width) {
    return PadLeftZeros(text, width).substr(0, width);
}

}  // namespace

DetailFMSModel::DetailFMSModel(std::string_view text)
    : DetailFMSModel(Padded{PadRightZeros(text, kLength)}) {}

DetailFMSModel::DetailFMSModel(const Padded& padded)
    : organisation_(padded.text[0], kOrganisations),
      state_(padded.text[1], kStates),
      location_(padded.text.substr(kLocationAt, kLocationLength)),
      vehicle_(padded.text.substr(kVehicleAt, kVehicleLength)),
      status_(padded.text[kStatusAt], kStatuses),
      tki_(Digit(padded.Flags() / 4), kTkis),
      direction_(Digit(padded.Flags() / 2 % 2), kDirections),
      level_(Digit(padded.Flags() % 2), kLevels) {}

int DetailFMSModel::Padded::Flags() const {
    return HexDigitValue(text[kFlagsAt]);
}

void DetailFMSModel::Apply(std::string& text) const {
    text = PadRightZeros(text, kLength);
    text[0] = organisation_.Code();
    text[1] = state_.Code();
    text.replace(kLocationAt, kLocationLength, LeftFilled(location_, kLocationLength));
    text.replace(kVehicleAt, kVehicleLength, LeftFilled(vehicle_, kVehicleLength));
    text[kStatusAt] = status_.Code();
    text[kFlagsAt] = HexDigitChar(4 * Value(tki_) + 2 * Value(direction_) + Value(level_));
}

std::string DetailFMSModel::Describe(std::string_view text) {
    if (text.size() != kLength || !IsHexText(text))
        return {};
    const DetailFMSModel fields(text);
    return std::string(fields.organisation_.ShownText()) + ", " +
           std::string(fields.state_.ShownText()) + ", Ort " + fields.location_ + ", Fahrzeug " +
           fields.vehicle_ + ", " + std::string(fields.direction_.ShownText()) + " " +
           fields.status_.Stored() + ", " + std::string(fields.tki_.ShownText()) + ", " +
           std::string(fields.level_.ShownText());
}

HelpText DetailFMSModel::Help() {
    return {"", MessageIcon::None,
            "BOS-Kennung:\n"
            "Hier wird die 1. Stelle des FMS-Telegrammes (0-F) eingestellt.\n\n"
            "Landes-Kennung:\n"
            "Hier wird die 2. Stelle des FMS-Telegrammes (0-F) eingestellt.\n\n"
            "Ortskennung:\n"
            "Hier werden die 3. und 4. Stelle des FMS-Telegrammes (00-FF) eingestellt.\n\n"
            "Fahrzeugkennung:\n"
            "Hier werden die 5. bis 8. Stelle des FMS-Telegrammes (0000-FFFF) eingestellt.\n\n"
            "Status oder Anweisung:\n"
            "Hier wird die 9. Stelle des FMS-Telegrammes (0-F) eingestellt. Zusätzlich wird\n"
            "eingestellt, ob es sich um ein Statustelegramm (vom Fahrzeug zur Leitstelle) oder\n"
            "um ein Anweisungstelegramm (von der Leitstelle zum Fahrzeug) handelt.\n"
            "Handelt es sich um ein PTT-Tastenkennungstelegramm, dann ist hier Status F "
            "einzustellen.\n\n"
            "TKI 1-4:\n"
            "Hier kann eine der 4 möglichen TKI (Taktische Kurz Information) ausgewählt werden.\n"
            "Diese Einstellung wird selten verwendet und ist daher meistens egal.\n\n"
            "Baustufe:\n"
            "Hier wird die FMS Baustufe des Fahrzeugs ausgewählt. Baustufe 1 bedeutet, daß das\n"
            "Fahrzeug nur einen FMS-Geber hat, aber keinen FMS-Auswerter. Bei Baustufe 2 hat das\n"
            "Fahrzeug sowohl einen FMS-Geber, als auch einen FMS-Auswerter. "
            "Anweisungstelegramme\n"
            "werden immer mit Baustufe 2 gesendet.\n"
            "Hier beim Orvan 2a sollte Baustufe 1 für ein Statustelegramm und Baustufe 2 für\n"
            "ein Anweisungstelegramm gewählt werden.\n\n"};
}

}  // namespace orvan
