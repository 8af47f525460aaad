#include <algorithm>
#include <map>
#include <memory>
#include <unordered_map>

#include "core/TextFunctions.h"
#include "report/Description.h"
#include "report/PageCatalogue.h"
#include "report/SettingsText.h"
#include "report/TextLines.h"

namespace orvan {

namespace {

using report_detail::ContentLine;
using report_detail::RawLine;

// Settings that depend on others (the AF squelch page on the carrier modes, a key's text on its
// function) are listed only once those are read: the text is applied again until the image no
// longer changes.
constexpr int kMostRounds = 4;
// Finding the nearest name costs; a text of nothing but unknown names gets it for its first few.
constexpr std::size_t kMostSuggestions = 50;
constexpr std::size_t kLongestSuggestedName = 300;

std::string KeyOf(const NamedSetting& setting) {
    return setting.page + " › " + setting.name;
}

std::string RegisterName(int reg) {
    return "Register " + PadLeftZeros(std::to_string(reg), 3);
}

std::size_t Width(const std::vector<CharRange>& ranges) {
    std::size_t width = 0;
    for (const CharRange& range : ranges)
        width += range.width;
    return width;
}

void CopyValues(const Register& from, Register& to) {
    for (int reg = 0; reg < kRegisterCount; ++reg)
        to.SetValue(reg, from.Value(reg));
}

bool SameValues(const Register& a, const Register& b) {
    for (int reg = 0; reg < kRegisterCount; ++reg) {
        if (a.Value(reg) != b.Value(reg))
            return false;
    }
    return true;
}

void WriteChars(Register& image, const std::vector<CharRange>& ranges, std::string_view chars) {
    std::size_t from = 0;
    for (const CharRange& range : ranges) {
        image.ReplaceChars(range.reg, range.first, chars.substr(from, range.width));
        from += range.width;
    }
}

// The settings an image lists, found by their full names.
class Listing {
  public:
    explicit Listing(const Register& image) : settings_(AllSettings(image)) {
        for (std::size_t i = 0; i < settings_.size(); ++i) {
            byKey_.emplace(KeyOf(settings_[i]), i);
            longestKey_ = std::max(longestKey_, KeyOf(settings_[i]).size());
        }
    }
    // No name is longer: a line's name ends before this.
    std::size_t LongestKey() const { return longestKey_; }
    const NamedSetting* Find(const std::string& key) const {
        const auto found = byKey_.find(key);
        return found == byKey_.end() ? nullptr : &settings_[found->second];
    }
    const std::vector<NamedSetting>& Settings() const { return settings_; }
    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        for (const NamedSetting& setting : settings_)
            keys.push_back(KeyOf(setting));
        return keys;
    }

  private:
    std::vector<NamedSetting> settings_;
    std::unordered_map<std::string, std::size_t> byKey_;
    std::size_t longestKey_ = 0;
};

// Whether the setting reads as value once its characters are chars: a " (gespeichert: x)" note
// is taken only while the words beside it are still the ones it was written with.
bool RendersAs(const Register& image, const NamedSetting& setting, const std::string& chars,
               std::string_view value) {
    Register scratch;
    CopyValues(image, scratch);
    WriteChars(scratch, setting.chars, chars);
    for (const CataloguedPage& page : CataloguedPages()) {
        if (page.title != setting.page)
            continue;
        for (const NamedSetting& each : page.settings(scratch)) {
            if (each.name == setting.name)
                return each.words == value;
        }
    }
    return false;
}

// One application of the text's lines to the start image, with the settings as `listing` names
// them.
class Builder {
  public:
    Builder(const Register& start, const Listing& listing) : listing_(listing) {
        CopyValues(start, image_);
    }

    void Apply(const ContentLine& line);
    void Apply(const RawLine& raw);
    // Length lines: a register is cut back to its length where the characters beyond it are the
    // "0" a short register reads as; an edit that wrote anything else there wins.
    void Shorten();
    // Every character the register file cannot hold, at the line that put it there.
    void CheckStorable();
    // What no line determines: the settings first, then raw characters.
    std::vector<std::string> Missing() const;

    const Register& Image() const { return image_; }
    std::vector<TextProblem>& Problems() { return problems_; }

  private:
    int Owner(int reg, std::size_t index) const {
        const auto found = owners_.find({reg, index});
        return found == owners_.end() ? 0 : found->second;
    }
    // The setting a line names and its value: the first "Name: " whose name the listing knows.
    const NamedSetting* Named(const std::string& line, std::string& key,
                              std::string_view& value) const;
    // Why a line names no setting the listing knows.
    std::string Unnamed(const std::string& line);
    // Marks the characters as named by line; false (with a problem) when another line named one.
    bool Claim(int line, int reg, const std::vector<std::size_t>& positions);
    bool Claim(int line, const std::vector<CharRange>& ranges);
    void Problem(int line, std::string message) { problems_.push_back({line, std::move(message)}); }

