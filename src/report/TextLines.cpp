#include "report/TextLines.h"

#include <algorithm>
#include <charconv>

#include "pages/model/Words.h"

namespace orvan::report_detail {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kRawPrefix = "Register ";
constexpr std::string_view kFormatPrefix = "# Orvan 2a/2b Einstellungen, Format ";

// Where the first byte that is no part of well-formed UTF-8 stands; npos when there is none.
std::size_t FirstBadUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80                   ? 1
                                   : lead >= 0xC2 && lead < 0xE0 ? 2
                                   : lead >= 0xE0 && lead < 0xF0 ? 3
                                   : lead >= 0xF0 && lead < 0xF5 ? 4
                                                                 : 0;
        if (length == 0 || i + length > text.size())
            return i;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return i;
        }
        const auto second = static_cast<unsigned char>(text[i + 1 < text.size() ? i + 1 : i]);
        // Overlong forms, surrogates and code points beyond U+10FFFF.
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
            (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
            return i;
        i += length;
    }
    return std::string_view::npos;
}

int LineOf(std::string_view text, std::size_t offset) {
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + offset, '\n'));
}

std::string WithoutTrailingBlanks(std::string_view line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
        line.remove_suffix(1);
    return std::string(line);
}

bool ReadNumber(std::string_view text, std::size_t& number) {
    if (text.empty() || text.size() > 4)
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size();
}

// "3, 6-7" as 3, 6, 7; nothing when it is no such list in ascending order.
std::optional<std::vector<std::size_t>> ReadPositions(std::string_view list) {
    std::vector<std::size_t> positions;
    while (!list.empty()) {
        const std::size_t comma = list.find(", ");
        const std::string_view run = list.substr(0, comma);
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 2);
        const std::size_t dash = run.find('-');
        std::size_t first = 0, last = 0;
        if (!ReadNumber(run.substr(0, dash), first))
            return std::nullopt;
        last = first;
        if (dash != std::string_view::npos &&
            (!ReadNumber(run.substr(dash + 1), last) || last <= first))
            return std::nullopt;
        if (!positions.empty() && first <= positions.back())
            return std::nullopt;
        for (std::size_t i = first; i <= last && i < 64; ++i)
            positions.push_back(i);
        if (last >= 64)
            return std::nullopt;
    }
    if (positions.empty())
        return std::nullopt;
    return positions;
}

std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::vector<ContentLine> ContentLines(std::string_view text, std::vector<TextProblem>& problems) {
    if (text.size() > kSettingsTextLimit) {
        problems.push_back({LineOf(text, kSettingsTextLimit),
                            "Der Text ist größer als 1 MB; so groß ist keine Konfiguration."});
        return {};
    }
    if (const std::size_t bad = FirstBadUtf8(text); bad != std::string_view::npos) {
        problems.push_back({LineOf(text, bad), "Der Text ist kein gültiges UTF-8."});
        return {};
    }
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    std::vector<ContentLine> lines;
    bool header = false;
    int number = 0;
    for (std::size_t from = 0; from <= text.size();) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        const std::string line = WithoutTrailingBlanks(text.substr(from, end - from));
        ++number;
        from = end + 1;
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        if (!header) {
            header = true;
            if (line == kSettingsTextHeader)
                continue;
            if (line.starts_with(kFormatPrefix)) {
                problems.push_back({number, "Format „" + line.substr(kFormatPrefix.size()) +
                                                "“ wird nicht unterstützt; dieses Programm liest "
                                                "Format 1."});
                continue;
            }
            problems.push_back({number, "Die Kopfzeile „" + std::string(kSettingsTextHeader) +
                                            "“ fehlt; ist das ein Einstellungstext?"});
        }
        if (line.front() == '#')
            continue;
        lines.push_back({number, line});
    }
    if (!header)
        problems.push_back({1, "Der Text ist leer."});
    return lines;
}

std::optional<std::string_view> ValueAfter(std::string_view line, std::size_t nameLength) {
    const std::string_view rest = line.substr(nameLength);
    if (rest == ":")
        return std::string_view();
    if (!rest.starts_with(": "))
        return std::nullopt;
    return rest.substr(2);
}

