#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/Register.h"
#include "pages/model/Binding.h"
#include "pages/model/HelpText.h"
#include "pages/model/KeyCircuits.h"
#include "pages/model/PreambleCode.h"
#include "pages/model/SplitText.h"

namespace orvan {

// What the PTT key and the call keys "RUF 1" and "RUF 2" send, and on which circuits: register
// 19 (flag, key functions, key circuits), the FMS identification and telegrams in registers 20
// to 22 with their last two characters in register 23, the five-tone sequences in registers 31
// and 32, and in register 23 the PTT circuits and the FMS preamble and final bit.
class TastenfunktionenModel {
  public:
    static constexpr std::string_view kTitle = "Tastenfunktionen";
    static constexpr std::size_t kKeyCount = 2;  // RUF 1, RUF 2

    // The page's three text fields.
    enum class Text { Identification, Ruf1, Ruf2 };
    static constexpr Text KeyText(std::size_t key) { return static_cast<Text>(key + 1); }

    explicit TastenfunktionenModel(const Register& image);

    // "FMS Kennung bei PTT"; any character but "0" reads as on.
    Flag& IdentificationOnPtt() { return identificationOnPtt_.value; }
    CircuitSet& PttCircuits() { return pttCircuits_.value; }
    KeyCircuits& Circuits(std::size_t key) { return keys_.at(key).circuits.value; }
    // "FMS senden", "Keine", "RUF1 senden" (or "RUF2 senden"), "Tonfolge senden".
    const ChoiceCode& Function(std::size_t key) const { return keys_.at(key).function.value; }
    // A function chosen from the key's list. Its text field follows: a plain call or none holds
    // "00000000", a telegram or a sequence is loaded again as the image holds it. Returns the
    // note on the unit's option that sending telegrams and sequences needs.
    std::optional<std::string> ChooseFunction(std::size_t key, std::string_view text);
    PreambleCode& Preamble() { return preamble_.value; }

    const std::string& TextOf(Text field) const { return Field(field).text; }
    // Characters the field holds at most: 10 for an FMS text, 5 for a sequence.
    std::size_t Limit(Text field) const { return Field(field).limit; }
    // Typing: a text over the limit loses the character at the limit, so a character typed
    // into a full field replaces its last one.
    void EditText(Text field, std::string typed);
    // The text for the FMS detail page: filled with "0" to ten characters.
    std::string DetailText(Text field) const;
    // The text the FMS detail page returned with OK.
    void SetText(Text field, std::string text) { Field(field).text = std::move(text); }

    // "FMS Telegramm:" or "Tonfolge:"; a key without either keeps its last caption.
    std::string_view TextCaption(std::size_t key) const { return keys_.at(key).caption; }
    bool TextEnabled(std::size_t key) const;
    bool DetailEnabled(std::size_t key) const;
    // "Konfiguration Tonfolge..." while a key sends a sequence.
    bool SequenceConfigEnabled() const;

    // "Hexwert eingeben!" while a text, upper-cased, is not hexadecimal.
    std::optional<std::string> Problem() const;
    // OK: writes nothing and returns false while there is a problem. A key's text goes to its
    // sequence register when it sends a sequence, else to its telegram register.
    bool Commit(Register& image) const;
    std::vector<NamedSetting> Settings() const;
    static HelpText Help();

  private:
    struct TextField {
        std::string text;
        std::size_t limit = 0;
    };
    struct CallKey {
        Bound<ChoiceCode> function;
        Bound<KeyCircuits> circuits;
        std::string telegram;  // as read: register 21/22 and its two characters of register 23
        std::string sequence;  // as read: register 31/32 and the same two characters
        std::string_view caption;
    };

    static CallKey BindKey(const Register& image, std::size_t key);
    TextField& Field(Text field) { return texts_.at(static_cast<std::size_t>(field)); }
    const TextField& Field(Text field) const { return texts_.at(static_cast<std::size_t>(field)); }
    // The telegram or sequence of a key as the image holds it, into its field.
    void LoadKeyText(std::size_t key);
    SplitText IdentificationBinding() const;
    SplitText KeyTextBinding(std::size_t key) const;

    // The bindings in the order of the page, the three texts as OK stores them.
    template <typename Use>
    auto WithBindings(Use use) const {
        const SplitText identification = IdentificationBinding();
        const SplitText ruf1 = KeyTextBinding(0);
        const SplitText ruf2 = KeyTextBinding(1);
        return use(std::tie(identificationOnPtt_, pttCircuits_, identification, keys_[0].function,
                            keys_[0].circuits, ruf1, keys_[1].function, keys_[1].circuits, ruf2,
                            preamble_));
    }

    Bound<Flag> identificationOnPtt_;
    Bound<CircuitSet> pttCircuits_;
    std::string identification_;  // as read
    std::array<CallKey, kKeyCount> keys_;
    Bound<PreambleCode> preamble_;
    std::array<TextField, 3> texts_;
};

}  // namespace orvan
