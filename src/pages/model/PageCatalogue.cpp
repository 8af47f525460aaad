#include "pages/model/PageCatalogue.h"

#include "pages/model/FunkkreiskonfigurationModel.h"
#include "pages/model/NFSquelchKonfigModel.h"
#include "pages/model/SquelchkonfigurationModel.h"
#include "pages/model/TastenfunktionenModel.h"
#include "pages/model/TonfolgeKonfigModel.h"

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

constexpr CataloguedPage kPages[] = {
    {SquelchkonfigurationModel::kTitle, &SettingsOf<SquelchkonfigurationModel>},
    {NFSquelchKonfigModel::kTitle, &AfSquelchSettings},
    {FunkkreiskonfigurationModel::kTitle, &SettingsOf<FunkkreiskonfigurationModel>},
    {TastenfunktionenModel::kTitle, &SettingsOf<TastenfunktionenModel>},
    {TonfolgeKonfigModel::kTitle, &SettingsOf<TonfolgeKonfigModel>},
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
