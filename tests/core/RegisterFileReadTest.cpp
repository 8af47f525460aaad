#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "TestFiles.h"
#include "core/RegisterFile.h"

namespace orvan {
namespace {

namespace fs = std::filesystem;
using test::kZeros;
using test::TempFolder;
using test::Values;

class RegisterFileRead : public ::testing::Test {
  protected:
    FileResult Load(const std::string& bytes) {
        // A new file each time: rewriting a truncated one makes ext4 flush it to the disk.
        fs::remove(path_);
        test::WriteBytes(path_, bytes);
        image_.fileName = path_;
        return LoadFromFile(image_);
    }

    void ExpectValues(const Values& expected) {
        for (int n = 0; n < kRegisterCount; ++n) {
            ASSERT_EQ(image_.Value(n), expected[n]) << "register " << n;
        }
    }

    // Registers from..299 hold "00000000"; the ones before come from values.
    void ExpectLoadedUpTo(const Values& values, int from) {
        Values expected = values;
        std::fill(expected.begin() + from, expected.end(), kZeros);
        ExpectValues(expected);
    }

    void FillImageWith(const std::string& value) {
        for (int n = 0; n < kRegisterCount; ++n) {
            image_.SetValue(n, value);
        }
    }

    TempFolder folder_;
    std::string path_ = folder_.File("in.rvx2a2");
    Register image_;
    const Values values_ = test::DistinctValues();
};

TEST_F(RegisterFileRead, CurrentFormWithCrLf) {
    const FileResult result = Load(test::CurrentForm(values_));
    EXPECT_EQ(result.status, FileResult::Status::Ok) << result.reason;
    EXPECT_TRUE(result.reason.empty());
    ExpectValues(values_);
}

TEST_F(RegisterFileRead, CurrentFormWithLfOnly) {
    EXPECT_EQ(Load(test::CurrentForm(values_, "\n")).status, FileResult::Status::Ok);
    ExpectValues(values_);
}

TEST_F(RegisterFileRead, OlderFormTakesRegisterKMinusOneFromLineK) {
    EXPECT_EQ(Load(test::OlderForm(values_)).status, FileResult::Status::Ok);
    ExpectValues(values_);
    EXPECT_EQ(Load(test::OlderForm(values_, "\n")).status, FileResult::Status::Ok);
    ExpectValues(values_);
}

TEST_F(RegisterFileRead, OnlyTheFirstCharacterOfAValueIsChecked) {
    Values values = values_;
    values[3] = "zz000000";
    values[4] = "0Z000000";
    values[5] = "a0000000";
    values[6] = " 0000000";
    values[7] = "";
    values[8] = "1";
    values[9] = "F\t\x7f";
    Load(test::CurrentForm(values));
    Values expected = values;
    expected[3] = kZeros;
    expected[5] = kZeros;
    expected[6] = kZeros;
    expected[7] = kZeros;
    ExpectValues(expected);

    Load(test::OlderForm(values));
    ExpectValues(expected);
}

TEST_F(RegisterFileRead, LinesAreAssignedByOrderNotByNumber) {
    std::string text = "Rxxxxxxx\r\n";
    for (int n = 0; n < kRegisterCount; ++n) {
        text += "X999-" + values_[n] + "\r\n";
    }
    EXPECT_EQ(Load(text).status, FileResult::Status::Ok);
    ExpectValues(values_);
}

TEST_F(RegisterFileRead, RegisterLineShorterThanTheValueColumnGivesZeros) {
    std::string text = test::CurrentForm(values_, "\r\n", 10) + "R010\r\n" + "R011 \r\n";
    for (int n = 12; n < kRegisterCount; ++n) {
        text += "R    " + values_[n] + "\r\n";
    }
    EXPECT_EQ(Load(text).status, FileResult::Status::Ok);
    Values expected = values_;
    expected[10] = kZeros;
    expected[11] = kZeros;
    ExpectValues(expected);
}

TEST_F(RegisterFileRead, NineCharacterValuesLoadInBothForms) {
    Values values = values_;
    values[0] = "123456789";
    values[299] = "ABCDEF012";
    EXPECT_EQ(Load(test::CurrentForm(values)).status, FileResult::Status::Ok);
    ExpectValues(values);
    EXPECT_EQ(Load(test::CurrentForm(values, "\n")).status, FileResult::Status::Ok);
    ExpectValues(values);
    EXPECT_EQ(Load(test::OlderForm(values)).status, FileResult::Status::Ok);
    ExpectValues(values);
}

TEST_F(RegisterFileRead, NineCharacterHeaderIsStillAHeader) {
    EXPECT_EQ(Load("R        \r\n" + test::CurrentForm(values_).substr(10)).status,
              FileResult::Status::Ok);
    ExpectValues(values_);
}

TEST_F(RegisterFileRead, LastLineWithoutLineEndIsRead) {
    std::string text = test::CurrentForm(values_);
    text.resize(text.size() - 2);
    EXPECT_EQ(Load(text).status, FileResult::Status::Ok);
    ExpectValues(values_);
}

TEST_F(RegisterFileRead, LinesAfterTheLastRegisterAreIgnored) {
    EXPECT_EQ(
        Load(test::CurrentForm(values_) + "R300 FFFFFFFF\r\n" + std::string(5000, 'x')).status,
        FileResult::Status::Ok);
    ExpectValues(values_);
}

TEST_F(RegisterFileRead, OneCarriageReturnIsStrippedNotMore) {
    std::string text = test::CurrentForm(values_, "\r\n", 1) + "R001 0\rA\r\n";
    for (int n = 2; n < kRegisterCount; ++n) {
        text += "R" + PadLeftZeros(std::to_string(n), 3) + " " + values_[n] + "\r\n";
    }
    EXPECT_EQ(Load(text).status, FileResult::Status::Ok);
    EXPECT_EQ(image_.Value(1), "0\rA");
}

TEST_F(RegisterFileRead, TruncatedFileFillsTheRestWithZerosAndWarns) {
    FillImageWith("11111111");
    const FileResult result = Load(test::CurrentForm(values_, "\r\n", 120));
    EXPECT_EQ(result.status, FileResult::Status::Warning);
    EXPECT_TRUE(result.Succeeded());
    EXPECT_EQ(result.reason,
              "Die Datei ist unvollständig: 120 von 300 Registern gelesen; die übrigen wurden auf "
              "00000000 gesetzt.");
    ExpectLoadedUpTo(values_, 120);
}

TEST_F(RegisterFileRead, TruncatedOlderFormWarnsToo) {
    FillImageWith("11111111");
    const FileResult result = Load(test::OlderForm(values_, "\n", 7));
    EXPECT_EQ(result.status, FileResult::Status::Warning);
    EXPECT_NE(result.reason.find("7 von 300"), std::string::npos) << result.reason;
    ExpectLoadedUpTo(values_, 7);
}

TEST_F(RegisterFileRead, HeaderOnlyAndEmptyFilesGiveZerosAndWarn) {
    FillImageWith("11111111");
    EXPECT_EQ(Load("R       \r\n").status, FileResult::Status::Warning);
    ExpectLoadedUpTo(values_, 0);
    FillImageWith("11111111");
    const FileResult result = Load("");
    EXPECT_EQ(result.status, FileResult::Status::Warning);
    EXPECT_NE(result.reason.find("0 von 300"), std::string::npos) << result.reason;
    ExpectLoadedUpTo(values_, 0);
}

TEST_F(RegisterFileRead, OverlongRegisterLineStopsReading) {
    std::string text = test::CurrentForm(values_, "\r\n", 50) + "R050 1234567890\r\n";
    text += test::CurrentForm(values_).substr(10 + 51 * 15);
    const FileResult result = Load(text);
    EXPECT_EQ(result.status, FileResult::Status::Warning);
    EXPECT_EQ(result.reason,
              "Zeile 52 der Datei ist zu lang: 50 von 300 Registern gelesen; die übrigen wurden "
              "auf 00000000 gesetzt.");
    ExpectLoadedUpTo(values_, 50);
}

TEST_F(RegisterFileRead, OverlongLineLimitsCountCharactersBeforeTheLineEnd) {
    Values values = values_;
    values[20] = "1234567890";
    EXPECT_EQ(Load(test::OlderForm(values, "\n")).status, FileResult::Status::Warning);
    ExpectLoadedUpTo(values_, 20);
    EXPECT_EQ(Load(test::CurrentForm(values, "\n")).status, FileResult::Status::Warning);
    ExpectLoadedUpTo(values_, 20);
    EXPECT_EQ(Load("R        X\r\n" + test::CurrentForm(values_).substr(10)).status,
              FileResult::Status::Warning);
    ExpectLoadedUpTo(values_, 0);
}

TEST_F(RegisterFileRead, MissingFileFailsAndLeavesTheImageAlone) {
    FillImageWith("11111111");
    image_.versionText = "VEXA 2a2";
    image_.changed = true;
    image_.hasAfSquelch = true;
    image_.fileName = folder_.File("missing.rvx2a2");

    const FileResult result = LoadFromFile(image_);

    EXPECT_EQ(result.status, FileResult::Status::Failed);
    EXPECT_EQ(result.reason, "Datei nicht gefunden");
    Values ones;
    ones.fill("11111111");
    ExpectValues(ones);
    EXPECT_EQ(image_.fileName, folder_.File("missing.rvx2a2"));
    EXPECT_EQ(image_.versionText, "VEXA 2a2");
    EXPECT_TRUE(image_.changed);
    EXPECT_TRUE(image_.hasAfSquelch);
}

TEST_F(RegisterFileRead, FolderInsteadOfAFileFailsAndLeavesTheImageAlone) {
    FillImageWith("11111111");
    image_.fileName = folder_.Path().string();
    const FileResult result = LoadFromFile(image_);
    EXPECT_EQ(result.status, FileResult::Status::Failed);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(image_.Value(0), "11111111");
}

TEST_F(RegisterFileRead, EmptyFileNameFails) {
    image_.fileName.clear();
    EXPECT_EQ(LoadFromFile(image_).status, FileResult::Status::Failed);
    EXPECT_EQ(image_.Value(0), kZeros);
}

TEST_F(RegisterFileRead, LoadingLeavesTheOtherMembersAlone) {
    image_.versionText = "VEXA 2a2";
    image_.changed = true;
    image_.hasAfSquelch = true;
    Load(test::CurrentForm(values_));
    EXPECT_EQ(image_.fileName, path_);
    EXPECT_EQ(image_.versionText, "VEXA 2a2");
    EXPECT_TRUE(image_.changed);
    EXPECT_TRUE(image_.hasAfSquelch);
}

TEST_F(RegisterFileRead, NulBytesAreOrdinaryCharacters) {
    const std::string nul(1, '\0');
    std::string text = "R" + nul + nul + "\r\n" + "R000 0" + nul + "A\r\n" + "R001 " + nul +
                       "0000000\r\n" + nul + "\r\n";
    const FileResult result = Load(text);
    EXPECT_EQ(result.status, FileResult::Status::Warning);
    EXPECT_EQ(image_.Value(0), "0" + nul + "A");
    EXPECT_EQ(image_.Value(1), kZeros);
    EXPECT_EQ(image_.Value(2), kZeros);
}

TEST_F(RegisterFileRead, TenMegabytesOfOneLineGiveZerosAndAWarning) {
    FillImageWith("11111111");
    const FileResult result = Load("R" + std::string(10 * 1024 * 1024, '0'));
    EXPECT_EQ(result.status, FileResult::Status::Warning);
    EXPECT_NE(result.reason.find("Zeile 1 "), std::string::npos) << result.reason;
    ExpectLoadedUpTo(values_, 0);

    Load(std::string(10 * 1024 * 1024, 'A'));
    ExpectLoadedUpTo(values_, 0);
}

// Random files built mostly from the characters that matter to the reader; each must load into
// exactly 300 short, non-empty registers that are either zeros or start with a hex digit.
TEST_F(RegisterFileRead, RandomJunkNeverBreaksTheInvariants) {
    std::mt19937 engine(20240611);
    const std::string alphabet = "RR\r\n\n\n 0123456789ABCDEFabcz\t";
    for (int round = 0; round < 400; ++round) {
        std::uniform_int_distribution<int> length(0, round % 4 == 0 ? 200 : 6000);
        std::string bytes(static_cast<std::size_t>(length(engine)), '\0');
        const bool anyByte = round % 3 == 0;
        for (char& c : bytes) {
            c = anyByte ? static_cast<char>(engine() & 0xFF) : alphabet[engine() % alphabet.size()];
        }
        if (round % 5 == 0) {
            bytes = test::CurrentForm(values_, "\r\n", static_cast<int>(engine() % 300)) + bytes;
        }

        const FileResult result = Load(bytes);

        ASSERT_TRUE(result.Succeeded()) << "round " << round;
        for (int n = 0; n < kRegisterCount; ++n) {
            const std::string& value = image_.Value(n);
            ASSERT_FALSE(value.empty()) << "round " << round << " register " << n;
            ASSERT_LE(value.size(), 9u) << "round " << round << " register " << n;
            ASSERT_TRUE(value == kZeros || IsHexText(value.substr(0, 1)))
                << "round " << round << " register " << n;
        }
    }
}

}  // namespace
}  // namespace orvan
