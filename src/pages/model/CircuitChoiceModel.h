#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "core/Register.h"
#include "pages/model/Binding.h"

namespace orvan {

// A page that is nothing but choices per radio circuit: its title and its rows, each row one
// register with a choice per circuit, in the order the page shows and writes them.
struct CircuitChoicePage {
    std::string_view title;
    std::span<const CircuitChoiceRow> rows;
};

// The working copy of such a page.
class CircuitChoiceModel {
  public:
    CircuitChoiceModel(const Register& image, const CircuitChoicePage& page);

    std::string_view Title() const { return page_.title; }
    std::span<const CircuitChoiceRow> Rows() const { return page_.rows; }
    ChoiceCode& Choice(std::size_t row, std::size_t circuit);
    const ChoiceCode& Choice(std::size_t row, std::size_t circuit) const;

    // OK: the rows in their order, each circuit's code as chosen or as read.
    void Commit(Register& image) const;
    std::vector<NamedSetting> Settings() const;

  private:
    CircuitChoicePage page_;
    std::vector<CircuitChoices> rows_;
};

}  // namespace orvan
