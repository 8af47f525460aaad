#include "report/Comparison.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

#include "core/TextFunctions.h"
#include "report/Description.h"
#include "report/PageCatalogue.h"

namespace orvan {

namespace {

using report_detail::BoundCharacters;

// Stands for a setting the other image does not list at all.
constexpr const char* kNotListed = "—";

// The positions at which two values differ; a character one of them lacks differs too.
std::vector<std::size_t> DifferingPositions(const std::string& a, const std::string& b) {
    std::vector<std::size_t> positions;
    const std::size_t length = std::max(a.size(), b.size());
    for (std::size_t i = 0; i < length; ++i) {
        const bool inA = i < a.size(), inB = i < b.size();
        if (inA != inB || (inA && a[i] != b[i]))
            positions.push_back(i);
    }
    return positions;
}

class DifferingCharacters {
  public:
    DifferingCharacters(const Register& a, const Register& b) {
        for (int reg = 0; reg < kRegisterCount; ++reg)
            positions_[reg] = DifferingPositions(a.Value(reg), b.Value(reg));
    }
    bool Differs(int reg, std::size_t i) const {
        const std::vector<std::size_t>& at = positions_.at(reg);
        return std::binary_search(at.begin(), at.end(), i);
    }
    bool AnyDiffers(const std::vector<CharRange>& ranges) const {
        for (const CharRange& range : ranges) {
            for (std::size_t i = 0; i < range.width; ++i) {
                if (Differs(range.reg, range.first + i))
                    return true;
            }
        }
        return false;
    }
    const std::vector<std::size_t>& In(int reg) const { return positions_.at(reg); }

  private:
    std::array<std::vector<std::size_t>, kRegisterCount> positions_;
};

// The characters a setting stands on, as far as the image holds them.
std::string StoredCharacters(const Register& image, const std::vector<CharRange>& ranges) {
    std::string stored;
    for (const CharRange& range : ranges) {
        std::vector<std::size_t> positions;
        for (std::size_t i = 0; i < range.width; ++i)
            positions.push_back(range.first + i);
        stored += report_detail::CharactersAt(image.Value(range.reg), positions);
    }
    return stored.empty() ? "nichts" : stored;
}

using Key = std::pair<std::string, std::string>;

std::map<Key, const NamedSetting*> ByName(const std::vector<NamedSetting>& settings) {
    std::map<Key, const NamedSetting*> byName;
    for (const NamedSetting& setting : settings)
        byName.emplace(Key{setting.page, setting.name}, &setting);
    return byName;
}

}  // namespace

std::vector<Difference> CompareImages(const Register& before, const Register& after) {
    const DifferingCharacters differing(before, after);
    const std::vector<NamedSetting> listA = AllSettings(before);
    const std::vector<NamedSetting> listB = AllSettings(after);
    const auto inA = ByName(listA);
    const auto inB = ByName(listB);
    BoundCharacters bound;
    std::vector<Difference> differences;

    auto add = [&](const NamedSetting* a, const NamedSetting* b) {
        const NamedSetting& any = a != nullptr ? *a : *b;
        const bool differs = (a != nullptr && differing.AnyDiffers(a->chars)) ||
                             (b != nullptr && differing.AnyDiffers(b->chars));
        if (!differs)
            return;
        Difference difference{any.page, any.name, a != nullptr ? a->words : kNotListed,
                              b != nullptr ? b->words : kNotListed};
        // Characters that read as the same words still differ: show them.
        if (a != nullptr && b != nullptr && a->words == b->words) {
            difference.before += " (gespeichert: " + StoredCharacters(before, a->chars) + ")";
            difference.after += " (gespeichert: " + StoredCharacters(after, b->chars) + ")";
        }
        differences.push_back(std::move(difference));
    };
    for (const NamedSetting& a : listA) {
        bound.Add(a.chars);
        const auto match = inB.find(Key{a.page, a.name});
        add(&a, match != inB.end() ? match->second : nullptr);
    }
    for (const NamedSetting& b : listB) {
        bound.Add(b.chars);
        if (!inA.contains(Key{b.page, b.name}))
            add(nullptr, &b);
    }

    for (int reg = 0; reg < kRegisterCount; ++reg) {
        const std::vector<std::size_t>& positions = differing.In(reg);
        const bool rawDiffers = std::any_of(positions.begin(), positions.end(),
                                            [&](std::size_t i) { return !bound.IsBound(reg, i); });
        if (!rawDiffers)
            continue;
        const std::string& a = before.Value(reg);
        const std::string& b = after.Value(reg);
        const bool whole = !bound.AnyBound(reg);
        std::vector<std::size_t> unbound;
        for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
            if (!bound.IsBound(reg, i))
                unbound.push_back(i);
        }
        differences.push_back({{},
                               report_detail::RawName(reg, unbound, whole),
                               report_detail::RawValue(a, unbound),
                               report_detail::RawValue(b, unbound)});
    }
    return differences;
}

std::unique_ptr<Register> AsTheUnitReturns(const Register& image) {
    auto returned = std::make_unique<Register>();
    for (int reg = 0; reg < kRegisterCount; ++reg) {
        std::string value = image.Value(reg).substr(0, kValueLength);
        returned->SetValue(reg, ToUpperAscii(PadRightZeros(value, kValueLength)));
    }
    return returned;
}

std::vector<Difference> CompareWithUnit(const Register& sent, const Register& unit) {
    return CompareImages(*AsTheUnitReturns(sent), *AsTheUnitReturns(unit));
}

std::string DifferenceLine(const Difference& difference) {
    return DescriptionLine(difference.page, difference.name,
                           difference.before + " → " + difference.after);
}

}  // namespace orvan
