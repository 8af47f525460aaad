// The potentiometer calibration and the headset detection through their real widgets: from the
// main window's buttons against the simulated unit, and on a counting port for the timer.
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

#include <chrono>
#include <cstdio>
#include <thread>

#include "ShellTestSupport.h"
#include "link/DeviceMessages.h"
#include "procedures/HSErkennung.h"
#include "procedures/PotiAbgleich.h"

namespace orvan::test {
namespace {

constexpr int kExchangeLimit = 10000;

// Scaled pauses with a read bound above the stalls of a loaded machine: a few empty reads in a
// row mean a silent unit to the procedures.
Timing ProcedureTiming() {
    Timing timing = Timing{}.Scaled(10);
    timing.readBound = std::chrono::milliseconds(25);
    return timing;
}

bool Idle(PotiAbgleich& dialog) {
    return QTest::qWaitFor([&] { return !dialog.Busy(); }, kExchangeLimit);
}
// Chooses an entry of the potentiometer list as a click in the open list would.
void Choose(PotiAbgleich& dialog, const QString& entry) {
    auto* selector = dialog.findChild<QComboBox*>();
    selector->showPopup();
    QAbstractItemView* list = selector->view();
    list->setCurrentIndex(list->model()->index(selector->findText(entry), 0));
    QTest::keyClick(list, Qt::Key_Return);
}

class ProcedureDialogs : public ShellTest {
  protected:
    // Opens a procedure from its main window button, runs action on the dialog and returns once
    // the dialog has closed and the procedure has ended.
    template <typename Dialog>
    void Run(const QString& button, std::function<void(Dialog&)> action) {
        bool ran = false;
        OnNextModal([&](QWidget& modal) {
            auto* dialog = qobject_cast<Dialog*>(&modal);
            ASSERT_NE(dialog, nullptr);
            ran = true;
            action(*dialog);
        });
        Button(button).click();
        EXPECT_TRUE(ran);
    }
    static QPushButton& Step(PotiAbgleich& dialog, const QString& text, const QString& step) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == text && button->accessibleDescription() == step)
                return *button;
        }
        throw std::runtime_error("no step button");
    }
    static QString Shown(QWidget& dialog, const QString& label) {
        return static_cast<QLineEdit*>(FieldOf(dialog, label))->text();
    }
    static bool Shows(QWidget& dialog, const QString& label, const QString& text) {
        return QTest::qWaitFor([&] { return Shown(dialog, label) == text; }, kExchangeLimit);
    }
    QString UnitLevel(int n) {
        int level = 0;
        Current().WithText([&](sim::TextMode& mode) { level = mode.Level(n); });
        return QString("%1").arg(level, 3, 10, QChar('0'));
    }
    // The unit of this round: a loop removes each round's unit and adds the next.
    sim::PtyHost& Current() { return Unit(round_); }
    void NextRound() { RemoveUnit(round_++); }
    void Plug(bool plugged) {
        Current().WithText([plugged](sim::TextMode& mode) { mode.SetHeadsetPlugged(plugged); });
    }
    std::size_t round_ = 0;

    int MessagesWith(const QString& text) const {
        int count = 0;
        for (const auto& shown : ui_.messages)
            count += shown.text == text && shown.caption == kErrorCaption &&
                     shown.icon == MessageIcon::Error;
        return count;
    }
};

