#pragma once

// The catalogue of named settings: what every page binds, under the names the page shows.
//
// A page adds its entries through its bindings, not through a list of its own. Every Bind...()
// call takes the setting's name (SettingName() of the group box caption and the control's
// caption), and each binding renders its current value in the page's words. The model keeps
// one function that ties its bindings together in the order the page shows them, and both its
// OK and its listing go through it:
//
//     auto Bindings() const { return std::tie(allowed_, multipleActive_, lastCircuits_); }
//     void Model::Commit(Register& image) const { CommitBindings(image, Bindings()); }
//     std::vector<NamedSetting> Model::Settings() const {
//         return ListSettings(kTitle, Bindings());
//     }
//
// so the list names exactly the characters the page writes. Arrays of bindings (per circuit)
// list in circuit order. A binding type of a page's own (a text split over several registers)
// joins in by offering the same two members as Bound<>: WriteTo(Register&) and Entry(), whose
// chars name every piece it writes and whose read turns words back into those characters. A page is
// listed for the whole image by adding its line to the table in PageCatalogue.cpp, in the order of
// the configuration tree.

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "pages/model/Words.h"

namespace orvan {

// Characters first to first + width - 1 of register reg.
struct CharRange {
    int reg = 0;
    std::size_t first = 0;
    std::size_t width = 0;
};

// One setting of one page: where it is stored, its name and its current value in words.
struct NamedSetting {
    std::string page;              // the page's title, "BUSY Ausgang Konfiguration"
    std::string name;              // "BUSY Ausgang Funkkreis 2"
    std::string words;             // "BUSY aktiv bei TX aktiv"
    std::vector<CharRange> chars;  // one range, or one per register a split value spans
    // The inverse of the words: what OK writes for a value in the page's words (without the
    // " (gespeichert: x)" note).
    std::function<WordsReading(std::string_view words)> read;
};

namespace catalogue_detail {

template <typename Binding>
void Append(std::vector<NamedSetting>& list, std::string_view page, const Binding& binding) {
    NamedSetting entry = binding.Entry();
    entry.page = page;
    list.push_back(std::move(entry));
}

template <typename Binding, std::size_t count>
void Append(std::vector<NamedSetting>& list, std::string_view page,
            const std::array<Binding, count>& bindings) {
    for (const Binding& binding : bindings)
        Append(list, page, binding);
}

template <typename Binding>
void Append(std::vector<NamedSetting>& list, std::string_view page,
            const std::vector<Binding>& bindings) {
    for (const Binding& binding : bindings)
        Append(list, page, binding);
}

}  // namespace catalogue_detail

// The page's settings in the order of the bindings given (single bindings, arrays or vectors
// of them).
template <typename... Bindings>
std::vector<NamedSetting> ListSettings(std::string_view page, const Bindings&... bindings) {
    std::vector<NamedSetting> list;
    (catalogue_detail::Append(list, page, bindings), ...);
    return list;
}

template <typename... Bindings>
std::vector<NamedSetting> ListSettings(std::string_view page,
                                       const std::tuple<Bindings&...>& bindings) {
    return std::apply([page](const auto&... each) { return ListSettings(page, each...); },
                      bindings);
}

}  // namespace orvan
