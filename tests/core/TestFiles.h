#pragma once

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "core/Register.h"
#include "core/TextFunctions.h"

namespace orvan::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder() {
        std::mt19937_64 engine{std::random_device{}()};
        path_ = std::filesystem::temp_directory_path() /
                ("orvan2a-core-test-" + std::to_string(engine()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    int EntryCount() const {
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(path_),
                                              std::filesystem::directory_iterator()));
    }

  private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

using Values = std::array<std::string, kRegisterCount>;

// What the reader puts in for a register the file lacks.
inline const std::string kZeros = "00000000";

// Eight upper-case hex digits that differ for every register, so a shifted line shows.
inline std::string DistinctValue(int n) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    unsigned bits = static_cast<unsigned>(n) * 2654435761u;
    std::string value;
    for (int i = 0; i < 8; ++i, bits >>= 4) {
        value += kDigits[bits & 0xF];
    }
    return value;
}

inline Values DistinctValues() {
    Values values;
    for (int n = 0; n < kRegisterCount; ++n) {
        values[n] = DistinctValue(n);
    }
    return values;
}

// A file in the current form, composed independently of the writer.
inline std::string CurrentForm(const Values& values, const std::string& lineEnd = "\r\n",
                               int registerLines = kRegisterCount) {
    std::string text = "R       " + lineEnd;
    for (int n = 0; n < registerLines; ++n) {
        text += "R" + PadLeftZeros(std::to_string(n), 3) + " " + values[n] + lineEnd;
    }
    return text;
}

inline std::string OlderForm(const Values& values, const std::string& lineEnd = "\r\n",
                             int lines = kRegisterCount) {
    std::string text;
    for (int n = 0; n < lines; ++n) {
        text += values[n] + lineEnd;
    }
    return text;
}

}  // namespace orvan::test
