#include "sim/TextMode.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orvan::sim {

namespace {

constexpr int kInputCount = 4;
constexpr int kInputMin = -60;  // tenths of a dB
constexpr int kInputMax = 195;
constexpr int kOtherMax = 255;
constexpr int kTargetLevel = 300;  // mV, what "a" adjusts an input to
constexpr int kMaxLevel = 999;
constexpr std::size_t kMaxLine = 16;
// At most this many bytes catch up at once after the host thread was held up; a real line
// cannot burst, so older ones are dropped.
constexpr int kMaxBacklog = 16;

// The setting at which each input's simulated signal reads exactly 300 mV.
constexpr std::array<int, kInputCount> kInputTarget = {60, 35, 92, -20};
constexpr std::array<int, TextMode::kPotiCount> kFactory = {0, 0, 0, 0, 160, 128, 140, 96, 112};
constexpr std::array<const char*, TextMode::kPotiCount> kPotiNames = {
    "Eingang Kreis 1",     "Eingang Kreis 2",           "Eingang Kreis 3",
    "Eingang Kreis 4",     "Ausgang zum Funk",          "Ausgang zum Tonband",
    "Ausgang zum Headset", "Verstaerkung Headsetmikro", "Verstaerkung Schwanenhalsmikro"};

constexpr const char* kMainMenu =
    "\r\nServicemenue\r\n"
    "  A    Abgleich der Potentiometer\r\n"
    "  H    Headset-Kalibrierung\r\n"
    "  xxx  Servicemodus verlassen\r\n"
    "Auswahl: ";
constexpr const char* kHeadsetPrompt =
    "\r\nHeadset-Kalibrierung\r\n"
    "Verbinden oder trennen Sie jetzt das Headset.\r\n"
    "Druecken Sie danach bitte eine Taste.\r\n";
constexpr const char* kFloodDigits = "0123456789";

bool IsInput(int n) {
    return n >= 1 && n <= kInputCount;
}

double ExactLevel(int input, int tenths) {
    const double signal = kTargetLevel / std::pow(10.0, kInputTarget.at(input - 1) / 200.0);
    return signal * std::pow(10.0, tenths / 200.0);
}

std::string PotiMenu() {
    std::string menu = "\r\nPotentiometer-Abgleich\r\n";
    for (int n = 1; n <= TextMode::kPotiCount; ++n) {
        menu += "  " + std::to_string(n) + "  " + kPotiNames.at(n - 1) + "\r\n";
    }
    return menu + "Poti (1-9): ";
}

}  // namespace

TextMode::TextMode(TextFault fault, int streamLimit, bool headsetPlugged)
    : fault_(fault), streamLimit_(streamLimit), headsetPlugged_(headsetPlugged) {
    live_ = kFactory;
    stored_ = kFactory;
}

int TextMode::FactorySetting(int n) {
    return kFactory.at(n - 1);
}

std::string TextMode::SettingText(int n) const {
    const int value = Setting(n);
    char text[16];
    if (IsInput(n)) {
        std::snprintf(text, sizeof text, "%c%02d.%d", value < 0 ? '-' : '+', std::abs(value) / 10,
                      std::abs(value) % 10);
    } else {
        std::snprintf(text, sizeof text, "%03d", value);
    }
    return text;
}

int TextMode::Level(int n) const {
    return std::min(kMaxLevel, static_cast<int>(std::lround(ExactLevel(n, Setting(n)))));
}

std::string TextMode::Key(char key) {
    switch (menu_) {
        case Menu::Adjust:
            return AdjustKey(key);
        case Menu::Headset:
            return HeadsetKey(key);
        case Menu::HeadsetPrompt:
            if (key == 'x') {
                menu_ = Menu::Main;
                return Answer(std::string("\r\nAbbruch\r\n") + kMainMenu);
            }
            if (key == '\r') {
                return Answer(kHeadsetPrompt);
            }
            if (key == 'H' || key == '\n' || key == '\0') {
                return {};
            }
            // The technician has connected or disconnected the headset: measure.
            menu_ = Menu::Headset;
            pendingPlugged_ = headsetPlugged_;
            report_.clear();
            return Answer("Messung abgeschlossen.\r\n");
        case Menu::Off:
        case Menu::Main:
        case Menu::Potis:
            break;
    }
    if (key == '\r' || key == '\n') {
        return Line(key == '\r');
    }
    if (key >= 0x20 && key < 0x7F && line_.size() < kMaxLine) {
        line_ += key;
    }
    return {};
}

std::string TextMode::Line(bool carriageReturn) {
    const std::string line = std::move(line_);
    line_.clear();
    if (line.empty() && !carriageReturn) {
        return {};
    }
    const bool leave = !line.empty() && line.find_first_not_of('x') == std::string::npos;
    switch (menu_) {
        case Menu::Off:
            if (!line.empty()) {
                return {};
            }
            menu_ = Menu::Main;
            return Answer(kMainMenu);
        case Menu::Main:
            if (leave) {
                menu_ = Menu::Off;
                return Answer("\r\nServicemodus verlassen\r\n");
            }
            if (line == "A" || line == "a") {
                menu_ = Menu::Potis;
                return Answer(PotiMenu());
            }
            if (line == "H" || line == "h") {
                menu_ = Menu::HeadsetPrompt;
                return Answer(kHeadsetPrompt);
            }
            return Answer(line.empty() ? kMainMenu : std::string("\r\n?\r\n") + kMainMenu);
        case Menu::Potis:
            if (leave) {
                menu_ = Menu::Off;
                return Answer("\r\nServicemodus verlassen\r\n");
            }
            if (line.size() == 1 && line[0] >= '1' && line[0] <= '9') {
                return EnterPoti(line[0] - '0');
            }
            return Answer(line.empty() ? PotiMenu() : "\r\n?\r\n" + PotiMenu());
        default:
            return {};
    }
}

