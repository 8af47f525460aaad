#include "report/PageCatalogue.h"

#include "pages/model/BUSYInKonfigModel.h"
#include "pages/model/BUSYOutKonfigModel.h"
#include "pages/model/DuplexKonfigModel.h"
#include "pages/model/FunkkreiskonfigurationModel.h"
#include "pages/model/HeadsetKonfigModel.h"
#include "pages/model/HoererLSKonfigModel.h"
#include "pages/model/NFKonfigModel.h"
#include "pages/model/NFMuteModel.h"
#include "pages/model/NFSquelchKonfigModel.h"
#include "pages/model/SendezeitbegrenzungModel.h"
#include "pages/model/SquelchkonfigurationModel.h"
#include "pages/model/TXKonfigModel.h"
#include "pages/model/TastenfunktionenModel.h"
#include "pages/model/TonbandrelaisKonfigModel.h"
#include "pages/model/TonfolgeKonfigModel.h"
#include "pages/model/TonrufauswerterKonfigModel.h"
#include "pages/model/TonrufauswertungModel.h"
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
    {BUSYOutKonfigModel::kTitle, &SettingsOf<BUSYOutKonfigModel>},
    {BUSYInKonfigModel::kTitle, &SettingsOf<BUSYInKonfigModel>},
    {SquelchkonfigurationModel::kTitle, &SettingsOf<SquelchkonfigurationModel>},
    {NFSquelchKonfigModel::kTitle, &AfSquelchSettings},
    {FunkkreiskonfigurationModel::kTitle, &SettingsOf<FunkkreiskonfigurationModel>},
    {TXKonfigModel::kTitle, &SettingsOf<TXKonfigModel>},
    {DuplexKonfigModel::kTitle, &SettingsOf<DuplexKonfigModel>},
    {NFKonfigModel::kLoudspeaker.title, &AfRoutingSettings<NFKonfigModel::kLoudspeaker>},
    {NFKonfigModel::kHandset.title, &AfRoutingSettings<NFKonfigModel::kHandset>},
    {NFKonfigModel::kTape.title, &AfRoutingSettings<NFKonfigModel::kTape>},
    {NFMuteModel::kTitle, &SettingsOf<NFMuteModel>},
    {HoererLSKonfigModel::kTitle, &SettingsOf<HoererLSKonfigModel>},
    {TonbandrelaisKonfigModel::kTitle, &SettingsOf<TonbandrelaisKonfigModel>},
    {HeadsetKonfigModel::kTitle, &SettingsOf<HeadsetKonfigModel>},
    {SendezeitbegrenzungModel::kTitle, &SettingsOf<SendezeitbegrenzungModel>},
    {TastenfunktionenModel::kTitle, &SettingsOf<TastenfunktionenModel>},
    {TonfolgeKonfigModel::kTitle, &SettingsOf<TonfolgeKonfigModel>},
    {TonrufauswertungModel::kTitle, &SettingsOf<TonrufauswertungModel>},
    {TonrufauswerterKonfigModel::kTitle, &TonrufauswerterKonfigModel::ImageSettings},
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
