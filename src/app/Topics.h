#pragma once

#include <span>
#include <string_view>

#include "app/PageFactory.h"

namespace orvan {

// A configuration topic of the tree and the page it opens; a null factory opens nothing.
struct Topic {
    const char* text;
    PageFactory factory;
};

// The topics in the order a chosen item's text is compared with them.
std::span<const Topic> DispatchTable();

// One line of the configuration tree in display order; a child belongs to the group above it.
struct TreeLine {
    const char* text;
    bool child;
};

std::span<const TreeLine> TreeLayout();

// The factory of the first topic whose text equals text exactly; null when there is none.
PageFactory FindPage(std::span<const Topic> table, std::string_view text);

}  // namespace orvan
