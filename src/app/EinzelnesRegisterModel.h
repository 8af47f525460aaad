#pragma once

#include <string>
#include <string_view>

#include "core/Register.h"

namespace orvan {

// What the single-register dialog does with its two fields, free of any widget.
class EinzelnesRegisterModel {
  public:
    enum class WriteResult { Written, NotHex, NothingWritten };

    static constexpr std::size_t kContentLimit = 8;
    static constexpr const char* kHelpCaption = "Hilfe Einzelnes Register";
    static const char* HelpText();

    explicit EinzelnesRegisterModel(Register& image);

    // Takes the fields' texts into the members. Returns the message of the failed number check,
    // or an empty text; a number that is no number leaves the member as it was.
    std::string TakeFields(std::string_view numberText, std::string_view contentText);

    // "Lesen": the content of the chosen register; register 0 for a number out of range.
    void Read();
    // "Schreiben": the upper-cased, zero-padded content into the chosen register.
    WriteResult Write();

    int Number() const { return number_; }
    const std::string& Content() const { return content_; }

  private:
    bool NumberInRange() const { return number_ >= 0 && number_ < kRegisterCount; }

    Register& image_;
    int number_ = 0;
    std::string content_;
    bool numberMissing_ = false;
};

}  // namespace orvan
