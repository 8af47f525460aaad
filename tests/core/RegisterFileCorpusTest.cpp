#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <vector>

#include "TestFiles.h"
#include "core/RegisterFile.h"
#include "core/TextFunctions.h"

namespace orvan {
namespace {

namespace fs = std::filesystem;
using Status = FileResult::Status;

using test::kZeros;
const std::string kNul(1, '\0');

struct Expectation {
    Status status;
    std::map<int, std::string> values;
    // Registers not named in values: "00000000", or unchecked.
    bool othersZero = true;
};

const std::map<int, std::string> kTypical = {
    {0, "11110000"},  {1, "11000000"},   {2, "22220000"},   {9, "00010000"},   {12, "0001A000"},
    {81, "12345000"}, {119, "00000077"}, {150, "0000ABCD"}, {210, "00000064"}, {299, "000000FF"},
};

std::map<int, std::string> TypicalWith(std::map<int, std::string> changes) {
    std::map<int, std::string> values = kTypical;
    for (auto& [n, value] : changes) {
        values[n] = value;
    }
    return values;
}

std::map<int, std::string> TypicalBefore(int end) {
    std::map<int, std::string> values;
    for (const auto& [n, value] : kTypical) {
        if (n < end) {
            values[n] = value;
        }
    }
    return values;
}

const std::map<std::string, Expectation>& Expectations() {
    static const std::map<std::string, Expectation> expectations = {
        {"typical.rvx2a2", {Status::Ok, kTypical}},
        {"lf-endings.rvx2a2", {Status::Ok, kTypical}},
        {"mixed-line-ends.rvx2a2", {Status::Ok, kTypical}},
        {"older-form.rvx2a2",
         {Status::Ok,
          {{0, "00000000"}, {10, "0000000A"}, {255, "000000FF"}, {299, "0000012B"}},
          false}},
        {"truncated.rvx2a2", {Status::Warning, TypicalBefore(120)}},
        {"overlong-line.rvx2a2", {Status::Warning, TypicalBefore(50)}},
        {"nine-char-values.rvx2a2",
         {Status::Ok, TypicalWith({{0, "123456789"}, {150, "ABCDEF012"}, {299, "000000009"}})}},
        {"nine-char-older-form.rvx2a2",
         {Status::Ok,
          {{0, "123456789"}, {1, "00000001"}, {298, "0000012A"}, {299, "FFFFFFFFF"}},
          false}},
        {"lowercase.rvx2a2",
         {Status::Ok, TypicalWith({{3, kZeros}, {4, "0z000000"}, {5, "00ab0000"}, {6, kZeros}})}},
        {"nul-bytes.rvx2a2", {Status::Ok, {{0, "0" + std::string(7, '\0')}, {1, kZeros}}}},
        {"binary-junk.rvx2a2", {Status::Warning, {}}},
        {"empty.rvx2a2", {Status::Warning, {}}},
    };
    return expectations;
}

std::vector<fs::path> CorpusFiles() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(ORVAN_TEST_DATA)) {
        if (entry.path().extension() == ".rvx2a2") {
            files.push_back(entry.path());
        }
    }
    return files;
}

TEST(RegisterFileCorpus, EveryFileHasAnExpectationAndEveryExpectationAFile) {
    std::set<std::string> found;
    for (const fs::path& file : CorpusFiles()) {
        found.insert(file.filename().string());
        EXPECT_EQ(Expectations().count(file.filename().string()), 1u) << file;
    }
    for (const auto& [name, expectation] : Expectations()) {
        EXPECT_EQ(found.count(name), 1u) << name << " is missing";
    }
}

TEST(RegisterFileCorpus, EveryFileLoadsIntoThreeHundredSoundRegisters) {
    for (const fs::path& file : CorpusFiles()) {
        Register image;
        image.fileName = file.string();
        const FileResult result = LoadFromFile(image);
        ASSERT_TRUE(result.Succeeded()) << file << ": " << result.reason;
        EXPECT_EQ(result.status == Status::Ok, result.reason.empty()) << file;
        for (int n = 0; n < kRegisterCount; ++n) {
            const std::string& value = image.Value(n);
            ASSERT_FALSE(value.empty()) << file << " register " << n;
            ASSERT_LE(value.size(), 9u) << file << " register " << n;
            ASSERT_TRUE(IsHexText(value.substr(0, 1))) << file << " register " << n;
        }
    }
}

TEST(RegisterFileCorpus, EveryFileGivesItsExpectedValues) {
    for (const auto& [name, expectation] : Expectations()) {
        Register image;
        image.fileName = (fs::path(ORVAN_TEST_DATA) / name).string();
        const FileResult result = LoadFromFile(image);
        EXPECT_EQ(result.status, expectation.status) << name << ": " << result.reason;
        for (int n = 0; n < kRegisterCount; ++n) {
            const auto named = expectation.values.find(n);
            if (named != expectation.values.end()) {
                EXPECT_EQ(image.Value(n), named->second) << name << " register " << n;
            } else if (expectation.othersZero) {
                EXPECT_EQ(image.Value(n), kZeros) << name << " register " << n;
            }
        }
    }
}

TEST(RegisterFileCorpus, TypicalFileSavesBackToTheSameBytes) {
    const fs::path source = fs::path(ORVAN_TEST_DATA) / "typical.rvx2a2";
    Register image;
    image.fileName = source.string();
    ASSERT_EQ(LoadFromFile(image).status, Status::Ok);

    test::TempFolder folder;
    image.fileName = folder.File("copy.rvx2a2");
    ASSERT_TRUE(SaveToFile(image).Succeeded());

    EXPECT_EQ(test::ReadBytes(image.fileName), test::ReadBytes(source));
}

}  // namespace
}  // namespace orvan
