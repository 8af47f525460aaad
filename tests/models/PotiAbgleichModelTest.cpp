#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ProcedureTestSupport.h"
#include "procedures/model/PotiAbgleichModel.h"

namespace orvan {
namespace {

using std::chrono::milliseconds;
using test::Clock;
using test::kFast;

const std::string kPotiBegin = "xx\n$PROGENDE\r\rA\rA\r";

std::string Selection(int n) {
    const char digit = static_cast<char>('0' + n);
    return std::string("\rA\r") + digit + "\rx\r" + digit + "\r";
}

class PotiAbgleichOnUnit : public test::ProcedureLine {
  protected:
    PotiAbgleichModel& Start(sim::UnitOptions options = {}, const Timing& timing = kFast) {
        StartUnit(std::move(options), timing);
        model = std::make_unique<PotiAbgleichModel>(*image, path, timing);
        return *model;
    }
    // Selects potentiometer n after the opening exchange.
    ProcedureFailure Select(int n) {
        EXPECT_EQ(model->Begin(), ProcedureFailure::None);
        EXPECT_TRUE(model->Choose(n));
        return model->RunSelection();
    }
    std::string UnitSetting(int n) {
        std::string text;
        unit->WithText([&](sim::TextMode& mode) { text = mode.SettingText(n); });
        return text;
    }
    std::string UnitLevel(int n) {
        int level = 0;
        unit->WithText([&](sim::TextMode& mode) { level = mode.Level(n); });
        char text[16];
        std::snprintf(text, sizeof text, "%03d", level);
        return text;
    }
    // An input's display after a command may still show a report sent before it: poll on.
    void PollUntilSetting(const std::string& expected) {
        for (int i = 0; i < 10 && model->SettingText() != expected; ++i)
            model->Poll();
        EXPECT_EQ(model->SettingText(), expected);
    }

