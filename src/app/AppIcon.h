#pragma once

#include <QIcon>

namespace orvan {

// The program's own icon, from the embedded resources.
QIcon ApplicationIcon();

}  // namespace orvan
