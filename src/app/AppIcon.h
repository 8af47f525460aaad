#pragma once

#include <QIcon>

namespace orvan {

// Registers the embedded resources (icon, Qt's German translations); safe to call repeatedly.
void EnsureResources();

// The program's own icon, from the embedded resources.
QIcon ApplicationIcon();

}  // namespace orvan
