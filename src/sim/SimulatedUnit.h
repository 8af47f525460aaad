#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/Register.h"
#include "sim/TextMode.h"

namespace orvan::sim {

enum class Identification {
    Full,            // passes the read and the send check and carries the AF-squelch letter
    NoOptionLetter,  // as Full, without the AF-squelch letter
    OnlyVX22,        // only "VX22": a read accepts it, a send rejects it
    OnlyVexaSpace,   // only "VEXA 2a2": a read accepts it, a send rejects it
    WrongDevice,     // another device's banner
    AtPositionZero,  // the identification stands at the very first byte only
};

enum class Fault {
    None,
    Silent,              // never answers anything
    SilentAfterBanner,   // identifies, then answers nothing
    StopAfterReplies,    // stops answering after faultAfter register replies
    HangUpAfterReplies,  // closes the line after faultAfter register replies
    Garbage,             // answers every command with endless garbage
    CorruptWrite,        // stores a wrong value whenever register faultAfter is written
    StrayLine,           // an end marker left from an earlier transfer comes before the banner
    LostLineFeed,        // register reply number faultAfter (from 0) loses its "\n"
    MissingReply,        // register reply number faultAfter (from 0) never comes
};

struct UnitOptions {
    Identification identification = Identification::Full;
    Fault fault = Fault::None;
    int faultAfter = 0;  // replies before a stop or hang-up; the register a corrupt write hits
    bool pace = false;   // send at the real 9600-baud byte time (about 1.04 ms a byte)
    std::string registerFile;  // start from this register file instead of the factory table
    std::string traceFile;     // timestamped trace of every byte, both directions
    // The service text mode: its fault (Fault::Silent silences it as well), after how many
    // status reports StreamStops strikes, and whether a headset is plugged in at the start.
    TextFault textFault = TextFault::None;
    int streamLimit = 0;
    bool headsetPlugged = false;
    // Called with each complete command (without its "\r") as the unit takes it; on a host's
    // thread, with the host's lock held.
    std::function<void(const std::string&)> commandListener;
};

struct TraceEntry {
    std::chrono::steady_clock::time_point time;
    bool fromUnit;  // false: the PC sent it
    char byte;
};

// The unit's side of the serial line, free of any I/O: bytes in, bytes out.
// A command runs from its "$" to the next "\r"; bytes outside a command are ignored, and so is an
// unfinished command that grows past kMaxCommandLength. The unit answers "$PROGSTART" with its
// banner (one line), "$Rnnn" (nnn 000 to 299) with "$Rnnn", the value padded with "0" or cut to
// eight characters, and "\r\n", and "$PROGENDE" with "ENDE\r\n". "$Pnnn<value>" stores the value
// as it stands; "$P999<anything>" returns to the factory table. Nothing else is answered.
// Bytes outside a command go to the service text mode (TextMode); "$PROGSTART" ends it.
// Faults: Silent and SilentAfterBanner still obey every command and only withhold answers.
// StopAfterReplies and HangUpAfterReplies strike at the first command other than "$PROGSTART"
// that arrives after faultAfter register replies: from then on nothing is answered, and a
// hang-up also ignores that command and everything after it. Garbage starts its endless stream
// (Spontaneous) with the first command and answers nothing else. CorruptWrite stores the value
// written to register faultAfter with its first character changed (a "1" becomes "0", anything
// else "1"), as a garbled byte on the line would; the unit answers as usual.
// Not thread-safe; PtyHost serialises access.
class SimulatedUnit {
  public:
    explicit SimulatedUnit(UnitOptions options = {});

    // Feeds bytes the PC sent; returns what the unit answers to them.
    std::string Receive(std::string_view bytes);
    // Output the unit produces on its own, due by now: garbage, or the text mode's streams.
    std::string Spontaneous(std::chrono::steady_clock::time_point now);
    std::string Spontaneous() { return Spontaneous(std::chrono::steady_clock::now()); }
    bool HungUp() const;

    // The unit's registers (factory table until written).
    std::string RegisterValue(int n) const;
    void SetRegisterValue(int n, std::string value);
    int FactoryResets() const;
    // Commands whose text starts with prefix, e.g. "$R", "$R007", "$PROGSTART". The prefix "$P"
    // alone counts only register writes ("$P" and a digit, the factory reset included), not
    // "$PROGSTART" and "$PROGENDE".
    int CommandsReceived(const std::string& prefix) const;  // e.g. "$P", "$R", "$PROGSTART"
    const UnitOptions& Options() const { return options_; }
    TextMode& Text() { return textMode_; }
    const TextMode& Text() const { return textMode_; }

    static const std::array<const char*, kRegisterCount>& FactoryTable();
    static constexpr std::size_t kMaxCommandLength = 128;

  private:
    std::string Execute(const std::string& command);
    std::string Obey(const std::string& command);
    bool FaultStrikes(const std::string& command) const;
    bool Withheld(const std::string& command) const;
    // The line faults: a stray line, a lost line feed, a missing reply.
    void Disturb(const std::string& command, std::string& answer) const;
    void ResetToFactory();
    static void Corrupt(std::string& value);

    UnitOptions options_;
    std::array<std::string, kRegisterCount> registers_;
    std::map<std::string, int> commandCounts_;  // by command text
    std::string command_;                       // the command being received
    bool inCommand_ = false;
    int factoryResets_ = 0;
    int registerReplies_ = 0;
    bool struck_ = false;  // StopAfterReplies or HangUpAfterReplies has struck
    bool garbage_ = false;
    std::minstd_rand random_;
    TextMode textMode_;
};

// Serves a SimulatedUnit on the master of a pseudo-terminal from a thread of its own.
class PtyHost {
  public:
    explicit PtyHost(UnitOptions options = {});
    ~PtyHost();  // stops the thread, closes the master
    PtyHost(const PtyHost&) = delete;
    PtyHost& operator=(const PtyHost&) = delete;

    // The slave's device path, for the program side to open ("/dev/pts/N").
    const std::string& SlavePath() const;
    // Links the slave as the first free COMn in folder; returns n (removed again by the host).
    int RegisterAsComPort(const std::string& folder);
    // Closes the master as an unplugged adapter would (the slave sees a hang-up).
    void Unplug();

    // Thread-safe views of the unit and of the traffic.
    std::string RegisterValue(int n) const;
    void SetRegisterValue(int n, std::string value);
    int CommandsReceived(const std::string& prefix) const;
    int FactoryResets() const;
    std::vector<TraceEntry> Trace() const;
    std::string ReceivedBytes() const;  // everything the PC sent, in order
    // The text mode's state, read or changed under the host's lock.
    void WithText(const std::function<void(TextMode&)>& action);

  private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace orvan::sim
