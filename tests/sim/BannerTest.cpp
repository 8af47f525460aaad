#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/TextFunctions.h"
#include "link/Protocol.h"
#include "sim/Banner.h"

namespace orvan::sim {
namespace {

constexpr auto kNpos = std::string_view::npos;

// What the read takes from the first 45 bytes, what the send takes once more than 30 have come.
bool ReadAccepts(std::string_view banner) {
    return protocol::IsReadIdentification(banner.substr(0, 45));
}
bool SendAccepts(std::string_view banner) {
    return banner.size() > 30 && protocol::IsSendIdentification(banner.substr(0, 31));
}

std::string VersionText(std::string_view banner) {
    const std::string_view line = banner.substr(0, banner.find('\n'));
    return line.size() > 12 ? std::string(line.substr(12)) : std::string();
}

// The version display's cut: up to the first "ART" and nine characters more.
std::string ShownVersion(const std::string& version) {
    const auto art = version.find("ART");
    if (art == std::string::npos) {
        return version;
    }
    return art + 9 >= version.size() ? std::string() : version.substr(art + 9);
}

bool HasOptionLetter(std::string_view banner) {
    return FindFromSecond(VersionText(banner), "N") != kNpos;
}

TEST(Banner, IsOneLineSoTheFirstRegisterLineFollowsIt) {
    for (auto id : {Identification::Full, Identification::NoOptionLetter, Identification::OnlyVX22,
                    Identification::OnlyVexaSpace, Identification::WrongDevice,
                    Identification::AtPositionZero}) {
        const std::string_view banner = Banner(id);
        ASSERT_FALSE(banner.empty());
        EXPECT_EQ(banner.find('\n'), banner.size() - 1) << banner;
        EXPECT_GT(banner.size(), 30u) << "a send would never decide: " << banner;
        EXPECT_EQ(banner.find('\0'), kNpos);
    }
}

TEST(Banner, FullPassesReadAndSendAndCarriesTheOptionLetter) {
    const std::string_view banner = Banner(Identification::Full);
    EXPECT_TRUE(ReadAccepts(banner));
    EXPECT_TRUE(SendAccepts(banner));
    EXPECT_TRUE(HasOptionLetter(banner));
    const std::string version = VersionText(banner);
    EXPECT_EQ(version.find("N"), version.find("NF"));
    EXPECT_EQ(ShownVersion(version).substr(0, 6), "V1.33 ");
}

TEST(Banner, NoOptionLetterPassesBothChecksWithoutTheLetter) {
    const std::string_view banner = Banner(Identification::NoOptionLetter);
    EXPECT_TRUE(ReadAccepts(banner));
    EXPECT_TRUE(SendAccepts(banner));
    EXPECT_FALSE(HasOptionLetter(banner));
    EXPECT_EQ(ShownVersion(VersionText(banner)).substr(0, 6), "V1.33 ");
}

TEST(Banner, OnlyVX22IsReadButNotSent) {
    const std::string_view banner = Banner(Identification::OnlyVX22);
    EXPECT_NE(FindFromSecond(banner.substr(0, 45), "VX22"), kNpos);
    EXPECT_EQ(banner.find("VEXA 2a2"), kNpos);
    EXPECT_EQ(banner.find("VEXA2a"), kNpos);
    EXPECT_TRUE(ReadAccepts(banner));
    EXPECT_FALSE(SendAccepts(banner));
    EXPECT_TRUE(HasOptionLetter(banner));
}

TEST(Banner, OnlyVexaSpaceIsReadButNotSent) {
    const std::string_view banner = Banner(Identification::OnlyVexaSpace);
    EXPECT_NE(FindFromSecond(banner.substr(0, 45), "VEXA 2a2"), kNpos);
    EXPECT_EQ(banner.find("VEXA2a"), kNpos);
    EXPECT_TRUE(ReadAccepts(banner));
    EXPECT_FALSE(SendAccepts(banner));
    EXPECT_EQ(ShownVersion(VersionText(banner)).substr(0, 6), "V1.33 ");
}

TEST(Banner, WrongDeviceCarriesNoIdentification) {
    const std::string_view banner = Banner(Identification::WrongDevice);
    EXPECT_EQ(banner.find("VEXA 2a2"), kNpos);
    EXPECT_EQ(banner.find("VX22"), kNpos);
    EXPECT_EQ(banner.find("VEXA2a"), kNpos);
}

TEST(Banner, AtPositionZeroHasItsIdentificationOnlyAtTheFirstByte) {
    const std::string_view banner = Banner(Identification::AtPositionZero);
    EXPECT_TRUE(banner.starts_with("VEXA 2a2"));
    EXPECT_EQ(FindFromSecond(banner, "VEXA 2a2"), kNpos);
    EXPECT_EQ(banner.find("VX22"), kNpos);
    EXPECT_EQ(FindFromSecond(banner, "VEXA2a"), kNpos);
    EXPECT_FALSE(ReadAccepts(banner));
    EXPECT_FALSE(SendAccepts(banner));
}

}  // namespace
}  // namespace orvan::sim
