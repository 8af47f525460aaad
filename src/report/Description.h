#pragma once

#include <string>
#include <vector>

#include "core/Register.h"
#include "pages/model/Catalogue.h"

namespace orvan {

// One line of an image's description: a setting of a page, or the characters of one register
// that no page binds ("raw", page empty).
struct DescribedSetting {
    std::string page;
    std::string name;   // the setting's name, or "Register 017", "Register 012 (Zeichen 3, 6-7)"
    std::string words;  // the value in the page's words, or the raw characters
    std::vector<CharRange> chars;

    bool Raw() const { return page.empty(); }
};

// The image setting by setting in the order of the configuration tree and of each page, then
// register by register every character that no page binds. Every character of every register
// value is described exactly once; a register that no page touches is described whole, even
// when its value is empty.
std::vector<DescribedSetting> DescribeImage(const Register& image);

// "Seite › Einstellung: Wert", or "Register 017: Wert" for raw characters.
std::string DescriptionLine(const std::string& page, const std::string& name,
                            const std::string& value);

namespace report_detail {

// Which characters of each register the settings bind.
class BoundCharacters {
  public:
    void Add(const std::vector<CharRange>& ranges);
    bool IsBound(int reg, std::size_t index) const;
    bool AnyBound(int reg) const;

  private:
    std::vector<std::vector<bool>> bound_ = std::vector<std::vector<bool>>(kRegisterCount);
};

// "Register 017", with the positions when only some characters are meant: "Register 012
// (Zeichen 3, 6-7)".
std::string RawName(int reg, const std::vector<std::size_t>& positions, bool whole);
// The characters of value at the positions that exist, made printable.
std::string CharactersAt(const std::string& value, const std::vector<std::size_t>& positions);
// The same for a raw line: "(leer)" when there is none.
std::string RawValue(const std::string& value, const std::vector<std::size_t>& positions);

}  // namespace report_detail

}  // namespace orvan
