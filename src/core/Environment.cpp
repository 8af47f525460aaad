#include "core/Environment.h"

#ifdef _WIN32
#include <windows.h>

#include "core/UnicodeText.h"
#else
#include <cstdlib>
#endif

namespace orvan {

#ifdef _WIN32
std::string EnvironmentText(const char* name) {
    const std::wstring wideName(name, name + std::char_traits<char>::length(name));
    std::wstring value(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(),
                                                     static_cast<DWORD>(value.size()));
        if (length == 0) {
            return {};
        }
        if (length < value.size()) {
            value.resize(length);
            return Utf8FromUtf16(std::u16string(value.begin(), value.end()));
        }
        value.resize(length);  // the size needed, with its terminating zero
    }
}
#else
std::string EnvironmentText(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}
#endif

}  // namespace orvan
