#include "report/Description.h"

#include "core/TextFunctions.h"
#include "pages/model/Words.h"
#include "report/PageCatalogue.h"

namespace orvan {

namespace report_detail {

void BoundCharacters::Add(const std::vector<CharRange>& ranges) {
    for (const CharRange& range : ranges) {
        std::vector<bool>& bound = bound_.at(range.reg);
        if (bound.size() < range.first + range.width)
            bound.resize(range.first + range.width, false);
        for (std::size_t i = 0; i < range.width; ++i)
            bound[range.first + i] = true;
    }
}

bool BoundCharacters::IsBound(int reg, std::size_t index) const {
    const std::vector<bool>& bound = bound_.at(reg);
    return index < bound.size() && bound[index];
}

bool BoundCharacters::AnyBound(int reg) const {
    for (bool bound : bound_.at(reg)) {
        if (bound)
            return true;
    }
    return false;
}

std::string RawName(int reg, const std::vector<std::size_t>& positions, bool whole) {
    std::string name = "Register " + PadLeftZeros(std::to_string(reg), 3);
    if (whole)
        return name;
    std::string runs;
    for (std::size_t k = 0; k < positions.size();) {
        std::size_t end = k;
        while (end + 1 < positions.size() && positions[end + 1] == positions[end] + 1)
            ++end;
        if (!runs.empty())
            runs += ", ";
        runs += std::to_string(positions[k]);
        if (end > k)
            runs += "-" + std::to_string(positions[end]);
        k = end + 1;
    }
    return name + " (Zeichen " + runs + ")";
}

std::string CharactersAt(const std::string& value, const std::vector<std::size_t>& positions) {
    std::string chars;
    for (std::size_t i : positions) {
        if (i < value.size())
            chars += value[i];
    }
    return RawCharacters(chars);
}

std::string RawValue(const std::string& value, const std::vector<std::size_t>& positions) {
    const std::string chars = CharactersAt(value, positions);
    return chars.empty() ? "(leer)" : chars;
}

}  // namespace report_detail

using report_detail::BoundCharacters;

std::vector<DescribedSetting> DescribeImage(const Register& image) {
    std::vector<DescribedSetting> described;
    BoundCharacters bound;
    for (NamedSetting& setting : AllSettings(image)) {
        bound.Add(setting.chars);
        described.push_back({std::move(setting.page), std::move(setting.name),
                             std::move(setting.words), std::move(setting.chars)});
    }
    for (int reg = 0; reg < kRegisterCount; ++reg) {
        const std::string& value = image.Value(reg);
        const bool whole = !bound.AnyBound(reg);
        std::vector<std::size_t> positions;
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (!bound.IsBound(reg, i))
                positions.push_back(i);
        }
        if (positions.empty() && !whole)
            continue;
        std::vector<CharRange> chars;
        for (std::size_t i : positions)
            chars.push_back({reg, i, 1});
        described.push_back({{},
                             report_detail::RawName(reg, positions, whole),
                             report_detail::RawValue(value, positions),
                             std::move(chars)});
    }
    return described;
}

std::string DescriptionLine(const std::string& page, const std::string& name,
                            const std::string& value) {
    if (page.empty())
        return name + ": " + value;
    return page + " › " + name + ": " + value;
}

}  // namespace orvan