    std::unique_ptr<PotiAbgleichModel> model;
};

TEST_F(PotiAbgleichOnUnit, SelectingAnInputSendsItsExchangeAndPollingShowsSettingAndLevel) {
    PotiAbgleichModel& m = Start();
    ASSERT_EQ(m.Begin(), ProcedureFailure::None);
    EXPECT_FALSE(image->IsPortOpen());
    ASSERT_TRUE(m.Choose(2));
    EXPECT_FALSE(m.FunctionsEnabled());
    ASSERT_EQ(m.RunSelection(), ProcedureFailure::None);
    EXPECT_EQ(Sent((kPotiBegin + Selection(2)).size()), kPotiBegin + Selection(2));
    EXPECT_TRUE(m.FunctionsEnabled());
    ASSERT_TRUE(m.PollDue());
    ASSERT_EQ(m.Poll(), ProcedureFailure::None);
    EXPECT_FALSE(image->IsPortOpen());
    EXPECT_TRUE(m.PollDue());
    EXPECT_EQ(m.SettingText(), "+00.0");
    EXPECT_EQ(m.LevelText(), UnitLevel(2));
    EXPECT_FALSE(m.Choose(2)) << "the chosen one again";
    EXPECT_EQ(Sent(), kPotiBegin + Selection(2));
}

TEST_F(PotiAbgleichOnUnit, InputCommandsChangeTheUnitsSettingAndTheDisplayFollows) {
    PotiAbgleichModel& m = Start();
    ASSERT_EQ(Select(3), ProcedureFailure::None);
    const struct {
        PotiKey key;
        char sent;
        const char* setting;
    } steps[] = {
        {PotiKey::FineUp, '+', "+00.1"},   {PotiKey::CoarseUp, '*', "+01.1"},
        {PotiKey::FineDown, '-', "+01.0"}, {PotiKey::CoarseDown, '_', "+00.0"},
        {PotiKey::Auto, 'a', "+09.2"},     {PotiKey::Default, 'd', "+00.0"},
    };
    std::string expected = kPotiBegin + Selection(3);
    for (const auto& step : steps) {
        ASSERT_EQ(m.Press(step.key), ProcedureFailure::None) << step.sent;
        expected += step.sent;
        EXPECT_EQ(Sent(expected.size()), expected);
        EXPECT_TRUE(image->IsPortOpen()) << "the port stays open after a command";
        EXPECT_EQ(UnitSetting(3), step.setting);
        PollUntilSetting(step.setting);
        if (step.key == PotiKey::Auto) {
            EXPECT_EQ(m.LevelText(), "300");
        }
    }
}

TEST_F(PotiAbgleichOnUnit, OutputShowsItsStartValueAndEachCommandsReport) {
    PotiAbgleichModel& m = Start();
    ASSERT_EQ(Select(6), ProcedureFailure::None);
    EXPECT_EQ(Sent((kPotiBegin + Selection(6)).size()), kPotiBegin + Selection(6));
    EXPECT_EQ(m.SettingText(), "128");
    EXPECT_FALSE(image->IsPortOpen());
    EXPECT_FALSE(m.PollDue());
    EXPECT_STREQ(m.ControlsFor().transmitterCaption, "TB-Relais an/aus");
    ASSERT_EQ(m.Press(PotiKey::FineUp), ProcedureFailure::None);
    EXPECT_EQ(m.SettingText(), "129");
    ASSERT_EQ(m.Press(PotiKey::CoarseDown), ProcedureFailure::None);
    EXPECT_EQ(m.SettingText(), "119");
    ASSERT_EQ(m.Press(PotiKey::Transmitter), ProcedureFailure::None);
    ASSERT_EQ(m.Press(PotiKey::Tone), ProcedureFailure::None);
    const std::string expected = kPotiBegin + Selection(6) + "+_ti";
    EXPECT_EQ(Sent(expected.size()), expected);
    bool transmitter = false;
    bool tone = false;
    unit->WithText([&](sim::TextMode& mode) {
        transmitter = mode.Transmitter();
        tone = mode.Tone();
    });
    EXPECT_TRUE(transmitter);
    EXPECT_TRUE(tone);
    EXPECT_EQ(m.SettingText(), "119") << "t and i read nothing";
}

TEST_F(PotiAbgleichOnUnit, StoringChoosesAgainAndTheStoredSettingOutlivesTheEnd) {
    PotiAbgleichModel& m = Start();
    ASSERT_EQ(Select(2), ProcedureFailure::None);
    ASSERT_EQ(m.Press(PotiKey::FineUp), ProcedureFailure::None);
    ASSERT_EQ(m.Press(PotiKey::Store), ProcedureFailure::None);
    const std::string expected = kPotiBegin + Selection(2) + "+p" + Selection(2);
    EXPECT_EQ(Sent(expected.size()), expected);
    EXPECT_TRUE(m.PollDue());
    ASSERT_EQ(EndProcedure(*image, path, kFast, false), ProcedureFailure::None);
    EXPECT_EQ(Sent(expected.size() + 4), expected + "xxx\r") << "Abbrechen after Speichern";
    EXPECT_FALSE(image->IsPortOpen());
    unit->WithText([](sim::TextMode& mode) {
        EXPECT_FALSE(mode.Active());
        EXPECT_EQ(mode.StoredSetting(2), 1);
        EXPECT_EQ(mode.Setting(2), 1);
    });
}

TEST_F(PotiAbgleichOnUnit, AnUnstoredSettingIsLostAtTheEnd) {
    PotiAbgleichModel& m = Start();
    ASSERT_EQ(Select(5), ProcedureFailure::None);
    ASSERT_EQ(m.Press(PotiKey::FineUp), ProcedureFailure::None);
    EXPECT_EQ(m.SettingText(), "161");
    ASSERT_EQ(EndProcedure(*image, path, kFast, false), ProcedureFailure::None);
    EXPECT_EQ(UnitSetting(5), "160");
}

TEST_F(PotiAbgleichOnUnit, EveryPauseOfTheProcedureIsKept) {
    const Timing timing = test::PauseTiming();
    PotiAbgleichModel& m = Start({}, timing);
    const milliseconds pause = timing.procedurePause - test::kPauseTolerance;
    ASSERT_EQ(Select(7), ProcedureFailure::None);
    EXPECT_GE(Clock::now() - LastSent(), pause) << "before the start value";
    EXPECT_GE(GapAfter("$PROGENDE\r"), pause) << "after entering the text mode";
    EXPECT_GE(GapAfter("7\rx"), pause) << "after choosing";
    ASSERT_EQ(m.Press(PotiKey::Store), ProcedureFailure::None);
    EXPECT_GE(GapAfter("p"), pause) << "after storing";
    ASSERT_EQ(EndProcedure(*image, path, timing, false), ProcedureFailure::None);
    EXPECT_GE(Clock::now() - LastSent(), timing.leaveProcedurePause - test::kPauseTolerance)
        << "after xxx";
}

TEST_F(PotiAbgleichOnUnit, FaultyUnitsEndEachWaitWithinItsBoundAndLeaveThePortClosed) {
    const milliseconds slack{1500};
    const Timing timing = test::FaultTiming();
    const struct {
        const char* name;
        sim::UnitOptions options;
        int poti;
        bool timeBound;  // ends only by the time limit
    } cases[] = {
        {"silent", {.fault = sim::Fault::Silent}, 2, false},
        {"silent output", {.fault = sim::Fault::Silent}, 8, false},
        {"flood", {.textFault = sim::TextFault::Flood}, 2, true},
        {"dots", {.textFault = sim::TextFault::Dots}, 9, true},
    };
    for (const auto& c : cases) {
        PotiAbgleichModel& m = Start(c.options, timing);
        ASSERT_EQ(m.Begin(), ProcedureFailure::None) << c.name;
        ASSERT_TRUE(m.Choose(c.poti));
        ProcedureFailure failure = ProcedureFailure::None;
        const milliseconds took = Took([&] { failure = m.RunSelection(); });
        EXPECT_EQ(failure, ProcedureFailure::NoAnswer) << c.name;
        EXPECT_FALSE(image->IsPortOpen()) << c.name;
        EXPECT_FALSE(m.PollDue()) << c.name;
        EXPECT_TRUE(m.FunctionsEnabled()) << c.name;
        const milliseconds waits = PotiAbgleichModel::IsInput(c.poti)
                                       ? timing.procedurePause
                                       : 2 * (timing.procedurePause + timing.procedureWaitLimit);
        EXPECT_LT(took, waits + timing.procedureWaitLimit + slack) << c.name;
        if (c.timeBound) {
            EXPECT_GE(took, timing.procedureWaitLimit) << c.name;
        }
        EXPECT_EQ(m.SettingText(), PotiAbgleichModel::IsInput(c.poti) ? "     " : "XXX") << c.name;
        EXPECT_TRUE(m.Choose(c.poti)) << c.name << ": choosing again resumes";
    }
}

TEST_F(PotiAbgleichOnUnit, AStreamThatStopsStopsThePollingUntilChosenAgain) {
    PotiAbgleichModel& m = Start({.textFault = sim::TextFault::StreamStops, .streamLimit = 6});
    ASSERT_EQ(Select(1), ProcedureFailure::None);
    ProcedureFailure failure = ProcedureFailure::None;
    for (int i = 0; i < 20 && failure == ProcedureFailure::None; ++i)
        failure = m.Poll();
    EXPECT_EQ(failure, ProcedureFailure::NoAnswer);
    EXPECT_FALSE(m.PollDue());
    EXPECT_FALSE(image->IsPortOpen());
    EXPECT_TRUE(m.Choose(1));
}

TEST_F(PotiAbgleichOnUnit, APortThatDoesNotOpenSendsNothing) {
    StartUnit();
    model = std::make_unique<PotiAbgleichModel>(*image, "/nonexistent/tty", kFast);
    EXPECT_EQ(model->Begin(), ProcedureFailure::OpenFailed);
    ASSERT_TRUE(model->Choose(1));
    EXPECT_EQ(model->RunSelection(), ProcedureFailure::OpenFailed);
    EXPECT_TRUE(model->FunctionsEnabled());
    EXPECT_FALSE(model->PollDue()) << "no polling after a failed opening";
    EXPECT_EQ(model->Press(PotiKey::FineUp), ProcedureFailure::OpenFailed);
    EXPECT_EQ(model->Press(PotiKey::Transmitter), ProcedureFailure::OpenFailed);
    EXPECT_EQ(EndProcedure(*image, "/nonexistent/tty", kFast, false), ProcedureFailure::OpenFailed);
    EXPECT_EQ(Sent(), "");
}

TEST(PotiAbgleichControls, EachPotentiometerShowsItsControls) {
    Register image;
    PotiAbgleichModel model(image, "", kFast);
    const struct {
        int poti;
        bool inputFields, transmitter, tone;
        std::string coarse, fine, caption;
    } rows[] = {
        {1, true, false, false, "±1,0", "±0,1", "Sender an/aus"},
        {4, true, false, false, "±1,0", "±0,1", "Sender an/aus"},
        {5, false, true, true, "±10", "±1", "Sender an/aus"},
        {6, false, true, true, "±10", "±1", "TB-Relais an/aus"},
        {7, false, false, true, "±10", "±1", "Sender an/aus"},
        {8, false, true, false, "±10", "±1", "Sender an/aus"},
        {9, false, true, false, "±10", "±1", "Sender an/aus"},
    };
    for (const auto& row : rows) {
        model.Choose(row.poti);
        const auto controls = model.ControlsFor();
        EXPECT_EQ(controls.inputFields, row.inputFields) << row.poti;
        EXPECT_EQ(controls.transmitter, row.transmitter) << row.poti;
        EXPECT_EQ(controls.tone, row.tone) << row.poti;
        EXPECT_EQ(controls.coarse, row.coarse) << row.poti;
        EXPECT_EQ(controls.fine, row.fine) << row.poti;
        EXPECT_EQ(controls.transmitterCaption, row.caption) << row.poti;
    }
}

}  // namespace
}  // namespace orvan
