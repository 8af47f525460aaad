#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

namespace orvan {

// File names travel through the program as UTF-8 text; these two are the only ways between that
// text and a path. On Windows std::filesystem converts narrow text through the ANSI code page and
// throws on what that page lacks; these never throw.
// Text that is not UTF-8 names no file on Windows: then the path is empty and error is
// illegal_byte_sequence. On POSIX a file name is any bytes.
std::filesystem::path PathFromText(const std::string& text, std::error_code& error);
// For messages and lists; on Windows a lone surrogate in the name shows as U+FFFD.
std::string TextFromPath(const std::filesystem::path& path);

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using InputFile = std::unique_ptr<std::FILE, FileCloser>;

// Opens a file for reading bytes; null with error set when it cannot be opened.
InputFile OpenForReading(const std::filesystem::path& path, std::error_code& error);

// Replaces target with exactly these bytes, or leaves it as it was: the bytes go to a new file
// with a unique name in the same folder, are synced to the disk and then renamed over target.
// No temporary file survives a failure.
std::error_code ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// The first limit bytes of the file named by UTF-8 text (fewer when it is shorter).
std::error_code ReadFileStart(const std::string& name, std::size_t limit, std::string& bytes);
// ReplaceFileAtomically for a file named by UTF-8 text.
std::error_code ReplaceNamedFileAtomically(const std::string& name, std::string_view bytes);

// Creates target with exactly these bytes, as ReplaceFileAtomically does, but never replaces an
// existing file: then it fails with std::errc::file_exists and leaves that file alone.
std::error_code CreateFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// A short German reason for a failed file operation; the system's own text when there is no
// short one. missingText names what a "no such file or directory" means for the caller.
std::string GermanReason(std::error_code error, std::string_view missingText);

}  // namespace orvan
