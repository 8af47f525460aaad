// Each digit field is as long as the width its model binds, on every page that has one.
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "FakeUserInterface.h"
#include "pages/HeadsetKonfig.h"
#include "pages/HoererLSKonfig.h"
#include "pages/NFMute.h"
#include "pages/NFSquelchKonfig.h"
#include "pages/Sendezeitbegrenzung.h"
#include "procedures/AusgabepegelAendern.h"
#include "procedures/Eingangsverstaerkung.h"

namespace orvan {
namespace {

// The length of every field labelled label (the same label may stand in each circuit's group).
std::vector<int> LengthsOf(QWidget& page, std::string_view label) {
    std::vector<int> lengths;
    for (QLabel* found : page.findChildren<QLabel*>()) {
        if (found->text() != QString::fromUtf8(label.data(), static_cast<int>(label.size())))
            continue;
        if (auto* field = qobject_cast<QLineEdit*>(found->buddy()))
            lengths.push_back(field->maxLength());
    }
    return lengths;
}

TEST(PageFieldLengths, DigitFieldsAreAsLongAsTheirBinding) {
    Register image;
    image.Reset();
    FakeUserInterface ui;
    using Make = std::function<std::unique_ptr<QDialog>()>;
    struct Case {
        Make make;
        std::string_view label;
        int length;
        std::size_t count;
    };
    const Make nfMute = [&] { return std::make_unique<NFMute>(image, ui); };
    const Make squelch = [&] {
        return std::make_unique<NFSquelchKonfig>(image, ui, CarrierModes{'2', '0', '2', '1'});
    };
    const Make times = [&] { return std::make_unique<Sendezeitbegrenzung>(image, ui); };
    const Case cases[] = {
        {nfMute, NFMuteModel::kLabels[0], 2, 4},
        {nfMute, NFMuteModel::kLabels[1], 2, 4},
        {squelch, "NF wird erkannt ab Schwellwert:", 2, 4},
        {squelch, "Squelch deaktiviert,\nwenn NF nicht vorhanden für:", 2, 4},
        {times, SendezeitbegrenzungModel::kLabels[0], 3, 1},
        {times, SendezeitbegrenzungModel::kLabels[3], 3, 1},  // two digits shown with a zero
        {[&] { return std::make_unique<HeadsetKonfig>(image, ui); },
         HeadsetKonfigModel::kThresholdLabel, 3, 1},
        {[&] { return std::make_unique<HoererLSKonfig>(image, ui); },
         HoererLSKonfigModel::kVolumeLabel, 5, 4},
        {[&] { return std::make_unique<Eingangsverstaerkung>(image, ui); },
         EingangsverstaerkungModel::kLevelLabel, 5, 4},
        {[&] {
             return std::make_unique<AusgabepegelAendern>(image, LevelChoice{'2', '0'});
         },
         AusgabepegelAendernModel::kLabel, 5, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.label));
        const std::unique_ptr<QDialog> page = c.make();
        EXPECT_EQ(LengthsOf(*page, c.label), std::vector<int>(c.count, c.length));
    }
}

}  // namespace
}  // namespace orvan
