#include "pages/model/SplitText.h"

#include "core/TextFunctions.h"
#include "pages/model/Binding.h"

namespace orvan {

namespace {

std::size_t Width(std::span<const CharRange> pieces) {
    std::size_t width = 0;
    for (const CharRange& piece : pieces)
        width += piece.width;
    return width;
}

}  // namespace

void SplitText::WriteTo(Register& image) const {
    const std::string chars = PadRightZeros(text, Width(pieces)).substr(0, Width(pieces));
    std::size_t from = 0;
    for (const CharRange& piece : pieces) {
        image.ReplaceChars(piece.reg, piece.first,
                           std::string_view(chars).substr(from, piece.width));
        from += piece.width;
    }
}

std::string ReadSplit(const Register& image, std::span<const CharRange> pieces) {
    std::string chars;
    for (const CharRange& piece : pieces)
        chars += ReadChars(image, {piece.reg, piece.first}, piece.width);
    return chars;
}

}  // namespace orvan
