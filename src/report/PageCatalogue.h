#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "core/Register.h"
#include "pages/model/Catalogue.h"

namespace orvan {

// A page of the catalogue: its title and how it lists its settings on an image.
struct CataloguedPage {
    std::string_view title;
    std::vector<NamedSetting> (*settings)(const Register& image);
};

// Every page with settings, in the order of the configuration tree; a page opened from
// another page follows the page that opens it.
std::span<const CataloguedPage> CataloguedPages();

// The settings of all catalogued pages on the image, page after page.
std::vector<NamedSetting> AllSettings(const Register& image);

}  // namespace orvan