TEST_F(ProcedureDialogs, CalibrationOfAnInputThenAnOutput) {
    AddUnit();
    OpenWindow(DispatchTable(), ProcedureTiming());
    Run<PotiAbgleich>("Potentiometer-Abgleich", [&](PotiAbgleich& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Potentiometer-Abgleich");
        ASSERT_TRUE(Idle(dialog));
        EXPECT_EQ(dialog.findChild<QComboBox*>()->currentIndex(), -1);
        EXPECT_EQ(dialog.findChild<QComboBox*>()->placeholderText(), "bitte auswählen");
        EXPECT_FALSE(FindByText<QPushButton>(dialog, "Speichern")->isEnabled());

        Choose(dialog, "Eingang Kreis 2");
        ASSERT_TRUE(dialog.Busy());
        EXPECT_EQ(dialog.cursor().shape(), Qt::WaitCursor);
        EXPECT_FALSE(dialog.findChild<QComboBox*>()->isEnabled());
        for (const char* text : {"Auto-Abgleich", "Speichern", "Default-Wert"})
            EXPECT_FALSE(FindByText<QPushButton>(dialog, text)->isEnabled()) << text;
        EXPECT_FALSE(Step(dialog, "+", "fein").isEnabled());
        EXPECT_TRUE(FindByText<QPushButton>(dialog, "Sender an/aus")->isHidden());
        EXPECT_TRUE(FindByText<QPushButton>(dialog, "1000Hz-Ton an/aus")->isHidden());
        ASSERT_TRUE(Idle(dialog));
        EXPECT_NE(dialog.cursor().shape(), Qt::WaitCursor);
        EXPECT_TRUE(FindByText<QPushButton>(dialog, "Auto-Abgleich")->isEnabled());
        EXPECT_TRUE(Shows(dialog, "Poti-Einstellung", "+00.0"));
        EXPECT_TRUE(Shows(dialog, "Pegel (Soll: 300mV)", UnitLevel(2)));

        Step(dialog, "+", "fein").click();
        EXPECT_TRUE(Shows(dialog, "Poti-Einstellung", "+00.1"));
        FindByText<QPushButton>(dialog, "Auto-Abgleich")->click();
        EXPECT_TRUE(Shows(dialog, "Pegel (Soll: 300mV)", "300"));
        EXPECT_TRUE(Shows(dialog, "Poti-Einstellung", "+03.5"));

        Choose(dialog, "Ausgang zum Tonband");
        // Chosen while a poll runs: the choice takes effect when it has ended.
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return FieldOf(dialog, "Pegel (Soll: 300mV)")->isHidden(); }, kExchangeLimit));
        EXPECT_TRUE(FindByText<QPushButton>(dialog, "Auto-Abgleich")->isHidden());
        EXPECT_FALSE(FindByText<QPushButton>(dialog, "TB-Relais an/aus")->isHidden());
        EXPECT_NE(FindByText<QLabel>(dialog, "±10"), nullptr);
        ASSERT_TRUE(Idle(dialog));
        EXPECT_EQ(Shown(dialog, "Poti-Einstellung"), "128");
        FindByText<QPushButton>(dialog, "OK")->click();
    });
    EXPECT_TRUE(Current().ReceivedBytes().ends_with("\rA\r6\rx\r6\rxxx\r"));
    EXPECT_TRUE(ui_.messages.empty());
    EXPECT_FALSE(Image().IsPortOpen());
}

TEST_F(ProcedureDialogs, ClosingDuringAnExchangeEndsTheProcedureAfterIt) {
    AddUnit();
    OpenWindow(DispatchTable(), ProcedureTiming());
    Run<PotiAbgleich>("Potentiometer-Abgleich", [&](PotiAbgleich& dialog) {
        ASSERT_TRUE(Idle(dialog));
        Choose(dialog, "Eingang Kreis 3");
        FindByText<QPushButton>(dialog, "Abbrechen")->click();
        EXPECT_TRUE(dialog.isVisible()) << "waits for the exchange";
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, kExchangeLimit));
    });
    EXPECT_TRUE(Current().ReceivedBytes().ends_with("\rA\r3\rx\r3\rxxx\r"));
}

TEST_F(ProcedureDialogs, WhileAProcedureRunsTheMainWindowStartsNothing) {
    AddUnit();
    OpenWindow(DispatchTable(), ProcedureTiming());
    Run<HSErkennung>("Headset-Erkennung", [&](HSErkennung& dialog) {
        QTest::mouseClick(&Button("Lesen"), Qt::LeftButton);
        QTest::mouseClick(&Button("Werkseinstellungen"), Qt::LeftButton);
        EXPECT_TRUE(ui_.messages.empty()) << "no factory reset question";
        dialog.reject();
    });
    EXPECT_EQ(Current().CommandsReceived("$PROGSTART"), 0);
}

