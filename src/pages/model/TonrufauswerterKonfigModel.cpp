#include "pages/model/TonrufauswerterKonfigModel.h"

#include <string>

#include "pages/model/Words.h"

namespace orvan {

namespace {

constexpr int kFirstLengthRegister = 83;
constexpr std::size_t kMinimumIndex = 4;
constexpr std::size_t kMaximumIndex = 6;
constexpr Position kLevelAt{89, 3};

constexpr std::string_view kAtMinimum = "00";

constexpr DecimalRule kMinimumRules[] = {PadLeft{}, Replace{"00", "10"}};
constexpr DecimalFormat kMinimumFormat{2, kMinimumRules, "* 100 ms"};
constexpr DecimalRule kMaximumRules[] = {PadLeft{}};
constexpr DecimalFormat kMaximumFormat{2, kMaximumRules, "* 100 ms"};
constexpr DecimalRule kLevelRules[] = {PadLeft{}, Cap{32767, "00128"}};
constexpr DecimalFormat kLevelFormat{5, kLevelRules};

constexpr std::string_view kMinimumLabel = "min. Tonlänge:";
constexpr std::string_view kMaximumLabel = "max. Tonlänge:";
constexpr std::string_view kLevelGroup = "Min. Pegel für Tonerkennung";

int LengthRegister(std::size_t circuit) {
    return kFirstLengthRegister + static_cast<int>(circuit);
}

// A length of this page's circuit moved to another circuit's register under that circuit's
// name.
Bound<FixedDecimal> ForCircuit(Bound<FixedDecimal> length, std::size_t circuit,
                               std::string_view label) {
    length.at.reg = LengthRegister(circuit);
    length.name = SettingName({CircuitTitle(circuit), label});
    return length;
}

}  // namespace

TonrufauswerterKonfigModel::TonrufauswerterKonfigModel(const Register& image, std::size_t circuit)
    : circuit_(circuit),
      minimum_(BindDecimal(image, {LengthRegister(circuit), kMinimumIndex}, kMinimumFormat,
                           SettingName({CircuitTitle(circuit), kMinimumLabel}))),
      maximum_(BindDecimal(image, {LengthRegister(circuit), kMaximumIndex}, kMaximumFormat,
                           SettingName({CircuitTitle(circuit), kMaximumLabel}))),
      level_(BindDecimal(image, kLevelAt, kLevelFormat, SettingName({kLevelGroup}))),
      evaluatesAtMinimum_(maximum_.value.Text() == kAtMinimum) {}

void TonrufauswerterKonfigModel::EvaluateAtMinimum() {
    evaluatesAtMinimum_ = true;
    Maximum().SetText(std::string(kAtMinimum));
}

void TonrufauswerterKonfigModel::LeaveMinimum() {
    Minimum().Normalise();
    if (Minimum().Value() >= Maximum().Value())
        EvaluateAtMinimum();
}

void TonrufauswerterKonfigModel::LeaveMaximum() {
    Maximum().Normalise();
    if (Maximum().Value() <= Minimum().Value())
        EvaluateAtMinimum();
}

void TonrufauswerterKonfigModel::LeaveLevel() {
    Level().Normalise();
}

void TonrufauswerterKonfigModel::Normalise() {
    LeaveMinimum();
    LeaveMaximum();
    LeaveLevel();
}

std::vector<Bound<FixedDecimal>> TonrufauswerterKonfigModel::LengthTargets() const {
    if (!allCircuits_)
        return {minimum_, maximum_};
    std::vector<Bound<FixedDecimal>> targets;
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        targets.push_back(ForCircuit(minimum_, circuit, kMinimumLabel));
        targets.push_back(ForCircuit(maximum_, circuit, kMaximumLabel));
    }
    return targets;
}

void TonrufauswerterKonfigModel::Commit(Register& image) const {
    TonrufauswerterKonfigModel normal = *this;
    normal.Normalise();
    CommitBindings(image, normal.LengthTargets(), normal.level_);
}

std::vector<NamedSetting> TonrufauswerterKonfigModel::Settings() const {
    return ListSettings(kTitle, LengthTargets(), level_);
}

std::vector<NamedSetting> TonrufauswerterKonfigModel::ImageSettings(const Register& image) {
    std::vector<NamedSetting> settings;
    for (std::size_t circuit = 0; circuit < kCircuitCount; ++circuit) {
        const TonrufauswerterKonfigModel page(image, circuit);
        const std::vector<NamedSetting> lengths =
            ListSettings(kTitle, page.minimum_, page.maximum_);
        settings.insert(settings.end(), lengths.begin(), lengths.end());
    }
    settings.push_back(ListSettings(kTitle, TonrufauswerterKonfigModel(image, 0).level_).front());
    return settings;
}

}  // namespace orvan
