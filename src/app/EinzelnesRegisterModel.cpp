#include "app/EinzelnesRegisterModel.h"

#include <charconv>

#include "core/TextFunctions.h"
#include "pages/model/ValidationMessages.h"

namespace orvan {

const char* EinzelnesRegisterModel::HelpText() {
    return "Einzelnes Register Lesen/Schreiben:\n\n"
           "Hier kann gezielt ein EEPROM-Register im Orvan 2a verändert\n"
           "werden. Diese Funktion ist hauptsächlich für Sondersoftware gedacht\n"
           "oder wenn eine aktuelle Softwareversion neue Funktionen enthält, die\n"
           "durch die Programmiersoftware noch nicht unterstützt werden.\n"
           "\nACHTUNG: Ändern Sie nur Registerstellen, deren Funktion Sie genau\n"
           "kennen. Sonst können Fehlfunktionen des Orvan 2a die Folge sein.\n";
}

EinzelnesRegisterModel::EinzelnesRegisterModel(Register& image)
    : image_(image), content_(image.Value(0)) {}

std::string EinzelnesRegisterModel::TakeFields(std::string_view numberText,
                                               std::string_view contentText) {
    numberMissing_ = false;
    content_ = std::string(contentText);  // the field holds at most kContentLimit characters

    int number = 0;
    const char* end = numberText.data() + numberText.size();
    const auto [stop, error] = std::from_chars(numberText.data(), end, number);
    if (numberText.empty() || error != std::errc() || stop != end) {
        numberMissing_ = true;
        return WholeNumberMessage();
    }
    number_ = number;
    if (!NumberInRange()) {
        return NumberRangeMessage(0, kRegisterCount - 1);
    }
    return {};
}

void EinzelnesRegisterModel::Read() {
    if (!NumberInRange())
        number_ = 0;
    content_ = image_.Value(number_);
}

EinzelnesRegisterModel::WriteResult EinzelnesRegisterModel::Write() {
    content_ = ToUpperAscii(content_);
    if (!IsHexText(content_))
        return WriteResult::NotHex;
    content_ = PadRightZeros(content_, kContentLimit);
    if (!NumberInRange()) {
        number_ = 0;
        return WriteResult::NothingWritten;
    }
    // Without a number in the field the user named no register: keep the image as it is.
    if (numberMissing_)
        return WriteResult::NothingWritten;
    image_.SetValue(number_, content_);
    image_.changed = true;
    return WriteResult::Written;
}

}  // namespace orvan