TEST_F(ProcedureDialogs, HeadsetStatusFollowsThePlugAndOkStoresTheCalibration) {
    for (const bool ok : {true, false}) {
        AddUnit();
        OpenWindow(DispatchTable(), ProcedureTiming());
        Run<HSErkennung>("Headset-Erkennung", [&](HSErkennung& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Headset-Erkennung");
            QLabel* status = dialog.findChild<QGroupBox*>()->findChild<QLabel*>();
            EXPECT_EQ(status->text(), "Headset-Anschluss wird überprüft");
            auto shows = [&](const QString& text) {
                return QTest::qWaitFor([&] { return status->text() == text; }, kExchangeLimit);
            };
            EXPECT_TRUE(shows("kein Headset angeschlossen"));
            Plug(true);
            EXPECT_TRUE(shows("Headset angeschlossen"));
            Plug(false);
            EXPECT_TRUE(shows("kein Headset angeschlossen"));
            FindByText<QPushButton>(dialog, ok ? "OK" : "Abbrechen")->click();
        });
        ASSERT_EQ(ui_.messages.size(), 1u);
        EXPECT_EQ(ui_.messages[0].caption, "Headset-Kalibrierung");
        EXPECT_EQ(ui_.messages[0].text,
                  "Verbinden oder trennen Sie jetzt bitte das Headset!\n\nBestätigen Sie "
                  "danach mit OK!");
        const std::string bytes = Current().ReceivedBytes();
        EXPECT_TRUE(bytes.starts_with("xx\n$PROGENDE\r\rH\r "));
        EXPECT_TRUE(bytes.ends_with(ok ? " pxxx\r" : " xxx\r")) << ok;
        Current().WithText(
            [ok](sim::TextMode& mode) { EXPECT_EQ(mode.HeadsetCalibrationsStored(), ok ? 1 : 0); });
        ui_.messages.clear();
        NextRound();
    }
}

TEST_F(ProcedureDialogs, AFailureDuringPollingIsShownOnceAndPollingStops) {
    const struct {
        QString button;
        int streamLimit;
        QString message;
    } cases[] = {
        {"Potentiometer-Abgleich", 6, kTimeoutText},
        {"Headset-Erkennung", 6, QString::fromUtf8(kConnectFailedText)},
    };
    for (const auto& c : cases) {
        ui_.messages.clear();
        AddUnit({.textFault = sim::TextFault::StreamStops, .streamLimit = c.streamLimit});
        OpenWindow(DispatchTable(), ProcedureTiming());
        OnNextModal([&](QWidget& dialog) {
            if (auto* poti = qobject_cast<PotiAbgleich*>(&dialog)) {
                ASSERT_TRUE(Idle(*poti));
                Choose(*poti, "Eingang Kreis 1");
            }
            EXPECT_TRUE(QTest::qWaitFor([&] { return MessagesWith(c.message) > 0; }, 5000));
            QTest::qWait(20 * ProcedureTiming().pollPeriod.count());
            EXPECT_EQ(MessagesWith(c.message), 1) << c.button.toStdString();
            static_cast<QDialog&>(dialog).reject();
        });
        Button(c.button).click();
        EXPECT_TRUE(Current().ReceivedBytes().ends_with("xxx\r"));
        NextRound();
    }
}

