#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ProcedureTestSupport.h"
#include "procedures/model/HSErkennungModel.h"

namespace orvan {
namespace {

using std::chrono::milliseconds;
using test::kFast;
using test::TimedPort;

const std::string kHeadsetBegin = "xx\n$PROGENDE\r\rH\r";

class HSErkennungOnUnit : public test::ProcedureLine {
  protected:
    HSErkennungModel& Start(sim::UnitOptions options = {}, const Timing& timing = kFast) {
        StartUnit(std::move(options), timing);
        model = std::make_unique<HSErkennungModel>(*image, path, timing);
        return *model;
    }
    void Plug(bool plugged) {
        unit->WithText([plugged](sim::TextMode& mode) { mode.SetHeadsetPlugged(plugged); });
    }
    // Polls until the status shows text: reports already on the line may be older.
    void PollUntil(const char* text) {
        for (int i = 0; i < 10 && std::string(model->Status()) != text; ++i)
            ASSERT_EQ(model->Poll(), ProcedureFailure::None);
        EXPECT_STREQ(model->Status(), text);
    }

    std::unique_ptr<HSErkennungModel> model;
};

TEST_F(HSErkennungOnUnit, CalibratesThenTheStatusFollowsThePlug) {
    const Timing timing = test::PauseTiming();
    HSErkennungModel& m = Start({}, timing);
    EXPECT_STREQ(m.Status(), "Headset-Anschluss wird überprüft");
    ASSERT_EQ(m.Begin(), ProcedureFailure::None);
    EXPECT_TRUE(image->IsPortOpen()) << "open until the technician confirms";
    EXPECT_FALSE(m.PollDue());
    m.Confirm();
    EXPECT_FALSE(image->IsPortOpen());
    EXPECT_EQ(Sent(kHeadsetBegin.size() + 1), kHeadsetBegin + " ");
    ASSERT_TRUE(m.PollDue());
    PollUntil("kein Headset angeschlossen");
    Plug(true);
    PollUntil("Headset angeschlossen");
    Plug(false);
    PollUntil("kein Headset angeschlossen");
    EXPECT_TRUE(m.PollDue());
    EXPECT_FALSE(image->IsPortOpen());
    EXPECT_GE(GapAfter("$PROGENDE\r"), timing.procedurePause - test::kPauseTolerance);
}

TEST_F(HSErkennungOnUnit, OkStoresTheCalibrationBeforeLeavingAndCancelOnlyLeaves) {
    const Timing timing = test::PauseTiming();
    for (const bool store : {true, false}) {
        HSErkennungModel& m = Start({.headsetPlugged = true}, timing);
        ASSERT_EQ(m.Begin(), ProcedureFailure::None);
        m.Confirm();
        ASSERT_EQ(m.Poll(), ProcedureFailure::None);
        ASSERT_EQ(EndProcedure(*image, path, timing, store), ProcedureFailure::None);
        const std::string expected = kHeadsetBegin + " " + (store ? "pxxx\r" : "xxx\r");
        EXPECT_EQ(Sent(expected.size()), expected);
        EXPECT_GE(test::Clock::now() - LastSent(),
                  timing.leaveProcedurePause - test::kPauseTolerance);
        EXPECT_FALSE(image->IsPortOpen());
        unit->WithText([store](sim::TextMode& mode) {
            EXPECT_EQ(mode.HeadsetCalibrationsStored(), store ? 1 : 0);
            EXPECT_EQ(mode.CalibratedPlugged(), store);
            EXPECT_FALSE(mode.Active());
        });
    }
}

TEST_F(HSErkennungOnUnit, AnOpeningWithoutAnswerEndsWithinItsBoundAndNothingIsPolled) {
    const milliseconds slack{1500};
    const Timing timing = test::FaultTiming();
    const struct {
        const char* name;
        sim::UnitOptions options;
        bool timeBound;
    } cases[] = {
        {"silent", {.fault = sim::Fault::Silent}, false},
        {"dots", {.textFault = sim::TextFault::Dots}, true},
        {"flood", {.textFault = sim::TextFault::Flood}, true},
    };
    for (const auto& c : cases) {
        HSErkennungModel& m = Start(c.options, timing);
        ProcedureFailure failure = ProcedureFailure::None;
        const milliseconds took = Took([&] { failure = m.Begin(); });
        EXPECT_EQ(failure, ProcedureFailure::NoAnswer) << c.name;
        EXPECT_LT(took, timing.procedurePause + timing.procedureWaitLimit + slack) << c.name;
        if (c.timeBound) {
            EXPECT_GE(took, timing.procedureWaitLimit) << c.name;
        }
        m.Confirm();
        EXPECT_FALSE(image->IsPortOpen()) << c.name;
        EXPECT_FALSE(m.PollDue()) << c.name;
        EXPECT_EQ(Sent(kHeadsetBegin.size() + 3), kHeadsetBegin + "H\r ")
            << c.name << ": asked once more";
    }
}

TEST_F(HSErkennungOnUnit, AUnitFallingSilentStopsThePollingAndKeepsTheStatus) {
    // About a second of reports: the first polls see some even on a loaded machine.
    HSErkennungModel& m = Start({.textFault = sim::TextFault::StreamStops, .streamLimit = 40});
    ASSERT_EQ(m.Begin(), ProcedureFailure::None);
    m.Confirm();
    ProcedureFailure failure = ProcedureFailure::None;
    for (int i = 0; i < 60 && failure == ProcedureFailure::None; ++i)
        failure = m.Poll();
    EXPECT_EQ(failure, ProcedureFailure::Silent);
    EXPECT_FALSE(m.PollDue());
    EXPECT_FALSE(image->IsPortOpen());
    EXPECT_STREQ(m.Status(), "kein Headset angeschlossen");
}

TEST_F(HSErkennungOnUnit, APortThatDoesNotOpenIsReportedOnceAndNotPolled) {
    StartUnit();
    model = std::make_unique<HSErkennungModel>(*image, "/nonexistent/tty", kFast);
    EXPECT_EQ(model->Begin(), ProcedureFailure::OpenFailed);
    EXPECT_FALSE(model->PollDue());
    EXPECT_EQ(EndProcedure(*image, "/nonexistent/tty", kFast, true), ProcedureFailure::OpenFailed);
    EXPECT_EQ(Sent(), "");
}

// Polls with a port that streams text, with the repeat pause of timing. The wait limit stays
// long: these polls sleep after each repeated byte, which takes longer on a loaded machine.
struct TimedPoll {
    explicit TimedPoll(std::string stream, Timing timing) {
        timing.procedureWaitLimit = Timing{}.procedureWaitLimit;
        shared->source = test::Repeating(std::move(stream));
        image = std::make_unique<Register>(std::make_unique<TimedPort>(shared));
        model = std::make_unique<HSErkennungModel>(*image, "/dev/unit", timing);
    }
    std::shared_ptr<TimedPort::Shared> shared = std::make_shared<TimedPort::Shared>();
    std::unique_ptr<Register> image;
    std::unique_ptr<HSErkennungModel> model;
};

TEST(HSErkennungPolling, WaitsAfterEachRepeatedByte) {
    Timing timing = kFast;
    timing.headsetRepeatPause = milliseconds(30);
    TimedPoll poll("Headset angeschlossen\r\n", timing);
    ASSERT_EQ(poll.model->Poll(), ProcedureFailure::None);
    EXPECT_STREQ(poll.model->Status(), "Headset angeschlossen");
    const auto& events = poll.shared->events;
    int repeats = 0;
    for (std::size_t k = 1; k + 1 < events.size(); ++k) {
        if (events[k].kind == 'r' && events[k - 1].kind == 'r' &&
            events[k].bytes == events[k - 1].bytes) {
            ++repeats;
            EXPECT_GE(events[k + 1].time - events[k].time, timing.headsetRepeatPause) << k;
        }
    }
    EXPECT_GE(repeats, 4) << "the \"ss\" of each report";
}

TEST(HSErkennungPolling, BlanksAreNoSilenceButOtherRepeatsAre) {
    Timing timing = kFast;
    timing.headsetRepeatPause = milliseconds(1);
    TimedPoll blanks(" ", timing);
    EXPECT_EQ(blanks.model->Poll(), ProcedureFailure::None);
    EXPECT_GT(blanks.shared->events.size(), 100u) << "ended by the byte count";
    TimedPoll dashes("-", timing);
    EXPECT_EQ(dashes.model->Poll(), ProcedureFailure::Silent);
    EXPECT_FALSE(dashes.model->PollDue());
}

}  // namespace
}  // namespace orvan
