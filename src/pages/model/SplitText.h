#pragma once

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/Register.h"
#include "pages/model/Catalogue.h"

namespace orvan {

// A text stored piece after piece in several places, such as an FMS text whose first eight
// characters fill one register and whose last two stand in another. A binding of its own kind:
// it writes and lists every piece.
struct SplitText {
    std::vector<CharRange> pieces;
    std::string text;  // the characters in the order of the pieces
    std::string name;
    std::string words;
    std::function<WordsReading(std::string_view words)> read;  // what OK writes for words

    // Each piece in place; a text shorter than the pieces is filled with "0", a longer one cut.
    void WriteTo(Register& image) const;
    NamedSetting Entry() const { return {{}, name, words, pieces, read}; }
};

// The characters of the pieces in turn; a value that ends early reads as "0" there.
std::string ReadSplit(const Register& image, std::span<const CharRange> pieces);

}  // namespace orvan
