#include "core/UnicodeText.h"

namespace orvan {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 | (c >> 10));
        out += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
    }
}

struct LeadByte {
    int followers;
    char32_t bits;
    char32_t smallest;  // a shorter form would be overlong
};

std::optional<LeadByte> ReadLeadByte(unsigned char lead) {
    if ((lead & 0xE0) == 0xC0) {
        return LeadByte{1, lead & 0x1Fu, 0x80};
    }
    if ((lead & 0xF0) == 0xE0) {
        return LeadByte{2, lead & 0x0Fu, 0x800};
    }
    if ((lead & 0xF8) == 0xF0) {
        return LeadByte{3, lead & 0x07u, 0x10000};
    }
    return std::nullopt;
}

// The code point starting at text[at], advancing at past it; nothing when the bytes there are not
// the one shortest form of a character.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& at) {
    const auto first = static_cast<unsigned char>(text[at++]);
    if (first < 0x80) {
        return first;
    }
    const std::optional<LeadByte> lead = ReadLeadByte(first);
    if (!lead) {
        return std::nullopt;
    }
    char32_t c = lead->bits;
    for (int i = 0; i < lead->followers; ++i, ++at) {
        if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (static_cast<unsigned char>(text[at]) & 0x3F);
    }
    if (c < lead->smallest || c > 0x10FFFF || IsSurrogate(c)) {
        return std::nullopt;
    }
    return c;
}

}  // namespace

std::optional<std::u16string> Utf16FromUtf8(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::optional<char32_t> c = DecodeUtf8(text, at);
        if (!c) {
            return std::nullopt;
        }
        AppendUtf16(out, *c);
    }
    return out;
}

std::string Utf8FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char32_t unit = text[at];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool pairs =
            high && at + 1 < text.size() && text[at + 1] >= 0xDC00 && text[at + 1] <= 0xDFFF;
        if (pairs) {
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (text[++at] - 0xDC00));
        } else {
            AppendUtf8(out, IsSurrogate(unit) ? kReplacement : unit);
        }
    }
    return out;
}

}  // namespace orvan
