#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/Register.h"
#include "pages/model/Catalogue.h"

namespace orvan {

using CharPosition = std::pair<int, std::size_t>;

// Every register eight different characters, none of them a digit the pages write, so that
// every character a page commits differs from its neighbours and from the target's.
inline void FillDistinct(Register& image) {
    static const std::string kPool =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ!#$%&()*+";
    for (int reg = 0; reg < kRegisterCount; ++reg) {
        std::string value;
        for (std::size_t i = 0; i < kValueLength; ++i)
            value += kPool[(static_cast<std::size_t>(reg) * 7 + i) % kPool.size()];
        image.SetValue(reg, value);
    }
}

// The characters a list of settings names; a character named twice fails the test.
inline std::set<CharPosition> ListedPositions(const std::vector<NamedSetting>& settings) {
    std::set<CharPosition> listed;
    for (const NamedSetting& setting : settings) {
        EXPECT_FALSE(setting.name.empty()) << setting.page;
        EXPECT_FALSE(setting.words.empty()) << setting.name;
        for (const CharRange& range : setting.chars) {
            for (std::size_t i = 0; i < range.width; ++i) {
                EXPECT_TRUE(listed.insert({range.reg, range.first + i}).second)
                    << setting.name << " names register " << range.reg << " char "
                    << range.first + i << " again";
            }
        }
    }
    return listed;
}

// What commit(target) writes when the page was loaded from an image of distinct characters:
// the positions of a "~"-filled target that no longer hold "~".
template <typename Commit>
std::set<CharPosition> CommittedPositions(Commit commit) {
    Register target;
    for (int reg = 0; reg < kRegisterCount; ++reg)
        target.SetValue(reg, std::string(kValueLength, '~'));
    commit(target);
    std::set<CharPosition> written;
    for (int reg = 0; reg < kRegisterCount; ++reg) {
        const std::string& value = target.Value(reg);
        for (std::size_t i = 0; i < value.size(); ++i) {
            if (value[i] != '~')
                written.insert({reg, i});
        }
    }
    return written;
}

// The page's list names exactly the characters its OK writes.
template <typename Model>
void ExpectListCoversCommit(const Model& model) {
    EXPECT_EQ(ListedPositions(model.Settings()),
              CommittedPositions([&](Register& target) { model.Commit(target); }));
}

}  // namespace orvan
