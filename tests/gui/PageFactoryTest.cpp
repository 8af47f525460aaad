#include <gtest/gtest.h>

#include "FakeUserInterface.h"
#include "app/PageFactory.h"
#include "core/Register.h"
#include "pages/Funkkreiskonfiguration.h"
#include "pages/Squelchkonfiguration.h"

namespace orvan {
namespace {

TEST(PageFactory, BuildsTheTreesPagesOnTheImage) {
    Register image;
    FakeUserInterface ui;
    EXPECT_EQ(MakePage<Funkkreiskonfiguration>(image, ui)->windowTitle(), "Funkkreiskonfiguration");
    EXPECT_EQ(MakePage<Squelchkonfiguration>(image, ui)->windowTitle(), "Squelchkonfiguration");
    EXPECT_FALSE(image.changed);
}

}  // namespace
}  // namespace orvan
