#include "core/FileAccess.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>

#include "core/UnicodeText.h"
#else
#include <unistd.h>
#endif

namespace orvan {

namespace fs = std::filesystem;

namespace {

constexpr int kTemporaryNameAttempts = 100;

std::error_code LastError() {
    return {errno, std::generic_category()};
}

#ifdef _WIN32
int CreateExclusive(const fs::path& path) {
    return _wopen(path.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
}
long WriteSome(int fd, const char* data, std::size_t size) {
    return _write(fd, data, static_cast<unsigned>(std::min<std::size_t>(size, 1u << 30)));
}
int SyncFile(int fd) {
    return _commit(fd);
}
int CloseFile(int fd) {
    return _close(fd);
}
#else
int CreateExclusive(const fs::path& path) {
    return ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
}
long WriteSome(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}
int SyncFile(int fd) {
    return ::fsync(fd);
}
int CloseFile(int fd) {
    return ::close(fd);
}

// Makes the rename itself durable; a folder that cannot be synced is no reason to fail.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}
#endif

std::string UniqueName() {
    thread_local std::mt19937_64 engine{std::random_device{}()};
    static constexpr char kDigits[] = "0123456789abcdef";
    std::uint64_t bits = engine();
    std::string name = ".orvan2a-";
    for (int i = 0; i < 16; ++i, bits >>= 4) {
        name += kDigits[bits & 0xF];
    }
    return name + ".tmp";
}

// A new file of its own in a folder; removed again unless it was renamed into place.
class TemporaryFile {
  public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (fd_ >= 0) {
            CloseFile(fd_);
        }
        if (!path_.empty()) {
            std::error_code ignored;
            fs::remove(path_, ignored);
        }
    }

    std::error_code Create(const fs::path& folder) {
        for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
            const fs::path candidate = folder / UniqueName();
            const int fd = CreateExclusive(candidate);
            if (fd >= 0) {
                fd_ = fd;
                path_ = candidate;
                return {};
            }
            if (errno != EEXIST) {
                return LastError();
            }
        }
        return std::make_error_code(std::errc::file_exists);
    }

#ifndef _WIN32
    // A replaced file keeps its access rights, so a private file does not become readable.
    void KeepPermissionsOf(const fs::path& target) {
        struct stat status {};
        if (::stat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
            ::fchmod(fd_, status.st_mode & 0777);
        }
    }
#endif

    std::error_code Write(std::string_view bytes) {
        while (!bytes.empty()) {
            const long written = WriteSome(fd_, bytes.data(), bytes.size());
            if (written < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return LastError();
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return {};
    }

    std::error_code SyncAndClose() {
        if (SyncFile(fd_) != 0) {
            return LastError();
        }
        const int result = CloseFile(fd_);
        fd_ = -1;
        return result == 0 ? std::error_code() : LastError();
    }

    // Publishes the file under target unless target exists already.
    std::error_code LinkTo(const fs::path& target) {
#ifdef _WIN32
        // Unlike std::filesystem::rename, the C runtime's rename never replaces a file.
        if (_wrename(path_.c_str(), target.c_str()) != 0) {
            return errno == EACCES && fs::exists(target)
                       ? std::make_error_code(std::errc::file_exists)
                       : LastError();
        }
        path_.clear();
#else
        // A hard link fails on an existing target; the temporary name is removed afterwards.
        if (::link(path_.c_str(), target.c_str()) != 0) {
            return LastError();
        }
#endif
        return {};
    }

    std::error_code RenameTo(const fs::path& target) {
        std::error_code error;
        fs::rename(path_, target, error);
        if (!error) {
            path_.clear();
        }
        return error;
    }

  private:
    fs::path path_;
    int fd_ = -1;
};

}  // namespace

fs::path PathFromText(const std::string& text, std::error_code& error) {
    error.clear();
#ifdef _WIN32
    const std::optional<std::u16string> wide = Utf16FromUtf8(text);
    if (!wide) {
        error = std::make_error_code(std::errc::illegal_byte_sequence);
        return {};
    }
    return fs::path(std::wstring(wide->begin(), wide->end()));
#else
    return fs::path(text);
#endif
}

std::string TextFromPath(const fs::path& path) {
#ifdef _WIN32
    const std::wstring& wide = path.native();
    return Utf8FromUtf16(std::u16string(wide.begin(), wide.end()));
#else
    return path.native();
#endif
}

InputFile OpenForReading(const fs::path& path, std::error_code& error) {
#ifdef _WIN32
    InputFile file(_wfopen(path.c_str(), L"rb"));
#else
    InputFile file(std::fopen(path.c_str(), "rb"));
#endif
    error = file ? std::error_code() : LastError();
    return file;
}

std::error_code ReplaceFileAtomically(const fs::path& target, std::string_view bytes) {
    const fs::path folder = target.parent_path();
    TemporaryFile temporary;
    if (std::error_code error = temporary.Create(folder)) {
        return error;
    }
#ifndef _WIN32
    temporary.KeepPermissionsOf(target);
#endif
    if (std::error_code error = temporary.Write(bytes)) {
        return error;
    }
    if (std::error_code error = temporary.SyncAndClose()) {
        return error;
    }
    if (std::error_code error = temporary.RenameTo(target)) {
        return error;
    }
#ifndef _WIN32
    SyncFolder(folder);
#endif
    return {};
}

std::error_code ReadFileStart(const std::string& name, std::size_t limit, std::string& bytes) {
    std::error_code error;
    const fs::path path = PathFromText(name, error);
    const InputFile file = error ? nullptr : OpenForReading(path, error);
    if (!file)
        return error;
    bytes.resize(limit);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
    return std::ferror(file.get()) ? std::make_error_code(std::errc::io_error) : std::error_code();
}

std::error_code ReplaceNamedFileAtomically(const std::string& name, std::string_view bytes) {
    std::error_code error;
    const fs::path path = PathFromText(name, error);
    return error ? error : ReplaceFileAtomically(path, bytes);
}

std::error_code CreateFileAtomically(const fs::path& target, std::string_view bytes) {
    const fs::path folder = target.parent_path();
    TemporaryFile temporary;
    if (std::error_code error = temporary.Create(folder)) {
        return error;
    }
    if (std::error_code error = temporary.Write(bytes)) {
        return error;
    }
    if (std::error_code error = temporary.SyncAndClose()) {
        return error;
    }
    if (std::error_code error = temporary.LinkTo(target)) {
        return error;
    }
#ifndef _WIN32
    SyncFolder(folder);
#endif
    return {};
}

std::string GermanReason(std::error_code error, std::string_view missingText) {
    if (error == std::errc::no_such_file_or_directory) {
        return std::string(missingText);
    }
    if (error == std::errc::not_a_directory) {
        return "Ordner nicht gefunden";
    }
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted) {
        return "Keine Berechtigung";
    }
    if (error == std::errc::is_a_directory) {
        return "Der Pfad bezeichnet einen Ordner";
    }
    if (error == std::errc::read_only_file_system) {
        return "Der Datenträger ist schreibgeschützt";
    }
    if (error == std::errc::no_space_on_device) {
        return "Kein Speicherplatz auf dem Datenträger";
    }
    if (error == std::errc::filename_too_long) {
        return "Der Dateiname ist zu lang";
    }
    if (error == std::errc::illegal_byte_sequence) {
        return "Der Name ist kein gültiger Unicode-Text";
    }
    if (error == std::errc::device_or_resource_busy || error == std::errc::text_file_busy) {
        return "Die Datei wird von einem anderen Programm benutzt";
    }
    return error.message();
}

}  // namespace orvan
