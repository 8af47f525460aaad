#include "core/RegisterFile.h"

#include <array>
#include <cerrno>
#include <filesystem>
#include <utility>

#include "core/FileAccess.h"
#include "core/TextFunctions.h"

namespace orvan {

namespace {

namespace fs = std::filesystem;

using Values = std::array<std::string, kRegisterCount>;

constexpr std::string_view kHeader = "R       ";
constexpr std::string_view kLineEnd = "\r\n";
// Characters before the line end: header and older-form lines, register lines.
constexpr std::size_t kShortLineLimit = 9;
constexpr std::size_t kRegisterLineLimit = 14;
constexpr std::size_t kValueColumn = 5;

FileResult Failed(std::string reason) {
    return {FileResult::Status::Failed, std::move(reason)};
}

std::string FormatFile(const Values& values) {
    std::string bytes;
    bytes.reserve(kHeader.size() + kLineEnd.size() +
                  kRegisterCount * (kValueColumn + kValueLength + kLineEnd.size()));
    bytes.append(kHeader).append(kLineEnd);
    for (int n = 0; n < kRegisterCount; ++n) {
        bytes.append("R")
            .append(PadLeftZeros(std::to_string(n) + " ", 4))
            .append(values[n])
            .append(kLineEnd);
    }
    return bytes;
}

// Reads one line at a time and never more than the limit allows, so a file of junk without line
// ends costs a few bytes, not its size.
class LineReader {
  public:
    enum class Outcome { Line, End, TooLong, Failed };

    explicit LineReader(std::FILE* file) : file_(file) {}

    // The line's characters before "\n" or "\r\n" (or the end of the file) go to line.
    Outcome Next(std::size_t limit, std::string& line) {
        line.clear();
        for (;;) {
            const int c = std::getc(file_);
            if (c == EOF) {
                if (std::ferror(file_)) {
                    error_ = {errno, std::generic_category()};
                    return Outcome::Failed;
                }
                return line.empty() ? Outcome::End : Finish(limit, line);
            }
            if (c == '\n') {
                return Finish(limit, line);
            }
            line.push_back(static_cast<char>(c));
            if (line.size() > limit + 1) {
                return Outcome::TooLong;
            }
        }
    }

    std::error_code Error() const { return error_; }
    int LinesRead() const { return linesRead_; }

  private:
    Outcome Finish(std::size_t limit, std::string& line) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() > limit) {
            return Outcome::TooLong;
        }
        ++linesRead_;
        return Outcome::Line;
    }

    std::FILE* file_;
    std::error_code error_;
    int linesRead_ = 0;
};

// Only the first character decides; the rest of the candidate is taken as it stands.
std::string ValueFrom(std::string_view candidate) {
    if (!candidate.empty() && IsHexText(candidate.substr(0, 1))) {
        return std::string(candidate);
    }
    return std::string(kValueLength, '0');
}

std::string_view RegisterLineCandidate(std::string_view line) {
    return line.size() > kValueColumn ? line.substr(kValueColumn) : std::string_view();
}

std::string ShortFileWarning(LineReader::Outcome stop, int registersRead, int lineNumber) {
    const std::string rest = std::to_string(registersRead) + " von " +
                             std::to_string(kRegisterCount) +
                             " Registern gelesen; die übrigen wurden auf 00000000 gesetzt.";
    if (stop == LineReader::Outcome::TooLong) {
        return "Zeile " + std::to_string(lineNumber) + " der Datei ist zu lang: " + rest;
    }
    return "Die Datei ist unvollständig: " + rest;
}

}  // namespace

std::string RegisterFileText(const Register& image) {
    Values upper;
    for (int n = 0; n < kRegisterCount; ++n) {
        upper[n] = ToUpperAscii(image.Value(n));
    }
    return FormatFile(upper);
}

std::string RegisterFileTextAsStored(const Register& image) {
    Values values;
    for (int n = 0; n < kRegisterCount; ++n) {
        values[n] = image.Value(n);
    }
    return FormatFile(values);
}

FileResult SaveToFile(Register& image) {
    if (image.fileName.empty()) {
        return Failed("Kein Dateiname angegeben");
    }
    std::error_code error;
    const fs::path target = PathFromText(image.fileName, error);
    if (error) {
        return Failed(GermanReason(error, ""));
    }
    if (fs::is_directory(target, error)) {
        return Failed(GermanReason(std::make_error_code(std::errc::is_a_directory), ""));
    }
    Values upper;
    for (int n = 0; n < kRegisterCount; ++n) {
        upper[n] = ToUpperAscii(image.Value(n));
    }
    error = ReplaceFileAtomically(target, FormatFile(upper));
    if (error) {
        return Failed(GermanReason(error, "Ordner nicht gefunden"));
    }
    for (int n = 0; n < kRegisterCount; ++n) {
        image.SetValue(n, std::move(upper[n]));
    }
    return {};
}

FileResult LoadFromFile(Register& image) {
    if (image.fileName.empty()) {
        return Failed("Kein Dateiname angegeben");
    }
    std::error_code error;
    const fs::path source = PathFromText(image.fileName, error);
    const InputFile file = error ? nullptr : OpenForReading(source, error);
    if (!file) {
        return Failed(GermanReason(error, "Datei nicht gefunden"));
    }

    Values values;
    values.fill(std::string(kValueLength, '0'));
    LineReader reader(file.get());
    std::string line;
    LineReader::Outcome outcome = reader.Next(kShortLineLimit, line);
    const bool currentForm = !line.empty() && line.front() == 'R';
    int registersRead = 0;
    if (outcome == LineReader::Outcome::Line) {
        if (!currentForm) {
            values[registersRead++] = ValueFrom(line);
        }
        const std::size_t limit = currentForm ? kRegisterLineLimit : kShortLineLimit;
        while (registersRead < kRegisterCount) {
            outcome = reader.Next(limit, line);
            if (outcome != LineReader::Outcome::Line) {
                break;
            }
            values[registersRead++] = ValueFrom(currentForm ? RegisterLineCandidate(line) : line);
        }
    }
    if (outcome == LineReader::Outcome::Failed) {
        return Failed(GermanReason(reader.Error(), "Datei nicht gefunden"));
    }

    for (int n = 0; n < kRegisterCount; ++n) {
        image.SetValue(n, std::move(values[n]));
    }
    if (registersRead < kRegisterCount) {
        return {FileResult::Status::Warning,
                ShortFileWarning(outcome, registersRead, reader.LinesRead() + 1)};
    }
    return {};
}

}  // namespace orvan