    const Listing& listing_;
    Register image_;
    std::vector<TextProblem> problems_;
    std::map<std::pair<int, std::size_t>, int> owners_;
    std::unordered_map<std::string, int> keyLines_;
    std::map<int, int> lengthLines_;
    std::map<int, std::size_t> lengths_;
    std::size_t suggestions_ = 0;
};

bool Builder::Claim(int line, int reg, const std::vector<std::size_t>& positions) {
    for (std::size_t index : positions) {
        if (const int owner = Owner(reg, index)) {
            problems_.push_back({line,
                                 "Zeichen " + std::to_string(index) + " von " + RegisterName(reg) +
                                     " ist doppelt bestimmt",
                                 owner});
            return false;
        }
    }
    for (std::size_t index : positions)
        owners_[{reg, index}] = line;
    return true;
}

bool Builder::Claim(int line, const std::vector<CharRange>& ranges) {
    for (const CharRange& range : ranges) {
        std::vector<std::size_t> positions;
        for (std::size_t i = 0; i < range.width; ++i)
            positions.push_back(range.first + i);
        if (!Claim(line, range.reg, positions))
            return false;
    }
    return true;
}

const NamedSetting* Builder::Named(const std::string& line, std::string& key,
                                   std::string_view& value) const {
    for (std::size_t colon = line.find(':');
         colon != std::string::npos && colon <= listing_.LongestKey();
         colon = line.find(':', colon + 1)) {
        const std::optional<std::string_view> after = report_detail::ValueAfter(line, colon);
        if (!after)
            continue;
        key = report_detail::WithGuillemets(line.substr(0, colon));
        value = *after;
        if (const NamedSetting* setting = listing_.Find(key))
            return setting;
    }
    return nullptr;
}

std::string Builder::Unnamed(const std::string& line) {
    const std::size_t colon = line.find(": ");
    if (colon == std::string::npos && !line.ends_with(':'))
        return "Die Zeile hat nicht die Form „Seite › Einstellung: Wert“.";
    const std::string key =
        report_detail::WithGuillemets(line.substr(0, std::min(colon, line.size() - 1)));
    if (key.size() > kLongestSuggestedName)
        return "Unbekannte Einstellung „" + report_detail::Shortened(key, kLongestSuggestedName) +
               "“.";
    std::string message = "Unbekannte Einstellung „" + key + "“.";
    if (++suggestions_ <= kMostSuggestions)
        message += " Meinten Sie „" + report_detail::NearestName(key, listing_.Keys()) + "“?";
    return message;
}

void Builder::Apply(const ContentLine& line) {
    std::string key;
    std::string_view value;
    const NamedSetting* setting = Named(line.text, key, value);
    if (!setting)
        return Problem(line.number, Unnamed(line.text));
    if (const auto [earlier, fresh] = keyLines_.emplace(key, line.number); !fresh) {
        return problems_.push_back(
            {line.number, "„" + key + "“ steht doppelt im Text", earlier->second});
    }
    const std::string words = report_detail::WithTrailingBlanks(value);
    const OddCharacterSplit split = SplitOddCharacter(words);
    std::string chars;
    if (split.read && split.read->size() == Width(setting->chars) &&
        RendersAs(image_, *setting, *split.read, words)) {
        chars = *split.read;
    } else {
        WordsReading reading = setting->read(split.words);
        if (!reading.problem.empty())
            return Problem(line.number, key + ": " + reading.problem);
        chars = std::move(reading.stored);
    }
    if (Claim(line.number, setting->chars))
        WriteChars(image_, setting->chars, chars);
}

void Builder::Apply(const RawLine& raw) {
    if (raw.kind == RawLine::Kind::Length) {
        if (const auto [earlier, fresh] = lengthLines_.emplace(raw.reg, raw.number); !fresh) {
            return problems_.push_back(
                {raw.number, "Die Länge von " + RegisterName(raw.reg) + " steht doppelt im Text",
                 earlier->second});
        }
        lengths_[raw.reg] = raw.length;
        return;
    }
    std::vector<std::size_t> positions = raw.positions;
    if (raw.kind == RawLine::Kind::Whole) {
        // The whole value: every character a register file holds for it.
        for (std::size_t i = 0; i < report_detail::kMostFileCharacters; ++i)
            positions.push_back(i);
    }
    if (!Claim(raw.number, raw.reg, positions))
        return;
    if (raw.kind == RawLine::Kind::Whole)
        return image_.SetValue(raw.reg, raw.chars);
    for (std::size_t k = 0; k < raw.positions.size(); ++k)
        image_.ReplaceChars(raw.reg, raw.positions[k], raw.chars.substr(k, 1));
}

void Builder::Shorten() {
    for (const auto& [reg, length] : lengths_) {
        const std::string& value = image_.Value(reg);
        if (value.size() > length && value.find_first_not_of('0', length) == std::string::npos)
            image_.SetValue(reg, value.substr(0, length));
    }
}

void Builder::CheckStorable() {
    for (int reg = 0; reg < kRegisterCount; ++reg) {
        const std::string& value = image_.Value(reg);
        if (!value.empty() && !IsHexText(value.substr(0, 1))) {
            Problem(Owner(reg, 0), RegisterName(reg) +
                                       " beginnt nicht mit 0-9 oder A-F; die Registerdatei "
                                       "läse es als 00000000.");
        }
        const std::size_t feed = value.find('\n');
        if (feed != std::string::npos) {
            Problem(Owner(reg, feed), RegisterName(reg) +
                                          ": ein Zeilenvorschub (\\x0A) kann in keiner "
                                          "Registerdatei stehen.");
        }
        if (value.ends_with('\r')) {
            Problem(Owner(reg, value.size() - 1),
                    RegisterName(reg) +
                        ": ein Wagenrücklauf (\\x0D) am Ende eines Registers "
                        "geht in der Registerdatei verloren.");
        }
    }
}

std::vector<std::string> Builder::Missing() const {
    std::vector<std::string> missing;
    report_detail::BoundCharacters bound;
    std::vector<std::size_t> boundEnd(kRegisterCount, 0);
    for (const NamedSetting& setting : listing_.Settings()) {
        bound.Add(setting.chars);
        bool named = true;
        for (const CharRange& range : setting.chars) {
            boundEnd[range.reg] = std::max(boundEnd[range.reg], range.first + range.width);
            for (std::size_t i = 0; i < range.width; ++i)
                named = named && Owner(range.reg, range.first + i) != 0;
        }
        if (!named)
            missing.push_back(KeyOf(setting));
    }
    for (int reg = 0; reg < kRegisterCount; ++reg) {
        const auto length = lengths_.find(reg);
        const std::size_t end =
            length != lengths_.end()
                ? length->second
                : std::max({image_.Value(reg).size(), boundEnd[reg], std::size_t{1}});
        std::vector<std::size_t> open;
        for (std::size_t i = 0; i < end; ++i) {
            if (!bound.IsBound(reg, i) && Owner(reg, i) == 0)
                open.push_back(i);
        }
        if (!open.empty())
            missing.push_back(report_detail::RawName(reg, open, !bound.AnyBound(reg)));
    }
    return missing;
}

}  // namespace

