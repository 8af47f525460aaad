#pragma once

#include <array>
#include <chrono>
#include <string>

namespace orvan::sim {

// How the text mode misbehaves, for testing the live procedures.
enum class TextFault {
    None,
    Silent,       // obeys every key, answers nothing, streams nothing
    Flood,        // from the first answer on, an endless run of digits without any key word
    StreamStops,  // falls silent for good after streamLimit status reports
    Dots,         // from the first answer on, a row of dots that never ends
};

// The unit's interactive service mode: menus and prompts as plain ASCII text, reached by "\r"
// outside programming mode. Free of I/O: keys in, text out; the status streams come out at the
// line's byte rate through Stream().
//
//   "\r"                     service menu: "A" potentiometers, "H" headset, "xxx" leave
//   "A\r", then "1".."9\r"   adjust that potentiometer: a header with "Startwert: " and the
//                            setting, then "Tasten:" and the keys; inputs 1-4 stream reports
//                            "aktuell: +01.5 dB  Pegel: 300 mV", the others answer each key
//                            with "aktuell: 128"
//   "+" "-" / "*" "_"        0.1 / 1.0 dB for inputs (-6.0..+19.5), 1 / 10 for others (0..255)
//   "d" "a" "p"              factory value, inputs to 300 mV, store
//   "t" "i"                  transmitter (tape relay for 6) and 1000 Hz tone of 5-9 on/off
//   "x"                      leave the potentiometer ("Ende ..."); its unstored setting is lost
//   "H\r", then any key      headset calibration prompt, then a stream of "Headset
//                            angeschlossen" / "kein Headset angeschlossen"; "p" stores
//   "xxx\r" (any run of x)   leaves the service mode from a menu
// A status report carries no "a" but the one of "aktuell:", so a report can be cut at its "a".
class TextMode {
  public:
    using Clock = std::chrono::steady_clock;
    static constexpr int kPotiCount = 9;
    // One byte at 9600 baud 8N1.
    static constexpr std::chrono::nanoseconds kByteTime{1'041'667};

    TextMode(TextFault fault, int streamLimit, bool headsetPlugged);

    // A byte outside a programming command; returns the answer.
    std::string Key(char key);
    // Stream bytes due by now (status reports, or a fault's endless output).
    std::string Stream(Clock::time_point now);
    // Programming mode starts: the service mode ends, unstored settings are lost.
    void Leave();

    bool Active() const { return menu_ != Menu::Off; }
    // Potentiometer n (1..9): inputs in tenths of a dB, the others 0..255.
    int Setting(int n) const { return live_.at(n - 1); }
    int StoredSetting(int n) const { return stored_.at(n - 1); }
    static int FactorySetting(int n);
    // The text a report shows for potentiometer n: "+01.5" for inputs, "128" for the others.
    std::string SettingText(int n) const;
    // The level an input reads at its current setting, in mV.
    int Level(int n) const;
    bool Transmitter() const { return transmitter_; }
    bool Tone() const { return tone_; }
    void SetHeadsetPlugged(bool plugged) { headsetPlugged_ = plugged; }
    bool HeadsetPlugged() const { return headsetPlugged_; }
    int HeadsetCalibrationsStored() const { return calibrationsStored_; }
    // Whether the headset was plugged in when the stored calibration was taken.
    bool CalibratedPlugged() const { return calibratedPlugged_; }

  private:
    enum class Menu { Off, Main, Potis, Adjust, HeadsetPrompt, Headset };

    std::string Line(bool carriageReturn);
    std::string AdjustKey(char key);
    std::string HeadsetKey(char key);
    std::string EnterPoti(int n);
    std::string LeavePoti();
    std::string OtherReport() const;
    std::string NextReport();
    std::string Answer(std::string text);
    void Step(int n, int delta);

    TextFault fault_;
    int streamLimit_;
    Menu menu_ = Menu::Off;
    std::string line_;
    int poti_ = 0;
    std::array<int, kPotiCount> live_{};
    std::array<int, kPotiCount> stored_{};
    bool transmitter_ = false;
    bool tone_ = false;
    bool headsetPlugged_;
    bool pendingPlugged_ = false;  // measured at the key press, stored by "p"
    bool calibratedPlugged_ = false;
    int calibrationsStored_ = 0;
    bool endless_ = false;  // Flood or Dots has begun
    bool fallenSilent_ = false;
    int reports_ = 0;
    std::string report_;  // the report being streamed
    std::size_t reportAt_ = 0;
    std::size_t endlessAt_ = 0;
    Clock::time_point nextByte_{};
    bool streaming_ = false;
};

}  // namespace orvan::sim
