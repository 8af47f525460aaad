#include <gtest/gtest.h>

#include <string>

#include "core/TextFunctions.h"

namespace orvan {
namespace {

bool IsUpperHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

TEST(TextFunctions, IsHexTextAcceptsOnlyUpperCaseDigits) {
    EXPECT_TRUE(IsHexText("00A9"));
    EXPECT_TRUE(IsHexText(""));
    EXPECT_TRUE(IsHexText("0123456789ABCDEF"));
    EXPECT_FALSE(IsHexText("00a9"));
    EXPECT_FALSE(IsHexText("00G0"));
    EXPECT_FALSE(IsHexText("0000000 "));
    EXPECT_FALSE(
        IsHexText(std::string("00\0"
                              "0",
                              4)));
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        EXPECT_EQ(IsHexText(std::string(1, c)), IsUpperHexDigit(c)) << "code " << code;
    }
}

TEST(TextFunctions, HexDigitValueGivesZeroForEverythingButUpperCaseDigits) {
    EXPECT_EQ(HexDigitValue('F'), 15);
    EXPECT_EQ(HexDigitValue('f'), 0);
    EXPECT_EQ(HexDigitValue('9'), 9);
    EXPECT_EQ(HexDigitValue('A'), 10);
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        if (!IsUpperHexDigit(c)) {
            EXPECT_EQ(HexDigitValue(c), 0) << "code " << code;
        }
    }
}

TEST(TextFunctions, HexDigitCharRoundTripsAndPassesOtherValuesThrough) {
    for (int value = 0; value < 16; ++value) {
        const char c = HexDigitChar(value);
        EXPECT_TRUE(IsUpperHexDigit(c)) << value;
        EXPECT_EQ(HexDigitValue(c), value);
    }
    EXPECT_EQ(HexDigitChar(16), '\x10');
    EXPECT_EQ(HexDigitChar('x'), 'x');
    EXPECT_EQ(HexDigitChar(-1), static_cast<char>(-1));
}

TEST(TextFunctions, PadLeftZerosFillsUpToWidthAndNeverShortens) {
    EXPECT_EQ(PadLeftZeros("5", 3), "005");
    EXPECT_EQ(PadLeftZeros("42", 3), "042");
    EXPECT_EQ(PadLeftZeros("299", 3), "299");
    EXPECT_EQ(PadLeftZeros("1234", 3), "1234");
    EXPECT_EQ(PadLeftZeros("", 3), "000");
    EXPECT_EQ(PadLeftZeros("0 ", 4), "000 ");
    EXPECT_EQ(PadLeftZeros("7", 0), "7");
}

TEST(TextFunctions, PadRightZerosFillsUpToWidthAndNeverShortens) {
    EXPECT_EQ(PadRightZeros("12", 3), "120");
    EXPECT_EQ(PadRightZeros("1234", 3), "1234");
    EXPECT_EQ(PadRightZeros("", 2), "00");
}

TEST(TextFunctions, ToUpperAsciiChangesOnlyLettersAToZ) {
    EXPECT_EQ(ToUpperAscii("00ab0000"), "00AB0000");
    EXPECT_EQ(ToUpperAscii("zZ{`@"), "ZZ{`@");
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        const char expected = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
        EXPECT_EQ(ToUpperAscii(std::string(1, c)), std::string(1, expected)) << "code " << code;
    }
}

TEST(TextFunctions, FindFromSecondIgnoresAMatchAtTheStart) {
    EXPECT_EQ(FindFromSecond("VX22", "VX22"), std::string_view::npos);
    EXPECT_EQ(FindFromSecond("VX22 VX22", "VX22"), 5u);
    EXPECT_EQ(FindFromSecond("\nVEXA 2a2", "VEXA 2a2"), 1u);
    EXPECT_EQ(FindFromSecond("", "V"), std::string_view::npos);
    EXPECT_EQ(FindFromSecond("", ""), std::string_view::npos);
    EXPECT_EQ(FindFromSecond("AB", "ABC"), std::string_view::npos);
    EXPECT_EQ(FindFromSecond("xxVEXA2", "VEXA2a"), std::string_view::npos);
}

TEST(EscapedBytes, PrintableTextStaysAndEverythingElseIsEscaped) {
    const struct {
        std::string bytes;
        const char* text;
    } rows[] = {
        {"$R000\r\n", "$R000\\r\\n"},
        {std::string("a\0b", 3), "a\\x00b"},
        {"back\\slash", "back\\\\slash"},
        {"\x7F\xFF\t", "\\x7F\\xFF\\x09"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(EscapedBytes(row.bytes), row.text);
}

}  // namespace
}  // namespace orvan
