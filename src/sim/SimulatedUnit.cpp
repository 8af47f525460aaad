#include "sim/SimulatedUnit.h"

#include <cctype>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "sim/Banner.h"
#include "sim/UnitRegisterFile.h"

namespace orvan::sim {

namespace {

constexpr std::string_view kStart = "$PROGSTART";
constexpr std::string_view kEnd = "$PROGENDE";
constexpr std::string_view kEndAnswer = "ENDE\r\n";
constexpr int kFactoryResetNumber = 999;
constexpr std::size_t kGarbageChunk = 64;

void CheckNumber(int n) {
    if (n < 0 || n >= kRegisterCount) {
        throw std::out_of_range("register number out of range: " + std::to_string(n));
    }
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The three digits after a two-letter command head ("$R", "$P"), or -1.
int NumberAfterHead(std::string_view command) {
    if (command.size() < 5 || !IsDigit(command[2]) || !IsDigit(command[3]) ||
        !IsDigit(command[4])) {
        return -1;
    }
    return (command[2] - '0') * 100 + (command[3] - '0') * 10 + (command[4] - '0');
}

bool IsRegisterWrite(std::string_view command) {
    return command.size() > 2 && command.starts_with("$P") && IsDigit(command[2]);
}

bool IsRegisterRead(std::string_view command) {
    return command.size() == 5 && command.starts_with("$R") && NumberAfterHead(command) >= 0;
}

}  // namespace

SimulatedUnit::SimulatedUnit(UnitOptions options)
    : options_(std::move(options)),
      textMode_(options_.fault == Fault::Silent ? TextFault::Silent : options_.textFault,
                options_.streamLimit, options_.headsetPlugged) {
    if (options_.registerFile.empty()) {
        ResetToFactory();
    } else {
        registers_ = LoadUnitRegisters(options_.registerFile);
    }
}

std::string SimulatedUnit::Receive(std::string_view bytes) {
    std::string answer;
    for (char c : bytes) {
        if (HungUp()) {
            break;
        }
        if (!inCommand_) {
            if (c == '$') {
                inCommand_ = true;
                command_ = "$";
            } else {
                answer += textMode_.Key(c);
            }
            continue;
        }
        if (c == '\r') {
            inCommand_ = false;
            answer += Execute(command_);
            continue;
        }
        command_ += c;
        if (command_.size() > kMaxCommandLength) {
            inCommand_ = false;
        }
    }
    return answer;
}

std::string SimulatedUnit::Spontaneous(std::chrono::steady_clock::time_point now) {
    if (!garbage_) {
        return textMode_.Stream(now);
    }
    // Printable bytes without "$" and "V": no identification text, register line or end marker
    // can arise, not even across chunks.
    static constexpr std::string_view kAlphabet =
        " !\"#%&'()*+,-./"
        "0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz"
        "{|}~";
    std::uniform_int_distribution<std::size_t> pick(0, kAlphabet.size() - 1);
    std::string chunk(kGarbageChunk, ' ');
    for (char& c : chunk) {
        c = kAlphabet[pick(random_)];
    }
    return chunk;
}

bool SimulatedUnit::HungUp() const {
    return struck_ && options_.fault == Fault::HangUpAfterReplies;
}

std::string SimulatedUnit::RegisterValue(int n) const {
    CheckNumber(n);
    return registers_[n];
}

void SimulatedUnit::SetRegisterValue(int n, std::string value) {
    CheckNumber(n);
    registers_[n] = std::move(value);
}

int SimulatedUnit::FactoryResets() const {
    return factoryResets_;
}

int SimulatedUnit::CommandsReceived(const std::string& prefix) const {
    const bool writesOnly = prefix == "$P";
    int count = 0;
    for (auto it = commandCounts_.lower_bound(prefix);
         it != commandCounts_.end() && it->first.starts_with(prefix); ++it) {
        if (!writesOnly || IsRegisterWrite(it->first)) {
            count += it->second;
        }
    }
    return count;
}

std::string SimulatedUnit::Execute(const std::string& command) {
    ++commandCounts_[command];
    if (options_.commandListener) {
        options_.commandListener(command);
    }
    if (FaultStrikes(command)) {
        struck_ = true;
    }
    if (HungUp()) {
        return {};
    }
    if (options_.fault == Fault::Garbage) {
        garbage_ = true;
    }
    std::string answer = Obey(command);
    if (Withheld(command)) {
        return {};
    }
    Disturb(command, answer);
    if (IsRegisterRead(command)) {
        ++registerReplies_;
    }
    return answer;
}

void SimulatedUnit::Corrupt(std::string& value) {
    if (value.empty()) {
        value = "1";
    } else {
        value[0] = value[0] == '1' ? '0' : '1';
    }
}

std::string SimulatedUnit::Obey(const std::string& command) {
    if (command == kStart) {
        textMode_.Leave();
        return std::string(Banner(options_.identification));
    }
    if (command == kEnd) {
        return std::string(kEndAnswer);
    }
    if (IsRegisterRead(command)) {
        const int n = NumberAfterHead(command);
        if (n >= kRegisterCount) {
            return {};
        }
        std::string value = registers_[n];
        value.resize(kValueLength, '0');
        return command + value + "\r\n";
    }
    if (command.starts_with("$P")) {
        const int n = NumberAfterHead(command);
        if (n >= 0 && n < kRegisterCount) {
            registers_[n] = command.substr(5);
            if (options_.fault == Fault::CorruptWrite && n == options_.faultAfter) {
                Corrupt(registers_[n]);
            }
        } else if (n == kFactoryResetNumber) {
            ResetToFactory();
            ++factoryResets_;
        }
    }
    return {};
}

bool SimulatedUnit::FaultStrikes(const std::string& command) const {
    const bool counting =
        options_.fault == Fault::StopAfterReplies || options_.fault == Fault::HangUpAfterReplies;
    return counting && !struck_ && command != kStart && registerReplies_ >= options_.faultAfter;
}

bool SimulatedUnit::Withheld(const std::string& command) const {
    switch (options_.fault) {
        case Fault::None:
        case Fault::HangUpAfterReplies:
        case Fault::CorruptWrite:
        case Fault::StrayLine:
        case Fault::LostLineFeed:
        case Fault::MissingReply:
            return false;
        case Fault::Silent:
        case Fault::Garbage:
            return true;
        case Fault::SilentAfterBanner:
            return command != kStart;
        case Fault::StopAfterReplies:
            return struck_;
    }
    return false;
}

void SimulatedUnit::Disturb(const std::string& command, std::string& answer) const {
    if (command == kStart && options_.fault == Fault::StrayLine) {
        answer.insert(0, kEndAnswer);
    }
    if (!IsRegisterRead(command) || registerReplies_ != options_.faultAfter || answer.empty()) {
        return;
    }
    if (options_.fault == Fault::LostLineFeed) {
        answer.pop_back();
    } else if (options_.fault == Fault::MissingReply) {
        answer.clear();
    }
}

void SimulatedUnit::ResetToFactory() {
    const auto& table = FactoryTable();
    for (int n = 0; n < kRegisterCount; ++n) {
        registers_[n] = table[n];
    }
}

}  // namespace orvan::sim
