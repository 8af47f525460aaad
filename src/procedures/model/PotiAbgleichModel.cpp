#include "procedures/model/PotiAbgleichModel.h"

#include <thread>
#include <utility>

#include "procedures/model/ProcedureTexts.h"

namespace orvan {

namespace {

constexpr int kEmptyReadLimit = 10;
constexpr std::size_t kInputDisplayLength = 100;
constexpr std::size_t kOtherDisplayLength = 15;
constexpr int kBytesAfterKeys = 7;
constexpr const char* kChosenEnd = "Ende";
constexpr const char* kKeysLine = "Tasten:";
constexpr const char* kMissingInputSetting = "XXXXX";
constexpr const char* kMissingOtherSetting = "XXX";

char KeyCharacter(PotiKey key) {
    switch (key) {
        case PotiKey::CoarseUp:
            return '*';
        case PotiKey::CoarseDown:
            return '_';
        case PotiKey::FineUp:
            return '+';
        case PotiKey::FineDown:
            return '-';
        case PotiKey::Default:
            return 'd';
        case PotiKey::Auto:
            return 'a';
        case PotiKey::Store:
            return 'p';
        case PotiKey::Transmitter:
            return 't';
        case PotiKey::Tone:
            return 'i';
    }
    return 'd';
}

}  // namespace

PotiAbgleichModel::PotiAbgleichModel(Register& image, std::string portPath, const Timing& timing)
    : image_(image), portPath_(std::move(portPath)), timing_(timing) {}

const std::array<const char*, PotiAbgleichModel::kPotiCount>& PotiAbgleichModel::Entries() {
    static const std::array<const char*, kPotiCount> entries = {
        "Eingang Kreis 1",     "Eingang Kreis 2",          "Eingang Kreis 3",
        "Eingang Kreis 4",     "Ausgang zum Funk",         "Ausgang zum Tonband",
        "Ausgang zum Headset", "Verstärkung Headsetmikro", "Verstärkung Schwanenhalsmikro"};
    return entries;
}

HelpText PotiAbgleichModel::Help() {
    return {"Hilfe: Potentiometer-Abgleich", MessageIcon::Information,
            "Die Eingangspegel der 4 Funkkreise können im Bereich von -6,0\n"
            "bis +19,5 dB angepasst werden. Über \"Auto-Abgleich\" wird der\n"
            "Eingangspegel selbstständig auf 300 mV eingestellt. Der Abgleich\n"
            "kann aber auch manuell über die \"+\"- und \"-\"-Tasten durchgeführt\n"
            "werden.\n\n"
            "Alle weiteren Potis können manuell von 0 bis 255 eingestellt\n"
            "werden. Über die Schaltfläche \"Default-Wert\" kann das\n"
            "momentan angewählte Poti auf die Werkseinstellung zurückgesetzt\n"
            "werden. Eine neu gewählte Potieinstellung wird erst nach Klick\n"
            "auf \"Speichern\" beibehalten.\n"};
}

void PotiAbgleichModel::Send(const std::string& text) {
    image_.WriteText(text);
}

ProcedureFailure PotiAbgleichModel::Begin() {
    if (!OpenProcedurePort(image_, portPath_)) {
        return ProcedureFailure::OpenFailed;
    }
    Send("xx\n");
    Send("$PROGENDE\r");
    std::this_thread::sleep_for(timing_.procedurePause);
    Send("\r");
    Send("A\r");
    Send("A\r");
    image_.ClosePort();
    return ProcedureFailure::None;
}

bool PotiAbgleichModel::Choose(int n) {
    if (n == selected_ && !stalled_) {
        return false;
    }
    selected_ = n;
    if (n < 1 || n > kPotiCount) {
        selected_ = 0;
        return false;
    }
    polling_ = false;
    functionsEnabled_ = false;
    return true;
}

PotiAbgleichModel::Controls PotiAbgleichModel::ControlsFor() const {
    if (selected_ == 0) {
        return {true, true, true, "±1,0", "±0,1", "Sender an/aus"};
    }
    if (IsInput(selected_)) {
        return {true, false, false, "±1,0", "±0,1", "Sender an/aus"};
    }
    return {false, selected_ != 7, selected_ != 8 && selected_ != 9,
            "±10", "±1",           selected_ == 6 ? "TB-Relais an/aus" : "Sender an/aus"};
}

ProcedureFailure PotiAbgleichModel::Failed(ProcedureFailure failure) {
    if (failure != ProcedureFailure::None) {
        polling_ = false;
        stalled_ = true;
        image_.ClosePort();
    }
    return failure;
}

ProcedureFailure PotiAbgleichModel::RunSelection() {
    stalled_ = false;
    const int n = selected_;
    const std::string digit(1, static_cast<char>('0' + n));
    ProcedureFailure failure = ProcedureFailure::None;
    if (!OpenProcedurePort(image_, portPath_)) {
        functionsEnabled_ = true;
        return Failed(ProcedureFailure::OpenFailed);
    }
    Send("\r");
    Send("A\r");
    Send(digit);
    Send("\rx");
    std::this_thread::sleep_for(timing_.procedurePause);
    UnitText unit(image_, timing_);
    std::string text;
    int empty = 0;
    while (text.find(kChosenEnd) == std::string::npos && empty < kEmptyReadLimit && !unit.Over()) {
        if (const auto byte = unit.Read()) {
            text += *byte;
        } else {
            ++empty;
        }
    }
    // Without "Ende" the unit has not taken the choice, whatever else it sent.
    if (text.find(kChosenEnd) == std::string::npos) {
        failure = unit.Failure();
    }
    Send("\r");
    Send(digit);
    Send("\r");
    functionsEnabled_ = true;
    if (IsInput(n)) {
        polling_ = true;
    } else {
        const ProcedureFailure start = ReadStartValue();
        if (failure == ProcedureFailure::None) {
            failure = start;
        }
    }
    return Failed(failure);
}

ProcedureFailure PotiAbgleichModel::ReadStartValue() {
    std::this_thread::sleep_for(timing_.procedurePause);
    if (!OpenProcedurePort(image_, portPath_)) {
        return ProcedureFailure::OpenFailed;
    }
    UnitText unit(image_, timing_);
    std::string text;
    int empty = 0;
    while (text.find(kKeysLine) == std::string::npos && empty < kEmptyReadLimit && !unit.Over()) {
        if (const auto byte = unit.Read()) {
            text += *byte;
        } else {
            ++empty;
        }
    }
    empty = 0;
    for (int more = 0; more < kBytesAfterKeys && empty < kEmptyReadLimit && !unit.Over();) {
        if (const auto byte = unit.Read()) {
            text += *byte;
            ++more;
        } else {
            ++empty;
        }
    }
    setting_ = orvan::ReadStartValue(text).value_or(kMissingOtherSetting);
    image_.ClosePort();
    return text.find(kKeysLine) == std::string::npos ? unit.Failure() : ProcedureFailure::None;
}

ProcedureFailure PotiAbgleichModel::Reopen() {
    image_.ClosePort();
    return OpenProcedurePort(image_, portPath_) ? ProcedureFailure::None
                                                : ProcedureFailure::OpenFailed;
}

ProcedureFailure PotiAbgleichModel::Press(PotiKey key) {
    const std::string command(1, KeyCharacter(key));
    if (key == PotiKey::Transmitter || key == PotiKey::Tone) {
        if (!OpenProcedurePort(image_, portPath_)) {
            return Failed(ProcedureFailure::OpenFailed);
        }
        Send(command);
        return ProcedureFailure::None;
    }
    if (const ProcedureFailure failure = Reopen(); failure != ProcedureFailure::None) {
        return Failed(failure);
    }
    Send(command);
    if (key == PotiKey::Store) {
        functionsEnabled_ = false;
        std::this_thread::sleep_for(timing_.procedurePause);
        const int shown = selected_;
        selected_ = 0;
        Choose(shown);
        return RunSelection();
    }
    return Failed(ReadDisplay());
}

ProcedureFailure PotiAbgleichModel::ReadDisplay() {
    polling_ = false;
    const bool input = IsInput(selected_);
    const std::size_t length = input ? kInputDisplayLength : kOtherDisplayLength;
    UnitText unit(image_, timing_);
    std::string text;
    int empty = 0;
    while (text.size() <= length && empty < kEmptyReadLimit && !unit.Over()) {
        if (const auto byte = unit.Read()) {
            text += *byte;
        } else {
            ++empty;
        }
    }
    const PotiReading reading = ReadPotiDisplay(text, input);
    setting_ = reading.setting.value_or(input ? kMissingInputSetting : kMissingOtherSetting);
    if (reading.level) {
        level_ = *reading.level;
    }
    if (text.empty() || unit.Over()) {
        return unit.Failure();
    }
    polling_ = true;
    return ProcedureFailure::None;
}

bool PotiAbgleichModel::PollDue() const {
    return polling_ && IsInput(selected_);
}

ProcedureFailure PotiAbgleichModel::Poll() {
    polling_ = false;
    if (const ProcedureFailure failure = Reopen(); failure != ProcedureFailure::None) {
        return Failed(failure);
    }
    const ProcedureFailure failure = ReadDisplay();
    image_.ClosePort();
    return Failed(failure);
}

}  // namespace orvan