std::string TextMode::EnterPoti(int n) {
    poti_ = n;
    menu_ = Menu::Adjust;
    report_.clear();
    return Answer("\r\nPoti " + std::to_string(n) + ": " + kPotiNames.at(n - 1) +
                  "\r\nStartwert: " + SettingText(n) + "\r\nTasten: + - * _ d " +
                  (IsInput(n) ? "a p x" : "p t i x") + "\r\n");
}

std::string TextMode::LeavePoti() {
    live_.at(poti_ - 1) = stored_.at(poti_ - 1);
    transmitter_ = false;
    tone_ = false;
    menu_ = Menu::Potis;
    report_.clear();
    return Answer("\r\nEnde Poti " + std::to_string(poti_) + "\r\n" + PotiMenu());
}

void TextMode::Step(int n, int delta) {
    int& value = live_.at(n - 1);
    value = IsInput(n) ? std::clamp(value + delta, kInputMin, kInputMax)
                       : std::clamp(value + delta, 0, kOtherMax);
}

std::string TextMode::AdjustKey(char key) {
    const int n = poti_;
    const bool input = IsInput(n);
    const int fine = 1;
    const int coarse = 10;
    switch (key) {
        case '+':
            Step(n, fine);
            break;
        case '-':
            Step(n, -fine);
            break;
        case '*':
            Step(n, coarse);
            break;
        case '_':
            Step(n, -coarse);
            break;
        case 'd':
            live_.at(n - 1) = kFactory.at(n - 1);
            break;
        case 'a': {
            if (!input) {
                return {};
            }
            int best = kInputMin;
            for (int tenths = kInputMin; tenths <= kInputMax; ++tenths) {
                if (std::abs(ExactLevel(n, tenths) - kTargetLevel) <
                    std::abs(ExactLevel(n, best) - kTargetLevel)) {
                    best = tenths;
                }
            }
            live_.at(n - 1) = best;
            break;
        }
        case 'p':
            stored_.at(n - 1) = live_.at(n - 1);
            return input ? std::string() : Answer("Wert gespeichert\r\n");
        case 't':
            if (input) {
                return {};
            }
            transmitter_ = !transmitter_;
            return Answer(std::string(n == 6 ? "TB-Relais " : "Sender ") +
                          (transmitter_ ? "ein" : "aus") + "\r\n");
        case 'i':
            if (input) {
                return {};
            }
            tone_ = !tone_;
            return Answer(std::string("Ton 1000 Hz ") + (tone_ ? "ein" : "aus") + "\r\n");
        case 'x':
            return LeavePoti();
        default:
            return {};
    }
    // Inputs show the change in their report stream; the others report once.
    return input ? std::string() : Answer(OtherReport());
}

std::string TextMode::HeadsetKey(char key) {
    if (key == 'p') {
        ++calibrationsStored_;
        calibratedPlugged_ = pendingPlugged_;
        return Answer("Kalibrierung gespeichert\r\n");
    }
    if (key == 'x') {
        menu_ = Menu::Main;
        report_.clear();
        return Answer(std::string("\r\nHeadset-Kalibrierung beendet\r\n") + kMainMenu);
    }
    return {};
}

void TextMode::Leave() {
    if (menu_ == Menu::Adjust) {
        live_.at(poti_ - 1) = stored_.at(poti_ - 1);
    }
    transmitter_ = false;
    tone_ = false;
    menu_ = Menu::Off;
    line_.clear();
    report_.clear();
}

std::string TextMode::OtherReport() const {
    return "aktuell: " + SettingText(poti_) + "\r\n";
}

std::string TextMode::NextReport() {
    if (menu_ == Menu::Headset) {
        return headsetPlugged_ ? "Headset angeschlossen\r\n" : "kein Headset angeschlossen\r\n";
    }
    char level[16];
    std::snprintf(level, sizeof level, "%03d", Level(poti_));
    return "aktuell: " + SettingText(poti_) + " dB  Pegel: " + level + " mV\r\n";
}

std::string TextMode::Answer(std::string text) {
    if (fault_ == TextFault::Silent || fallenSilent_ || endless_) {
        return {};
    }
    if ((fault_ == TextFault::Flood || fault_ == TextFault::Dots) && !text.empty()) {
        endless_ = true;
        return {};
    }
    return text;
}

std::string TextMode::Stream(Clock::time_point now) {
    const bool reporting =
        (menu_ == Menu::Adjust && IsInput(poti_)) || menu_ == Menu::Headset || endless_;
    if (!reporting || fault_ == TextFault::Silent || fallenSilent_) {
        streaming_ = false;
        return {};
    }
    if (!streaming_) {
        streaming_ = true;
        nextByte_ = now;
    }
    if (now - nextByte_ > kMaxBacklog * kByteTime) {
        nextByte_ = now - kMaxBacklog * kByteTime;
    }
    std::string out;
    while (nextByte_ <= now) {
        if (endless_) {
            out += fault_ == TextFault::Dots ? '.' : kFloodDigits[endlessAt_++ % 10];
        } else {
            if (reportAt_ >= report_.size()) {
                if (fault_ == TextFault::StreamStops && reports_ >= streamLimit_) {
                    fallenSilent_ = true;
                    break;
                }
                report_ = NextReport();
                reportAt_ = 0;
                ++reports_;
            }
            out += report_[reportAt_++];
        }
        nextByte_ += kByteTime;
    }
    return out;
}

}  // namespace orvan::sim
