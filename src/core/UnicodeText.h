#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvan {

// The program keeps text as UTF-8; Windows speaks UTF-16 at its wide APIs. Both conversions are
// done here by hand, so that they behave alike on every platform and never throw.

// Empty when text is not well-formed UTF-8 (a stray byte, a cut sequence, an overlong form, an
// encoded surrogate): such a text names nothing on Windows.
std::optional<std::u16string> Utf16FromUtf8(std::string_view text);

// A lone surrogate, which Windows allows in file names, becomes U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);

}  // namespace orvan