bool IsRawLine(std::string_view line) {
    std::size_t reg = 0;
    return line.starts_with(kRawPrefix) && ReadNumber(line.substr(kRawPrefix.size(), 3), reg);
}

std::optional<RawLine> ReadRawLine(const ContentLine& line, std::vector<TextProblem>& problems) {
    std::size_t reg = 0;
    ReadNumber(std::string_view(line.text).substr(kRawPrefix.size(), 3), reg);
    RawLine raw{line.number, static_cast<int>(reg)};
    std::string_view rest = std::string_view(line.text).substr(kRawPrefix.size() + 3);
    const auto fail = [&](std::string message) -> std::optional<RawLine> {
        problems.push_back({line.number, std::move(message)});
        return std::nullopt;
    };
    if (reg >= kRegisterCount)
        return fail("Register " + std::to_string(reg) + " gibt es nicht (000 bis 299).");
    if (rest.starts_with(" (Länge)")) {
        raw.kind = RawLine::Kind::Length;
        rest.remove_prefix(std::string_view(" (Länge)").size());
    } else if (rest.starts_with(" (Zeichen ")) {
        const std::size_t close = rest.find(')');
        const auto positions =
            ReadPositions(rest.substr(10, close == std::string_view::npos ? 0 : close - 10));
        if (!positions)
            return fail("Die Zeichen eines Registers stehen als „(Zeichen 3, 6-7)“, aufsteigend.");
        raw.kind = RawLine::Kind::Some;
        raw.positions = *positions;
        rest.remove_prefix(close + 1);
    }
    const std::optional<std::string_view> value = ValueAfter(rest, 0);
    if (!value)
        return fail("Die Zeile hat nicht die Form „Register 017: Zeichen“.");
    if (raw.kind == RawLine::Kind::Length) {
        if (!ReadNumber(*value, raw.length) || raw.length == 0 || raw.length > kMostFileCharacters)
            return fail("Die Länge eines Registers ist eine Zahl von 1 bis 9.");
        return raw;
    }
    const std::optional<std::string> chars =
        *value == "(leer)" ? std::optional<std::string>("") : CharactersFromRaw(*value);
    if (!chars) {
        return fail("„" + std::string(*value) +
                    "“ sind keine Registerzeichen: druckbare ASCII-Zeichen, sonst \\xNN.");
    }
    raw.chars = *chars;
    const std::size_t count = raw.kind == RawLine::Kind::Whole ? 1 : raw.positions.size();
    if (raw.kind == RawLine::Kind::Some && raw.chars.size() != count) {
        return fail("Die Zeile nennt " + std::to_string(count) + " Zeichen, gibt aber " +
                    std::to_string(raw.chars.size()) + " an.");
    }
    const std::size_t end =
        raw.kind == RawLine::Kind::Whole ? raw.chars.size() : raw.positions.back() + 1;
    if (end > kMostFileCharacters || (raw.kind == RawLine::Kind::Whole && raw.chars.empty()))
        return fail("Eine Registerdatei hält 1 bis 9 Zeichen je Register.");
    return raw;
}

std::string WithGuillemets(std::string name) {
    for (std::size_t at = name.find(" > "); at != std::string::npos; at = name.find(" > ", at))
        name.replace(at + 1, 1, "›");
    return name;
}

std::string WithTrailingBlanks(std::string_view value) {
    constexpr std::string_view kBlank = "\\x20";
    std::size_t blanks = 0;
    while (value.ends_with(kBlank)) {
        value.remove_suffix(kBlank.size());
        ++blanks;
    }
    return std::string(value) + std::string(blanks, ' ');
}

std::string Shortened(std::string_view text, std::size_t limit) {
    if (text.size() <= limit)
        return std::string(text);
    while (limit > 0 && (static_cast<unsigned char>(text[limit]) & 0xC0) == 0x80)
        --limit;
    return std::string(text.substr(0, limit)) + "…";
}

std::string NearestName(std::string_view name, const std::vector<std::string>& names) {
    std::string nearest;
    std::size_t best = std::string::npos;
    for (const std::string& each : names) {
        const std::size_t distance = EditDistance(name, each);
        if (distance < best) {
            best = distance;
            nearest = each;
        }
    }
    return nearest;
}

}  // namespace orvan::report_detail
