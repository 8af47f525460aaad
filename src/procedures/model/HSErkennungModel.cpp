#include "procedures/model/HSErkennungModel.h"

#include <string_view>
#include <thread>
#include <utility>

#include "procedures/model/ProcedureTexts.h"

namespace orvan {

namespace {

constexpr char kNothingYet = '\xFF';
constexpr int kRepeatLimit = 4;
constexpr int kPollBytes = 100;
// The unit may repeat these while it works; only other repeated bytes mean silence.
constexpr std::string_view kBusyBytes = "-.y";

}  // namespace

HSErkennungModel::HSErkennungModel(Register& image, std::string portPath, const Timing& timing)
    : image_(image), portPath_(std::move(portPath)), timing_(timing) {}

ProcedureFailure HSErkennungModel::Begin() {
    if (!OpenProcedurePort(image_, portPath_)) {
        stopped_ = true;
        return ProcedureFailure::OpenFailed;
    }
    image_.WriteText("xx\n");
    image_.WriteText("$PROGENDE\r");
    std::this_thread::sleep_for(timing_.procedurePause);
    image_.WriteText("\r");
    image_.WriteText("H\r");

    // A silent read repeats the previous byte, so silence ends the loop after four reads.
    UnitText unit(image_, timing_);
    std::string text;
    char previous = kNothingYet;
    char current = kNothingYet;
    int repeats = 0;
    bool answered = false;
    while (!unit.Over()) {
        if (const auto byte = unit.Read()) {
            current = *byte;
            answered = true;
        }
        if (current == previous) {
            ++repeats;
        } else {
            previous = current;
            repeats = 0;
        }
        text += current;
        if (repeats >= kRepeatLimit && kBusyBytes.find(current) == std::string_view::npos) {
            break;
        }
    }
    if (text.find(kPrompt) == std::string::npos) {
        image_.WriteText("H\r");
    }
    if (!answered || unit.Over()) {
        stopped_ = true;
        return unit.Failure();
    }
    return ProcedureFailure::None;
}

void HSErkennungModel::Confirm() {
    image_.WriteText(" ");
    image_.ClosePort();
    polling_ = !stopped_;
}

ProcedureFailure HSErkennungModel::Poll() {
    polling_ = false;
    image_.ClosePort();
    if (!OpenProcedurePort(image_, portPath_)) {
        stopped_ = true;
        return ProcedureFailure::OpenFailed;
    }
    UnitText unit(image_, timing_);
    std::string text;
    char previous = kNothingYet;
    char current = kNothingYet;
    int repeats = 0;
    int count = 0;
    while (repeats < kRepeatLimit && count <= kPollBytes && !unit.Over()) {
        if (const auto byte = unit.Read()) {
            current = *byte;
        }
        if (current == previous) {
            std::this_thread::sleep_for(timing_.headsetRepeatPause);
            if (current != ' ') {
                ++repeats;
            }
        } else {
            previous = current;
            repeats = 0;
        }
        text += current;
        ++count;
    }
    if (const auto connected = ReadHeadsetConnected(text)) {
        status_ = *connected ? kConnected : kNotConnected;
    }
    ProcedureFailure failure = ProcedureFailure::None;
    if (unit.Over()) {
        failure = unit.Failure();
    } else if (repeats >= kRepeatLimit) {
        failure = ProcedureFailure::Silent;
    }
    stopped_ = stopped_ || failure != ProcedureFailure::None;
    polling_ = !stopped_;
    image_.ClosePort();
    return failure;
}

}  // namespace orvan
