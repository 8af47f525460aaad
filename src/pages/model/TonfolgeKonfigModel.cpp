#include "pages/model/TonfolgeKonfigModel.h"

#include <stdexcept>

namespace orvan {

namespace {

constexpr int kSystemRegister = 81;
constexpr int kTimingRegister = 82;

constexpr ChoiceOption kToneSystemOptions[] = {
    {'1', "CCIR"}, {'3', "EEA"}, {'0', "ZVEI"}, {'2', "ZVEI2"}, {'4', "ZVEI3"}};
constexpr ChoiceTable kToneSystems{kToneSystemOptions, std::nullopt};

// A tone or pause of no length is taken for the standard 70 ms.
constexpr DecimalRule kTwoDigitRules[] = {PadLeft{}, Replace{"00", "07"}};
constexpr DecimalRule kOneDigitRules[] = {PadLeft{}, Replace{"0", "7"}};
constexpr DecimalFormat kTwoDigits{2, kTwoDigitRules, "* 10 ms"};
constexpr DecimalFormat kOneDigit{1, kOneDigitRules, "* 10 ms"};

}  // namespace

TonfolgeKonfigModel::TonfolgeKonfigModel(const Register& image)
    : toneSystem_(BindChoice(image, {kSystemRegister, 4}, kToneSystems, "Tonrufsystem")),
      firstTone_(BindDecimal(image, {kTimingRegister, 0}, kTwoDigits, "Tonlänge erster Ton")),
      laterTones_(BindDecimal(image, {kTimingRegister, 2}, kOneDigit, "Tonlänge ab 2. Ton")),
      pause_(BindDecimal(image, {kTimingRegister, 3}, kTwoDigits, "Pausenlänge")) {}

FixedDecimal& TonfolgeKonfigModel::Length(Field field) {
    switch (field) {
        case Field::FirstTone:
            return firstTone_.value;
        case Field::LaterTones:
            return laterTones_.value;
        case Field::Pause:
            return pause_.value;
    }
    throw std::out_of_range("no such field");
}

void TonfolgeKonfigModel::Commit(Register& image) const {
    CommitBindings(image, Bindings());
}

std::vector<NamedSetting> TonfolgeKonfigModel::Settings() const {
    return ListSettings(kTitle, Bindings());
}

}  // namespace orvan
