#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/Register.h"
#include "pages/model/Binding.h"
#include "pages/model/HelpText.h"
#include "pages/model/ToneCallCodes.h"

namespace orvan {

// Per circuit, which tone call the unit evaluates, when a detected call activates the circuit
// and how that is announced: registers 41-44 (circuit 0 to 3), chars 0-2.
class TonrufauswertungModel {
  public:
    static constexpr std::string_view kTitle = "Tonrufauswertung";

    explicit TonrufauswertungModel(const Register& image);

    // "Keiner", "1", "2", "1 und 2".
    ChoiceCode& ToneCall(std::size_t circuit) { return circuits_.at(circuit).toneCall.value; }
    ActivationCode& Activation(std::size_t circuit) {
        return circuits_.at(circuit).activation.value;
    }
    NotificationCode& Notification(std::size_t circuit) {
        return circuits_.at(circuit).notification.value;
    }

    // OK: the three characters of every circuit; the rest of each register stays.
    void Commit(Register& image) const;
    std::vector<NamedSetting> Settings() const;
    static HelpText Help();

  private:
    struct Circuit {
        Bound<ChoiceCode> toneCall;
        Bound<ActivationCode> activation;
        Bound<NotificationCode> notification;
    };

    // Circuit by circuit, each in the order of its group.
    auto Bindings() const {
        const auto& [one, two, three, four] = circuits_;
        return std::tie(one.toneCall, one.activation, one.notification, two.toneCall,
                        two.activation, two.notification, three.toneCall, three.activation,
                        three.notification, four.toneCall, four.activation, four.notification);
    }

    std::array<Circuit, kCircuitCount> circuits_;
};

}  // namespace orvan
