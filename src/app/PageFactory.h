#pragma once

#include <QDialog>

#include <memory>

#include "ui/UserInterface.h"
#include "core/Register.h"

namespace orvan {

// Builds a configuration page on the image; the tree runs it modally and destroys it.
using PageFactory = std::unique_ptr<QDialog> (*)(Register& image, UserInterface& ui);

template <typename Page>
std::unique_ptr<QDialog> MakePage(Register& image, UserInterface& ui) {
    return std::make_unique<Page>(image, ui);
}

}  // namespace orvan
