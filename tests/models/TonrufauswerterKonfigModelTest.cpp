#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CatalogueTestSupport.h"
#include "core/Register.h"
#include "pages/model/TonrufauswerterKonfigModel.h"

namespace orvan {
namespace {

TEST(TonrufauswerterKonfigModel, MaximumOfZeroMeansEvaluationAtTheMinimum) {
    Register image;
    image.SetValue(84, "abcd0500");
    image.SetValue(89, "xyz00128");
    TonrufauswerterKonfigModel model(image, 1);
    EXPECT_EQ(model.Minimum().Text(), "05");
    EXPECT_EQ(model.Maximum().Text(), "00");
    EXPECT_EQ(model.Level().Text(), "00128");
    EXPECT_TRUE(model.EvaluatesAtMinimum());
    EXPECT_FALSE(model.MaximumEditable());
    EXPECT_FALSE(model.AppliesToAllCircuits());

    model.EvaluateInInterval();
    EXPECT_TRUE(model.MaximumEditable());
    EXPECT_EQ(model.Maximum().Text(), "00");

    image.SetValue(84, "abcd0520");
    TonrufauswerterKonfigModel interval(image, 1);
    EXPECT_FALSE(interval.EvaluatesAtMinimum());
    interval.EvaluateAtMinimum();
    EXPECT_EQ(interval.Maximum().Text(), "00");
    EXPECT_FALSE(interval.MaximumEditable());
}

// Leaving a length field: the texts before and after, and whether the maximum turned to "00".
struct LengthRow {
    std::string minimum;
    std::string maximum;
    std::string minimumAfter;
    std::string maximumAfter;
    bool atMinimum;
};

TEST(TonrufauswerterKonfigModel, LeavingTheMinimumFillsItAndDropsAMaximumItReaches) {
    const LengthRow rows[] = {
        {"7", "20", "07", "20", false},  {"0", "20", "10", "20", false},
        {"", "20", "10", "20", false},   {"00", "20", "10", "20", false},
        {"19", "20", "19", "20", false}, {"20", "20", "20", "00", true},
        {"30", "20", "30", "00", true},  {"5", "00", "05", "00", true},
    };
    for (const LengthRow& row : rows) {
        SCOPED_TRACE("minimum '" + row.minimum + "', maximum " + row.maximum);
        Register image;
        image.SetValue(83, "0000" + std::string("01") + row.maximum);
        TonrufauswerterKonfigModel model(image, 0);
        model.Minimum().SetText(row.minimum);
        model.LeaveMinimum();
        EXPECT_EQ(model.Minimum().Text(), row.minimumAfter);
        EXPECT_EQ(model.Maximum().Text(), row.maximumAfter);
        EXPECT_EQ(model.EvaluatesAtMinimum(), row.atMinimum);
    }
}

TEST(TonrufauswerterKonfigModel, LeavingTheMaximumFillsItAndDropsItWhenNotAboveTheMinimum) {
    const LengthRow rows[] = {
        {"05", "6", "05", "06", false}, {"05", "20", "05", "20", false},
        {"05", "5", "05", "00", true},  {"05", "4", "05", "00", true},
        {"05", "", "05", "00", true},
    };
    for (const LengthRow& row : rows) {
        SCOPED_TRACE("maximum '" + row.maximum + "'");
        Register image;
        image.SetValue(86, "0000" + row.minimum + "99");
        TonrufauswerterKonfigModel model(image, 3);
        model.Maximum().SetText(row.maximum);
        model.LeaveMaximum();
        EXPECT_EQ(model.Minimum().Text(), row.minimumAfter);
        EXPECT_EQ(model.Maximum().Text(), row.maximumAfter);
        EXPECT_EQ(model.EvaluatesAtMinimum(), row.atMinimum);
    }
}

TEST(TonrufauswerterKonfigModel, LevelIsFiveDigitsAndAboveTheRangeTheStandard) {
    const std::pair<std::string, std::string> rows[] = {
        {"40000", "00128"}, {"32768", "00128"}, {"99999", "00128"}, {"32767", "32767"},
        {"7", "00007"},     {"", "00000"},      {"0", "00000"},
    };
    for (const auto& [typed, shown] : rows) {
        SCOPED_TRACE("level '" + typed + "'");
        Register image;
        TonrufauswerterKonfigModel model(image, 2);
        model.Level().SetText(typed);
        model.LeaveLevel();
        EXPECT_EQ(model.Level().Text(), shown);
    }
}

TEST(TonrufauswerterKonfigModel, OkWritesTheLengthsOfOneCircuitOrOfAllAndTheCommonLevel) {
    for (const bool all : {false, true}) {
        SCOPED_TRACE(all ? "all circuits" : "circuit 3 only");
        Register image;
        for (int reg = 83; reg <= 86; ++reg)
            image.SetValue(reg, "ABCD1030");
        image.SetValue(89, "XYZ00128");
        TonrufauswerterKonfigModel model(image, 2);
        model.Minimum().SetText("05");
        model.Maximum().SetText("20");
        model.EvaluateInInterval();
        model.Level().SetText("00300");
        model.SetAppliesToAllCircuits(all);
        model.Commit(image);
        for (int reg = 83; reg <= 86; ++reg)
            EXPECT_EQ(image.Value(reg), all || reg == 85 ? "ABCD0520" : "ABCD1030") << reg;
        EXPECT_EQ(image.Value(89), "XYZ00300");
        EXPECT_TRUE(image.changed);
    }
}

TEST(TonrufauswerterKonfigModel, OkNormalisesFieldsStillBeingTyped) {
    Register image;
    image.SetValue(83, "00001030");
    TonrufauswerterKonfigModel model(image, 0);
    model.Minimum().SetText("5");
    model.Level().SetText("40000");
    model.Commit(image);
    EXPECT_EQ(image.Value(83), "00000530");
    EXPECT_EQ(image.Value(89), "00000128");

    TonrufauswerterKonfigModel reached(image, 0);
    reached.Minimum().SetText("4");
    reached.Maximum().SetText("3");
    reached.Commit(image);
    EXPECT_EQ(image.Value(83), "00000400");
}

TEST(TonrufauswerterKonfigModel, ShortRegistersReadAsZerosAndArePaddedOnOk) {
    Register image;
    image.SetValue(84, "");
    image.SetValue(89, "12");
    TonrufauswerterKonfigModel model(image, 1);
    EXPECT_EQ(model.Minimum().Text(), "00");
    EXPECT_TRUE(model.EvaluatesAtMinimum());
    EXPECT_EQ(model.Level().Text(), "00000");
    model.Commit(image);
    EXPECT_EQ(image.Value(84), "00001000");
    EXPECT_EQ(image.Value(89), "12000000");
}

TEST(TonrufauswerterKonfigModel, SettingsNameTheCircuitsWrittenAndCoverWhatOkWrites) {
    Register image;
    image.SetValue(85, "00000520");
    image.SetValue(89, "00032767");
    TonrufauswerterKonfigModel model(image, 2);
    std::vector<NamedSetting> settings = model.Settings();
    ASSERT_EQ(settings.size(), 3u);
    EXPECT_EQ(settings[0].page, "Tonrufauswerter Konfiguration");
    EXPECT_EQ(settings[0].name, "Funkkreis 3 › min. Tonlänge");
    EXPECT_EQ(settings[0].words, "05 * 100 ms");
    EXPECT_EQ(settings[1].name, "Funkkreis 3 › max. Tonlänge");
    EXPECT_EQ(settings[2].name, "Min. Pegel für Tonerkennung");
    EXPECT_EQ(settings[2].words, "32767");
    model.SetAppliesToAllCircuits(true);
    settings = model.Settings();
    ASSERT_EQ(settings.size(), 9u);
    EXPECT_EQ(settings[6].name, "Funkkreis 4 › min. Tonlänge");
    EXPECT_EQ(settings[6].words, "05 * 100 ms");

    FillDistinct(image);
    for (const bool all : {false, true}) {
        TonrufauswerterKonfigModel distinct(image, 1);
        distinct.SetAppliesToAllCircuits(all);
        ExpectListCoversCommit(distinct);
    }
}

TEST(TonrufauswerterKonfigModel, TheImageListsEveryCircuitsLengthsAndTheLevelOnce) {
    Register image;
    image.SetValue(83, "00000100");
    image.SetValue(86, "00001540");
    const std::vector<NamedSetting> settings = TonrufauswerterKonfigModel::ImageSettings(image);
    ASSERT_EQ(settings.size(), 9u);
    EXPECT_EQ(settings[0].name, "Funkkreis 1 › min. Tonlänge");
    EXPECT_EQ(settings[0].words, "01 * 100 ms");
    EXPECT_EQ(settings[7].name, "Funkkreis 4 › max. Tonlänge");
    EXPECT_EQ(settings[7].words, "40 * 100 ms");
    EXPECT_EQ(settings[8].name, "Min. Pegel für Tonerkennung");
    ListedPositions(settings);
}

}  // namespace
}  // namespace orvan
