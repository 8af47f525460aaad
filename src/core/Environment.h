#pragma once

#include <string>

namespace orvan {

// The value of an environment variable as UTF-8, empty when it is not set. On Windows it comes
// from the wide environment: the narrow one holds the ANSI code page, which lacks most of Unicode
// and gives "ü" as a byte no UTF-8 reader accepts.
std::string EnvironmentText(const char* name);

}  // namespace orvan
