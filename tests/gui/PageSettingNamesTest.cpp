#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "FakeUserInterface.h"
#include "app/Topics.h"
#include "core/Register.h"
#include "pages/NFSquelchKonfig.h"
#include "pages/TonfolgeKonfig.h"
#include "pages/TonrufauswerterKonfig.h"
#include "pages/model/Words.h"
#include "report/PageCatalogue.h"
#include "ui/Widgets.h"

namespace orvan {
namespace {

// Every caption the page shows as it reads on screen, in the form setting names are made of.
std::set<std::string> Captions(QWidget& page) {
    std::set<std::string> captions;
    auto add = [&captions](const QString& text) {
        captions.insert(SettingName({AccessibleText(text).toStdString()}));
    };
    for (auto* label : page.findChildren<QLabel*>())
        add(label->text());
    for (auto* group : page.findChildren<QGroupBox*>())
        add(group->title());
    for (auto* button : page.findChildren<QAbstractButton*>())
        add(button->text());
    return captions;
}

// Each part of the name of a setting the page lists is a caption of the page: the names are
// the page's own words. A page with no settings (the single register) lists nothing. A page
// opened once per radio circuit lists the settings of all its openings.
void ExpectNamesShownOn(std::initializer_list<QWidget*> openings, const Register& image) {
    const std::string title = (*openings.begin())->windowTitle().toStdString();
    std::set<std::string> captions;
    for (QWidget* page : openings)
        captions.merge(Captions(*page));
    for (const CataloguedPage& catalogued : CataloguedPages()) {
        if (catalogued.title != title)
            continue;
        for (const NamedSetting& setting : catalogued.settings(image)) {
            std::string rest = setting.name;
            for (std::size_t end; !rest.empty(); rest.erase(0, end)) {
                end = rest.find(" › ");
                const std::string part = rest.substr(0, end);
                EXPECT_TRUE(captions.contains(part)) << title << ": " << part;
                end = end == std::string::npos ? rest.size() : end + std::string(" › ").size();
            }
        }
    }
}

TEST(PageSettingNames, EveryCataloguedSettingIsNamedInTheWordsOfItsOpenPage) {
    Register image;
    FakeUserInterface ui;
    std::set<std::string> opened;
    for (const Topic& topic : DispatchTable()) {
        if (topic.factory == nullptr)
            continue;
        std::unique_ptr<QDialog> page = topic.factory(image, ui);
        page->show();
        ExpectNamesShownOn({page.get()}, image);
        opened.insert(page->windowTitle().toStdString());
    }
    // The pages opened from other pages.
    NFSquelchKonfig afSquelch(image, ui, {'2', '2', '2', '2'});
    TonfolgeKonfig sequence(image, ui);
    TonrufauswerterKonfig evaluator1(image, 0), evaluator2(image, 1), evaluator3(image, 2),
        evaluator4(image, 3);
    const std::initializer_list<QWidget*> subPages[] = {
        {&afSquelch}, {&sequence}, {&evaluator1, &evaluator2, &evaluator3, &evaluator4}};
    for (const auto& openings : subPages) {
        for (QWidget* page : openings)
            page->show();
        ExpectNamesShownOn(openings, image);
        opened.insert((*openings.begin())->windowTitle().toStdString());
    }
    for (const CataloguedPage& catalogued : CataloguedPages())
        EXPECT_TRUE(opened.contains(std::string(catalogued.title))) << catalogued.title;
}

}  // namespace
}  // namespace orvan