TEST_F(ProcedureDialogs, AProcedureOnAPortThatDoesNotOpen) {
    OpenWindow(DispatchTable(),
               ProcedureTiming());  // no unit: the current port stays empty and never opens
    Run<HSErkennung>("Headset-Erkennung", [&](HSErkennung& dialog) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !ui_.messages.empty(); }, 5000));
        QTest::qWait(100);
        dialog.accept();
    });
    ASSERT_EQ(ui_.messages.size(), 2u) << "once in the dialog, once at its end";
    EXPECT_TRUE(ui_.messages[0].text.startsWith(QString::fromUtf8(kConnectFailedText)));
    EXPECT_EQ(ui_.messages[1].text, "Fehler beim Beenden der Headset-Erkennung");
    EXPECT_EQ(ui_.messages[1].icon, MessageIcon::Error);
    ui_.messages.clear();
    Run<PotiAbgleich>("Potentiometer-Abgleich", [&](PotiAbgleich& dialog) {
        ASSERT_TRUE(Idle(dialog));
        dialog.reject();
    });
    ASSERT_EQ(ui_.messages.size(), 2u);
    EXPECT_EQ(ui_.messages[1].text, "Fehler beim Beenden des Potentiometer-Abgleichs");
}

// A port that counts its openings and answers every read at once: first with the bytes of
// opening, then nothing until a blank was sent (the headset's key), then with an endless stream.
class CountingPort : public SerialPort {
  public:
    CountingPort(std::string opening, std::string stream, int& opens)
        : opening_(std::move(opening)),
          stream_(std::move(stream)),
          opens_(opens),
          streaming_(opening_.empty()) {}
    bool Open(const std::string&) override {
        ++opens_;
        return open_ = true;
    }
    void Configure() override {}
    bool IsOpen() const override { return open_; }
    void Close() override { open_ = false; }
    bool Write(const std::string& bytes) override {
        streaming_ = streaming_ || bytes == " ";
        return true;
    }
    ReadStatus ReadByte(char& byte) override {
        if (!opening_.empty()) {
            byte = opening_.front();
            opening_.erase(0, 1);
            return ReadStatus::Byte;
        }
        if (!streaming_)
            return ReadStatus::Silence;
        byte = stream_[at_++ % stream_.size()];
        return ReadStatus::Byte;
    }
    bool HasFailed() const override { return false; }
    std::string OpenFailureReason() const override { return {}; }
    bool CanOpen(const std::string&) override { return true; }
    std::string DeviceFor(const std::string&) const override { return {}; }

  private:
    std::string opening_;
    std::string stream_;
    std::size_t at_ = 0;
    int& opens_;
    bool streaming_;
    bool open_ = false;
};

TEST(ProcedureTimers, PollAtMostOncePerPeriod) {
    Timing timing = Timing{}.Scaled(10);
    timing.pollPeriod = std::chrono::milliseconds(50);
    timing.headsetRepeatPause = std::chrono::milliseconds(1);
    FakeUserInterface ui;
    for (const bool headset : {false, true}) {
        int opens = 0;
        Register image(
            headset ? std::make_unique<CountingPort>("Druecken Sie danach bitte eine Taste.\r\n",
                                                     "kein Headset angeschlossen\r\n", opens)
                    : std::make_unique<CountingPort>(
                          "", "Ende aktuell: +01.5 dB  Pegel: 300 mV\r\n", opens));
        std::unique_ptr<QDialog> dialog;
        if (headset) {
            dialog = std::make_unique<HSErkennung>(image, "/dev/unit", ui, timing);
        } else {
            auto poti = std::make_unique<PotiAbgleich>(image, "/dev/unit", ui, timing);
            poti->show();
            ASSERT_TRUE(QTest::qWaitFor([&] { return !poti->Busy(); }));
            Choose(*poti, "Eingang Kreis 4");
            ASSERT_TRUE(QTest::qWaitFor([&] { return !poti->Busy(); }));
            dialog = std::move(poti);
        }
        dialog->show();
        QTest::qWait(100);
        const int before = opens;
        const auto start = std::chrono::steady_clock::now();
        QTest::qWait(600);
        const auto periods = (std::chrono::steady_clock::now() - start) / timing.pollPeriod;
        EXPECT_GE(opens - before, 1) << headset;
        EXPECT_LE(opens - before, periods + 2) << headset;
        dialog->reject();
    }
}

}  // namespace
}  // namespace orvan::test
