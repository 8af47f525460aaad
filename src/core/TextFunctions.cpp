#include "core/TextFunctions.h"

namespace orvan {

namespace {

bool IsUpperHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

}  // namespace

bool IsHexText(std::string_view text) {
    for (char c : text) {
        if (!IsUpperHexDigit(c)) {
            return false;
        }
    }
    return true;
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 0;
}

char HexDigitChar(int value) {
    if (value >= 0 && value <= 9) {
        return static_cast<char>('0' + value);
    }
    if (value >= 10 && value <= 15) {
        return static_cast<char>('A' + value - 10);
    }
    return static_cast<char>(value);
}

std::string PadLeftZeros(std::string_view text, std::size_t width) {
    std::string padded;
    if (text.size() < width) {
        padded.assign(width - text.size(), '0');
    }
    padded.append(text);
    return padded;
}

std::string PadRightZeros(std::string_view text, std::size_t width) {
    std::string padded(text);
    if (padded.size() < width) {
        padded.resize(width, '0');
    }
    return padded;
}

std::string ToUpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

std::size_t FindFromSecond(std::string_view haystack, std::string_view needle) {
    return haystack.find(needle, 1);
}

std::string EscapedBytes(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            text += "\\\\";
        } else if (c == '\r') {
            text += "\\r";
        } else if (c == '\n') {
            text += "\\n";
        } else if (byte >= 0x20 && byte < 0x7F) {
            text += c;
        } else {
            text += {'\\', 'x', kDigits[byte >> 4], kDigits[byte & 0xF]};
        }
    }
    return text;
}

}  // namespace orvan