TextImport ReadSettingsText(std::string_view text, const Register* base, Register& image) {
    TextImport result;
    std::vector<ContentLine> settingLines;
    std::vector<RawLine> rawLines;
    for (const ContentLine& line : report_detail::ContentLines(text, result.problems)) {
        if (!report_detail::IsRawLine(line.text)) {
            settingLines.push_back(line);
        } else if (std::optional<RawLine> raw = report_detail::ReadRawLine(line, result.problems)) {
            rawLines.push_back(std::move(*raw));
        }
    }
    Register start;
    if (base)
        CopyValues(*base, start);
    else
        for (int reg = 0; reg < kRegisterCount; ++reg)
            start.SetValue(reg, "");
    Register current;
    CopyValues(start, current);
    std::unique_ptr<Listing> listing;
    std::unique_ptr<Builder> built;
    for (int round = 0; round < kMostRounds; ++round) {
        listing = std::make_unique<Listing>(current);
        built = std::make_unique<Builder>(start, *listing);
        for (const ContentLine& line : settingLines)
            built->Apply(line);
        for (const RawLine& raw : rawLines)
            built->Apply(raw);
        built->Shorten();
        const bool settled = SameValues(built->Image(), current);
        CopyValues(built->Image(), current);
        if (settled)
            break;
    }
    built->CheckStorable();
    result.problems.insert(result.problems.end(), built->Problems().begin(),
                           built->Problems().end());
    std::stable_sort(result.problems.begin(), result.problems.end(),
                     [](const TextProblem& a, const TextProblem& b) { return a.line < b.line; });
    if (!base && result.problems.empty())
        result.missing = built->Missing();
    if (result.Taken())
        CopyValues(built->Image(), image);
    return result;
}

}  // namespace orvan
