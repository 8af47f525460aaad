#include "pages/model/TastenfunktionenModel.h"

#include <algorithm>

#include "core/TextFunctions.h"
#include "pages/model/DetailFMSModel.h"
#include "pages/model/ValidationMessages.h"

namespace orvan {

namespace {

constexpr int kKeyRegister = 19;
constexpr int kIdentificationRegister = 20;
constexpr int kFirstTelegramRegister = 21;
constexpr int kFirstSequenceRegister = 31;
// PTT circuits, the last two characters of each FMS text, preamble and final bit.
constexpr int kSharedRegister = 23;

constexpr std::size_t kHeadLength = 8;  // of a text, in its own register
constexpr std::size_t kTailLength = 2;  // of a text, in register 23
constexpr std::size_t kFmsLength = DetailFMSModel::kLength;
constexpr std::size_t kSequenceLength = 5;
constexpr std::size_t kPlainCallLimit = 8;

constexpr char kNoFunction = '0';
constexpr char kPlainCall = '1';
constexpr char kSendTelegram = '2';
constexpr char kSendSequence = '3';

// In the lists' sorted order.
constexpr ChoiceOption kRuf1Options[] = {{kSendTelegram, "FMS senden"},
                                         {kNoFunction, "Keine"},
                                         {kPlainCall, "RUF1 senden"},
                                         {kSendSequence, "Tonfolge senden"}};
constexpr ChoiceOption kRuf2Options[] = {{kSendTelegram, "FMS senden"},
                                         {kNoFunction, "Keine"},
                                         {kPlainCall, "RUF2 senden"},
                                         {kSendSequence, "Tonfolge senden"}};
constexpr ChoiceTable kFunctions[] = {{kRuf1Options, std::nullopt}, {kRuf2Options, std::nullopt}};

constexpr std::string_view kPttGroup = "PTT";
constexpr std::string_view kKeyGroups[] = {"RUF 1 Taste", "RUF 2 Taste"};
constexpr std::string_view kFunctionCaptions[] = {"Funktion RUF1-Taste:", "Funktion RUF2-Taste:"};
constexpr std::string_view kTelegramCaption = "FMS Telegramm:";
constexpr std::string_view kSequenceCaption = "Tonfolge:";
constexpr std::string_view kPreambleGroup =
    "Konfiguration Vorlauf & Schlussbit (für alle Telegramme)";

constexpr std::string_view kOptionMessage =
    "Um diese Funktion zu nutzen, muss der Orvan mit der Option \"Geber/Auswerter\" "
    "ausgestattet sein!";

std::vector<CharRange> TextPieces(int reg, std::size_t key) {
    return {{reg, 0, kHeadLength}, {kSharedRegister, 3 + kTailLength * key, kTailLength}};
}

std::vector<CharRange> TelegramPieces(std::size_t key) {
    return TextPieces(kFirstTelegramRegister + static_cast<int>(key), key);
}

std::vector<CharRange> SequencePieces(std::size_t key) {
    return TextPieces(kFirstSequenceRegister + static_cast<int>(key), key);
}

std::vector<CharRange> IdentificationPieces() {
    return {{kIdentificationRegister, 0, kHeadLength}, {kSharedRegister, 1, kTailLength}};
}

// A text as OK stores it: upper case, filled with "0" to ten characters.
std::string StoredText(std::string_view text) {
    return PadRightZeros(ToUpperAscii(text), kFmsLength);
}

// What OK stores for a text typed into a field that holds limit characters; the words may
// carry the fields of an FMS text after the text.
std::function<WordsReading(std::string_view)> TextReader(std::size_t limit) {
    return [limit](std::string_view words) -> WordsReading {
        // A full text that OK would keep as it stands reads back so, even one the page would
        // not let anybody type.
        const std::optional<std::string> whole = CharactersFromRaw(words);
        if (whole && whole->size() == limit && ToUpperAscii(*whole) == *whole)
            return {StoredText(*whole), {}};
        const std::optional<std::string> text =
            CharactersFromRaw(words.substr(0, words.find(" (")));
        if (!text || text->size() > limit || !IsHexText(ToUpperAscii(*text)))
            return Refused(words, "bis zu " + std::to_string(limit) + " Hexadezimalziffern");
        return {StoredText(*text), {}};
    };
}

// An FMS text with its fields in words.
std::string FmsWords(const std::string& stored) {
    const std::string fields = DetailFMSModel::Describe(stored);
    return fields.empty() ? RawCharacters(stored) : stored + " (" + fields + ")";
}

// Where the character at `position` (counting characters, not bytes) begins in UTF-8 text.
std::size_t CharacterStart(std::string_view text, std::size_t position) {
    std::size_t characters = 0;
    for (std::size_t byte = 0; byte < text.size(); ++byte) {
        if ((static_cast<unsigned char>(text[byte]) & 0xC0) == 0x80)
            continue;
        if (characters++ == position)
            return byte;
    }
    return text.size();
}

std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

TastenfunktionenModel::CallKey TastenfunktionenModel::BindKey(const Register& image,
                                                              std::size_t key) {
    const std::string group(kKeyGroups[key]);
    return {BindChoice(image, {kKeyRegister, 1 + key}, kFunctions[key],
                       SettingName({group, kFunctionCaptions[key]})),
            {{kKeyRegister, 5 + key},
             KeyCircuits(image.CharAt(kKeyRegister, 5 + key)),
             SettingName({group, "auf Kreis:"})},
            ReadSplit(image, TelegramPieces(key)),
            ReadSplit(image, SequencePieces(key)),
            kTelegramCaption};
}

TastenfunktionenModel::TastenfunktionenModel(const Register& image)
    : identificationOnPtt_(BindFlag(image, {kKeyRegister, 0},
                                    SettingName({kPttGroup, "FMS Kennung bei PTT"}),
                                    Flag::Reading::AnyButZeroIsOn)),
      pttCircuits_(
          BindCircuitSet(image, {kSharedRegister, 0}, SettingName({kPttGroup, "auf Kreis:"}))),
      identification_(ReadSplit(image, IdentificationPieces())),
      keys_{BindKey(image, 0), BindKey(image, 1)},
      preamble_{{kSharedRegister, 7},
                PreambleCode(image.CharAt(kSharedRegister, 7)),
                SettingName({kPreambleGroup})} {
    Field(Text::Identification) = {identification_, kFmsLength};
    for (std::size_t key = 0; key < kKeyCount; ++key) {
        const char function = Function(key).Code();
        if (function == kPlainCall)
            Field(KeyText(key)).limit = kPlainCallLimit;
        else if (function == kSendTelegram || function == kSendSequence)
            LoadKeyText(key);
    }
}

void TastenfunktionenModel::LoadKeyText(std::size_t key) {
    CallKey& callKey = keys_.at(key);
    if (callKey.function.value.Code() == kSendSequence) {
        callKey.caption = kSequenceCaption;
        Field(KeyText(key)) = {callKey.sequence.substr(0, kSequenceLength), kSequenceLength};
    } else {
        callKey.caption = kTelegramCaption;
        Field(KeyText(key)) = {callKey.telegram, kFmsLength};
    }
}

std::optional<std::string> TastenfunktionenModel::ChooseFunction(std::size_t key,
                                                                 std::string_view text) {
    ChoiceCode& function = keys_.at(key).function.value;
    const auto options = function.Options();
    if (std::none_of(options.begin(), options.end(),
                     [text](const ChoiceOption& option) { return option.text == text; })) {
        return std::nullopt;
    }
    function.ChooseText(text);
    if (function.Code() == kNoFunction || function.Code() == kPlainCall) {
        Field(KeyText(key)) = {std::string(kHeadLength, '0'), kPlainCallLimit};
        return std::nullopt;
    }
    LoadKeyText(key);
    return std::string(kOptionMessage);
}

void TastenfunktionenModel::EditText(Text field, std::string typed) {
    TextField& edited = Field(field);
    // A field of no length loses what is typed at its front.
    const std::size_t cut = std::max<std::size_t>(edited.limit, 1) - 1;
    while (CharacterCount(typed) > edited.limit) {
        const std::size_t from = CharacterStart(typed, cut);
        typed.erase(from, CharacterStart(typed, cut + 1) - from);
    }
    edited.text = std::move(typed);
}

std::string TastenfunktionenModel::DetailText(Text field) const {
    return PadRightZeros(TextOf(field), kFmsLength);
}

bool TastenfunktionenModel::TextEnabled(std::size_t key) const {
    const char function = Function(key).Code();
    return function == kSendTelegram || function == kSendSequence;
}

bool TastenfunktionenModel::DetailEnabled(std::size_t key) const {
    return Function(key).Code() == kSendTelegram;
}

bool TastenfunktionenModel::SequenceConfigEnabled() const {
    return std::any_of(keys_.begin(), keys_.end(), [](const CallKey& key) {
        return key.function.value.Code() == kSendSequence;
    });
}

std::optional<std::string> TastenfunktionenModel::Problem() const {
    for (const TextField& field : texts_) {
        if (!IsHexText(ToUpperAscii(field.text)))
            return HexValueMessage();
    }
    return std::nullopt;
}

bool TastenfunktionenModel::Commit(Register& image) const {
    if (Problem())
        return false;
    WithBindings([&image](const auto& bindings) { CommitBindings(image, bindings); });
    return true;
}

std::vector<NamedSetting> TastenfunktionenModel::Settings() const {
    return WithBindings([](const auto& bindings) { return ListSettings(kTitle, bindings); });
}

SplitText TastenfunktionenModel::IdentificationBinding() const {
    const std::string stored = StoredText(TextOf(Text::Identification));
    return {IdentificationPieces(), stored, SettingName({kPttGroup, "FMS Kennung:"}),
            WithOddCharacter(FmsWords(stored), identification_, stored), TextReader(kFmsLength)};
}

SplitText TastenfunktionenModel::KeyTextBinding(std::size_t key) const {
    const CallKey& callKey = keys_.at(key);
    const std::string stored = StoredText(TextOf(KeyText(key)));
    const char function = callKey.function.value.Code();
    if (function == kSendSequence) {
        return {SequencePieces(key), stored, SettingName({kKeyGroups[key], kSequenceCaption}),
                WithOddCharacter(RawCharacters(stored.substr(0, kSequenceLength)), callKey.sequence,
                                 stored),
                TextReader(kSequenceLength)};
    }
    const std::string words = function == kSendTelegram ? FmsWords(stored) : RawCharacters(stored);
    return {TelegramPieces(key), stored, SettingName({kKeyGroups[key], kTelegramCaption}),
            WithOddCharacter(words, callKey.telegram, stored),
            TextReader(TextEnabled(key) ? Limit(KeyText(key)) : kFmsLength)};
}

HelpText TastenfunktionenModel::Help() {
    return {"Hilfe Tastenfunktionen", MessageIcon::None,
            "Allgemein:\n"
            "Die Funktionen \"FMS-Kennung senden\", \"FMS-Telegramm senden\" und\n"
            "\"Tonfolge senden\" sind nur bei Option Geber/Auswerter verfügbar.\n\n"
            "PTT:\n"
            "Hier kann eingestellt werden, auf welchen Kreisen bei einer Sendertastung\n"
            "eine FMS-Kennung gesendet wird. Auf allen Kreisen wird die selbe Kennung "
            "gesendet.\n\n"
            "RUF 1/2 Tasten:\n"
            "Die Funktion der RUF 1 Taste wird wie folgt eingestellt. Wenn \"auf aktuellen "
            "Kreis\"\n"
            "aktiviert wird, dann wird der Ruf 1, das FMS-Telegramm oder die Tonfolge auf\n"
            "allen gerade aktivierten Kreisen gesendet. Werden ein oder mehrere einzelne\n"
            "Kreise ausgewählt, dann werden diese Kreise aktiviert und der Ruf 1,das FMS-\n"
            "Telegramm oder die Tonfolge werden auf diesen Kreisen gesendet.\n"
            "Programmierung der RUF 2 Taste funktioniert analog.\n\n"
            "Vorlauf & Schlussbit:\n"
            "Hier kann gewählt werden, ob der verbesserte Vorlauf (empfohlen: zusätzliche\n"
            "Vorlaufbits verbessern Synchronisation) oder ausschließlich der Vorlauf nach\n"
            "FMS-Richtlinie verwendet wird.\n"
            "Des Weiteren kann das Schlussbit der Telegramme auf 0 (Standardeinstellung)\n"
            "oder 1 gesetzt werden.\n\n"
            "Konfiguration Tonfolge...\n"
            "Über diese Schaltfläche können (falls einer Ruftaste eine Tonfolge zugewiesen\n"
            "wurde) das zu benutzende Tonrufsystem, die Länge der Töne und die\n"
            "Pausenlänge zwischen Ruf und Kennung eingestellt werden."};
}

}  // namespace orvan
