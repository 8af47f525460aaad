#include "pages/model/PageCatalogue.h"

#include "pages/model/FunkkreiskonfigurationModel.h"
#include "pages/model/HoererLSKonfigModel.h"
#include "pages/model/NFKonfigModel.h"
#include "pages/model/NFSquelchKonfigModel.h"
#include "pages/model/SquelchkonfigurationModel.h"
#include "procedures/model/AusgabepegelModel.h"
#include "procedures/model/EingangsverstaerkungModel.h"

namespace orvan {

namespace {

template <typename Model>
std::vector<NamedSetting> SettingsOf(const Register& image) {
    return Model(image).Settings();
}

// The AF squelch page edits the circuits whose carrier mode, as stored, comes from the audio.
std::vector<NamedSetting> AfSquelchSettings(const Register& image) {
    return NFSquelchKonfigModel(image, SquelchkonfigurationModel(image).WorkingCarrierModes())
        .Settings();
}

template <const AfOutput& output>
std::vector<NamedSetting> AfRoutingSettings(const Register& image) {
    return NFKonfigModel(image, output).Settings();
}

constexpr CataloguedPage kPages[] = {
    {SquelchkonfigurationModel::kTitle, &SettingsOf<SquelchkonfigurationModel>},
    {NFSquelchKonfigModel::kTitle, &AfSquelchSettings},
    {FunkkreiskonfigurationModel::kTitle, &SettingsOf<FunkkreiskonfigurationModel>},
    {NFKonfigModel::kLoudspeaker.title, &AfRoutingSettings<NFKonfigModel::kLoudspeaker>},
    {NFKonfigModel::kHandset.title, &AfRoutingSettings<NFKonfigModel::kHandset>},
    {NFKonfigModel::kTape.title, &AfRoutingSettings<NFKonfigModel::kTape>},
    {HoererLSKonfigModel::kTitle, &SettingsOf<HoererLSKonfigModel>},
    {AusgabepegelModel::kTitle, &AusgabepegelModel::Settings},
    {EingangsverstaerkungModel::kTitle, &SettingsOf<EingangsverstaerkungModel>},
};

}  // namespace

std::span<const CataloguedPage> CataloguedPages() {
    return kPages;
}

std::vector<NamedSetting> AllSettings(const Register& image) {
    std::vector<NamedSetting> all;
    for (const CataloguedPage& page : kPages) {
        std::vector<NamedSetting> settings = page.settings(image);
        all.insert(all.end(), std::make_move_iterator(settings.begin()),
                   std::make_move_iterator(settings.end()));
    }
    return all;
}

}  // namespace orvan
