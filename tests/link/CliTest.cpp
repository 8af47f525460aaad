#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "../UnitCommands.h"
#include "core/Register.h"
#include "core/TextFunctions.h"
#include "link/DeviceMessages.h"
#include "link/Timing.h"
#include "sim/SimulatedUnit.h"

namespace orvan {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The command-line tool with the real timing, against the simulated unit.
class CliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("orvan-cli-" + std::to_string(getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    CliRun Run(const std::vector<std::string>& arguments) const {
        const fs::path out = dir / "stdout", err = dir / "stderr";
        const pid_t child = fork();
        if (child == 0) {
            setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
            setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
            if (!freopen(out.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr))
                _exit(99);
            std::vector<char*> argv;
            const std::string program = std::string(ORVAN_BIN_DIR) + "/orvan2a-cli";
            argv.push_back(const_cast<char*>(program.c_str()));
            for (const std::string& argument : arguments)
                argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(98);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out), Slurp(err)};
    }

    std::string PortsFolder() const { return (dir / "config" / "orvan2a" / "ports").string(); }
    fs::path BackupFolder() const { return dir / "data" / "orvan2a" / "Sicherungen"; }
    std::vector<fs::path> Backups() const {
        std::vector<fs::path> files;
        if (fs::exists(BackupFolder())) {
            for (const fs::directory_entry& entry : fs::directory_iterator(BackupFolder()))
                files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        return files;
    }

    fs::path dir;
};

TEST_F(CliTest, ReadsTheUnitByItsComNameIntoARegisterFile) {
    sim::PtyHost unit;
    unit.SetRegisterValue(12, "0001a000");
    const int com = unit.RegisterAsComPort(PortsFolder());

    const CliRun ports = Run({"ports"});
    EXPECT_EQ(ports.status, 0);
    EXPECT_NE(ports.out.find("COM" + std::to_string(com) + "\t"), std::string::npos) << ports.out;

    const fs::path file = dir / "read.rvx2a2";
    const fs::path trace = dir / "trace.txt";
    const CliRun read =
        Run({"--trace", trace.string(), "read", "COM" + std::to_string(com), file.string()});
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(read.err, "");
    const std::string content = Slurp(file);
    const std::vector<fs::path> backups = Backups();
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_TRUE(backups[0].string().ends_with("_gelesen_COM" + std::to_string(com) + ".rvx2a2"));
    EXPECT_EQ(Slurp(backups[0]), content);
    const CliRun listed = Run({"backups"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, backups[0].string() + "\n");
    const std::string recorded = Slurp(trace);
    std::size_t commands = 0;
    for (std::size_t at = recorded.find(">> $R"); at != std::string::npos;
         at = recorded.find(">> $R", at + 1)) {
        ++commands;
    }
    EXPECT_EQ(commands, 300u);
    EXPECT_NE(recorded.find("<< $R299"), std::string::npos) << recorded.substr(0, 400);
    EXPECT_EQ(content.size(), 4510u);
    EXPECT_NE(content.find("R012 0001A000\r\n"), std::string::npos);
    EXPECT_NE(read.out.find("Version: "), std::string::npos);
    EXPECT_NE(read.out.find("\nNF-Squelch-Option: ja\n"), std::string::npos) << read.out;
    EXPECT_EQ(read.out.find('\r'), std::string::npos);
}

TEST_F(CliTest, SendsARegisterFileToTheUnit) {
    sim::PtyHost unit;
    const fs::path file = dir / "send.rvx2a2";
    {
        std::ofstream out(file, std::ios::binary);
        out << "R       \r\n";
        for (int n = 0; n < kRegisterCount; ++n) {
            out << "R"
                << (n < 10    ? "00"
                    : n < 100 ? "0"
                              : "")
                << n << " " << (n == 42 ? "123456789" : "0000ABCD") << "\r\n";
        }
    }
    const CliRun send = Run({"send", unit.SlavePath(), file.string()});
    ASSERT_EQ(send.status, 0) << send.err;
    EXPECT_EQ(unit.RegisterValue(0), "0000ABCD");
    EXPECT_EQ(unit.RegisterValue(42), "123456789");
    EXPECT_EQ(unit.CommandsReceived("$P"), kRegisterCount);
    const std::vector<fs::path> backups = Backups();
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_NE(backups[0].string().find("_gesendet_"), std::string::npos);
    EXPECT_EQ(Slurp(backups[0]), Slurp(file));
}

TEST_F(CliTest, FactoryResetReadsTheFactoryValuesBack) {
    sim::PtyHost unit;
    unit.SetRegisterValue(214, "11111111");
    const fs::path file = dir / "factory.rvx2a2";
    // A backup folder that cannot be made costs one line on stderr, never the reset itself.
    fs::create_directories(dir / "data");
    std::ofstream(dir / "data" / "orvan2a") << "in the way";
    const auto started = std::chrono::steady_clock::now();
    const CliRun reset = Run({"factory-reset", unit.SlavePath(), file.string()});
    ASSERT_EQ(reset.status, 0) << reset.err;
    EXPECT_EQ(
        reset.err.rfind(
            "Die Sicherungskopie konnte nicht gespeichert werden: " + BackupFolder().string(), 0),
        0u)
        << reset.err;
    EXPECT_EQ(std::count(reset.err.begin(), reset.err.end(), '\n'), 1);
    EXPECT_EQ(unit.FactoryResets(), 1);
    // The unit restarts before the read starts: its start command comes a whole pause after the
    // tool was started, whatever the load.
    const std::vector<test::TimedCommand> commands = test::CommandsIn(unit.Trace());
    const std::size_t resetEnd = test::FindCommand(commands, "$PROGENDE");
    ASSERT_LT(resetEnd + 1, commands.size());
    EXPECT_EQ(commands[resetEnd + 1].text, "$PROGSTART");
    EXPECT_GE(commands[resetEnd + 1].time - started, Timing{}.factoryResetPause);
    const std::string factory = sim::SimulatedUnit::FactoryTable()[214];
    EXPECT_NE(Slurp(file).find("R214 " + factory + "\r\n"), std::string::npos);
}

TEST_F(CliTest, FailuresExitWithOneLineAndTouchNoFile) {
    const fs::path file = dir / "none.rvx2a2";
    {
        sim::PtyHost unit({.identification = sim::Identification::WrongDevice});
        const CliRun read = Run({"read", unit.SlavePath(), file.string()});
        EXPECT_EQ(read.status, 1);
        EXPECT_EQ(read.err, std::string(kNoConnectionText) + "\n");
        EXPECT_FALSE(fs::exists(file));
        EXPECT_TRUE(Backups().empty());
    }
    {
        sim::PtyHost unit;
        const fs::path trace = dir / "missing-folder" / "trace.txt";
        const CliRun traced =
            Run({"--trace", trace.string(), "read", unit.SlavePath(), file.string()});
        EXPECT_EQ(traced.status, 1);
        EXPECT_EQ(
            traced.err.rfind(
                "Das Verbindungsprotokoll konnte nicht angelegt werden: " + trace.string(), 0),
            0u)
            << traced.err;
        EXPECT_EQ(unit.ReceivedBytes(), "");
        EXPECT_FALSE(fs::exists(file));
    }
    {
        const CliRun missing = Run({"read", (dir / "no-such-tty").string(), file.string()});
        EXPECT_EQ(missing.status, 1);
        EXPECT_EQ(missing.err.rfind("Das Gerät konnte nicht initialisiert werden. Bitte", 0), 0u)
            << missing.err;
        EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1);
        EXPECT_FALSE(fs::exists(file));
    }
    {
        sim::PtyHost unit;
        const CliRun send = Run({"send", unit.SlavePath(), file.string()});
        EXPECT_EQ(send.status, 1);
        EXPECT_EQ(unit.ReceivedBytes(), "");
    }
    {
        sim::PtyHost unit({.identification = sim::Identification::OnlyVexaSpace});
        const fs::path headerOnly = dir / "header-only.rvx2a2";
        std::ofstream(headerOnly, std::ios::binary) << "R       \r\n";
        const CliRun truncated = Run({"send", unit.SlavePath(), headerOnly.string()});
        EXPECT_EQ(truncated.status, 1);
        EXPECT_EQ(unit.ReceivedBytes(), "");
    }
}

std::string DataFile(const char* name) {
    return std::string(ORVAN_TEST_DATA) + "/" + name;
}

// typical.rvx2a2 with register reg replaced by value.
fs::path TypicalWith(const fs::path& dir, int reg, const std::string& value) {
    std::string content = Slurp(DataFile("typical.rvx2a2"));
    const std::string head = "R" + PadLeftZeros(std::to_string(reg), 3) + " ";
    const std::size_t at = content.find(head) + head.size();
    content.replace(at, content.find('\r', at) - at, value);
    const fs::path file = dir / ("typical-" + std::to_string(reg) + ".rvx2a2");
    std::ofstream(file, std::ios::binary) << content;
    return file;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST_F(CliTest, ShowListsEverySettingThenTheRawCharacters) {
    const CliRun show = Run({"show", DataFile("typical.rvx2a2")});
    ASSERT_EQ(show.status, 0) << show.err;
    const std::vector<std::string> lines = Lines(show.out);
    ASSERT_GT(lines.size(), 10u);
    EXPECT_NE(lines.front().find(" › "), std::string::npos) << lines.front();
    EXPECT_NE(
        std::find(lines.begin(), lines.end(), "Funkkreiskonfiguration › Funkkreis 1 erlaubt: ja"),
        lines.end());
    EXPECT_EQ(lines.back(), "Register 299: 000000FF");
    bool raw = false;
    for (const std::string& line : lines) {
        raw = raw || line.starts_with("Register ");
        EXPECT_EQ(line.starts_with("Register "), raw) << "settings first, raw lines last: " << line;
    }

    const CliRun missing = Run({"show", (dir / "missing.rvx2a2").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1) << missing.err;
    EXPECT_EQ(Run({"show"}).status, 2);
}

TEST_F(CliTest, DiffExitsAsDiffDoesAndNamesEachDifferingSetting) {
    struct Case {
        std::string first, second;
        int status;
        std::vector<std::string> lines;
    };
    const std::string typical = DataFile("typical.rvx2a2");
    const Case cases[] = {
        {typical, DataFile("lf-endings.rvx2a2"), 0, {}},
        {typical,
         TypicalWith(dir, 0, "10110000").string(),
         1,
         {"Funkkreiskonfiguration › Funkkreis 2 erlaubt: ja → nein"}},
        {typical,
         TypicalWith(dir, 250, "0000000X").string(),
         1,
         {"Register 250: 00000000 → 0000000X"}},
        {typical,
         DataFile("lowercase.rvx2a2"),
         1,
         {"BUSY Ausgang Konfiguration › BUSY Ausgang Funkkreis 2: BUSY immer aus → z",
          "BUSY Eingang Konfiguration › LED wenn BUSY Eingang aktiv › Funkkreis 3: Keine Funktion "
          "→ a",
          "BUSY Eingang Konfiguration › LED wenn BUSY Eingang aktiv › Funkkreis 4: Keine Funktion "
          "→ b"}},
        {typical, (dir / "missing.rvx2a2").string(), 2, {}},
    };
    for (const Case& c : cases) {
        const CliRun diff = Run({"diff", c.first, c.second});
        EXPECT_EQ(diff.status, c.status) << c.second << diff.err;
        EXPECT_EQ(Lines(diff.out), c.lines) << c.second;
    }
    EXPECT_EQ(Run({"diff", typical}).status, 2);
}

// A file that does not load completely would describe zeros as if they were the file's: every
// command that reads a register file refuses it, prints nothing and touches no unit.
TEST_F(CliTest, CommandsRefuseRegisterFilesThatDoNotLoadCompletely) {
    sim::PtyHost unit({.registerFile = DataFile("typical.rvx2a2")});
    const std::string typical = DataFile("typical.rvx2a2");
    const std::string broken[] = {DataFile("overlong-line.rvx2a2"), DataFile("truncated.rvx2a2"),
                                  DataFile("binary-junk.rvx2a2"), DataFile("empty.rvx2a2"),
                                  dir.string()};
    struct Command {
        std::vector<std::string> arguments;  // "F" stands for the broken file
        int status;
    };
    const std::string text = (dir / "typical.txt").string(), out = (dir / "out.rvx2a2").string();
    ASSERT_EQ(Run({"export", typical, text}).status, 0);
    const Command commands[] = {
        {{"show", "F"}, 1},
        {{"export", "F"}, 1},
        {{"import", "--base", "F", text, out}, 1},
        {{"diff", typical, "F"}, 2},
        {{"diff", "F", typical}, 2},
        {{"verify", unit.SlavePath(), "F"}, 2},
        {{"send", "--verify", unit.SlavePath(), "F"}, 2},
    };
    for (const std::string& file : broken) {
        for (Command command : commands) {
            std::replace(command.arguments.begin(), command.arguments.end(), std::string("F"),
                         file);
            const CliRun run = Run(command.arguments);
            const std::string what = command.arguments[0] + " " + file;
            EXPECT_EQ(run.status, command.status) << what << run.err;
            EXPECT_EQ(run.out, "") << what;
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << what << run.err;
            EXPECT_NE(run.err.find(file), std::string::npos) << what << run.err;
        }
    }
    EXPECT_EQ(unit.ReceivedBytes(), "") << "no file that cannot be loaded reaches the unit";
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(CliTest, VersionNamesTheProgramAndItsVersion) {
    const CliRun version = Run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("orvan2a-cli ") + ORVAN_VERSION + "\n");
}

TEST_F(CliTest, SendVerifyPassesForLowerCaseValuesInEitherAnswerCase) {
    sim::PtyHost unit;
    const std::string lowercase = DataFile("lowercase.rvx2a2");
    const CliRun sent = Run({"send", "--verify", unit.SlavePath(), lowercase});
    EXPECT_EQ(sent.status, 0) << sent.out << sent.err;
    EXPECT_EQ(sent.out, "");
    const std::vector<fs::path> backups = Backups();
    ASSERT_EQ(backups.size(), 1u) << "the send's backup, none for the read after it";
    EXPECT_NE(backups[0].string().find("_gesendet_"), std::string::npos) << backups[0];
    EXPECT_EQ(unit.RegisterValue(5), "00ab0000");

    // A unit that answers in upper case holds the same.
    for (int n = 0; n < kRegisterCount; ++n)
        unit.SetRegisterValue(n, ToUpperAscii(unit.RegisterValue(n)));
    const CliRun upper = Run({"verify", unit.SlavePath(), lowercase});
    EXPECT_EQ(upper.status, 0) << upper.out << upper.err;
    EXPECT_EQ(upper.out, "");
}

TEST_F(CliTest, SendVerifyPassesForValuesLongerThanEightCharacters) {
    sim::PtyHost unit;
    const CliRun nine =
        Run({"send", "--verify", unit.SlavePath(), DataFile("nine-char-values.rvx2a2")});
    EXPECT_EQ(nine.status, 0) << nine.out << nine.err;
    EXPECT_EQ(unit.RegisterValue(0), "123456789");
}

TEST_F(CliTest, VerifyShowsTheUnitAsNewAndFailsCleanlyWithoutAUnit) {
    sim::PtyHost unit({.registerFile = DataFile("typical.rvx2a2")});
    unit.SetRegisterValue(250, "0000000Y");
    const fs::path trace = dir / "verify-trace.txt";
    const CliRun verify =
        Run({"--trace", trace.string(), "verify", unit.SlavePath(), DataFile("typical.rvx2a2")});
    EXPECT_EQ(verify.status, 1) << verify.err;
    EXPECT_EQ(Lines(verify.out), std::vector<std::string>{"Register 250: 00000000 → 0000000Y"});
    EXPECT_TRUE(Slurp(trace).find(">> $R299") != std::string::npos) << "the read is traced";
    EXPECT_TRUE(Backups().empty()) << "verify writes no file";

    const CliRun noPort =
        Run({"verify", (dir / "no-such-tty").string(), DataFile("typical.rvx2a2")});
    EXPECT_EQ(noPort.status, 2);
    EXPECT_EQ(noPort.out, "");
    const CliRun noFile = Run({"verify", unit.SlavePath(), (dir / "missing.rvx2a2").string()});
    EXPECT_EQ(noFile.status, 2);
    EXPECT_EQ(unit.ReceivedBytes().find("$PROGSTART\r", 1), std::string::npos)
        << "no second read for a file that cannot be read";
}

TEST_F(CliTest, SendVerifyCatchesAWriteTheUnitStoredWrongly) {
    sim::PtyHost unit({.fault = sim::Fault::CorruptWrite, .faultAfter = 0});
    const CliRun sent = Run({"send", "--verify", unit.SlavePath(), DataFile("typical.rvx2a2")});
    EXPECT_EQ(sent.status, 1) << sent.err;
    EXPECT_EQ(Lines(sent.out),
              std::vector<std::string>{"Funkkreiskonfiguration › Funkkreis 1 erlaubt: ja → nein"});
}

// A fleet from one template: export once, set per unit; each step leaves the rest as it was.
TEST_F(CliTest, ExportImportAndSetKeepEveryCharacterTheyDoNotChange) {
    const std::string typical = DataFile("typical.rvx2a2");
    const std::string text = (dir / "vorlage.txt").string();
    const CliRun toStdout = Run({"export", typical});
    ASSERT_EQ(Run({"export", typical, text}).status, 0);
    EXPECT_EQ(Slurp(text), toStdout.out);
    EXPECT_TRUE(toStdout.out.starts_with("# Orvan 2a/2b Einstellungen, Format 1\n"));

    const std::string unit = (dir / "wagen7.rvx2a2").string();
    ASSERT_EQ(Run({"import", text, unit}).status, 0);
    EXPECT_EQ(Slurp(unit), Slurp(typical));
    const CliRun set = Run({"set", unit, "Tastenfunktionen > PTT > FMS Kennung", "1234567890",
                            "Funkkreiskonfiguration › Funkkreis 2 erlaubt", "nein"});
    ASSERT_EQ(set.status, 0) << set.err;
    const CliRun diff = Run({"diff", typical, unit});
    ASSERT_EQ(Lines(diff.out).size(), 2u) << diff.out;
    EXPECT_EQ(Lines(diff.out)[0], "Funkkreiskonfiguration › Funkkreis 2 erlaubt: ja → nein");
    EXPECT_TRUE(Lines(diff.out)[1].starts_with(
        "Tastenfunktionen › PTT › FMS Kennung: 0000000000 (0:, 0: Sachsen, Ort 00, Fahrzeug 0000, "
        "Status 0, TKI 1, Baustufe 1) → 1234567890"));

    std::ofstream(dir / "teil.txt") << "# Orvan 2a/2b Einstellungen, Format 1\r\n"
                                    << "Funkkreiskonfiguration › Funkkreis 2 erlaubt: nein\r\n";
    const std::string partial = (dir / "teil.rvx2a2").string();
    ASSERT_EQ(Run({"import", "--base", typical, (dir / "teil.txt").string(), partial}).status, 0);
    EXPECT_EQ(Lines(Run({"diff", typical, partial}).out),
              std::vector<std::string>{"Funkkreiskonfiguration › Funkkreis 2 erlaubt: ja → nein"});
}

TEST_F(CliTest, RefusedTextsAndSettingsNameEveryLineAndTouchNoFile) {
    const std::string typical = DataFile("typical.rvx2a2");
    const std::string target = (dir / "ziel.rvx2a2").string();
    const std::string copy = (dir / "kopie.rvx2a2").string();
    fs::copy_file(typical, copy);
    const std::string bad = (dir / "fehler.txt").string();
    std::ofstream(bad) << "# Orvan 2a/2b Einstellungen, Format 1\n"
                       << "Funkkreiskonfiguration › Funkkreis 2 erlaubt: vielleicht\n"
                       << "# Kommentar\n"
                       << "Funkkreiskonfiguration › Funkkreis 9 erlaubt: ja\n";
    std::ofstream(dir / "teil.txt") << "# Orvan 2a/2b Einstellungen, Format 1\n"
                                    << "Funkkreiskonfiguration › Funkkreis 2 erlaubt: nein\n";
    struct Case {
        std::vector<std::string> arguments;
        std::vector<std::string> errors;  // the start of each line on stderr
    } const cases[] = {
        {{"import", "--base", typical, bad, target},
         {bad + ":2: Funkkreiskonfiguration › Funkkreis 2 erlaubt: „vielleicht“",
          bad + ":4: Unbekannte Einstellung"}},
        {{"import", (dir / "teil.txt").string(), target},
         {(dir / "teil.txt").string() + ": Der Text bestimmt nicht jedes Zeichen",
          "Ein Text, der nur einige"}},
        {{"import", (dir / "fehlt.txt").string(), target}, {"Der Text konnte nicht gelesen"}},
        {{"export", (dir / "fehlt.rvx2a2").string(), target}, {"Die Datei konnte nicht gelesen"}},
        {{"export", DataFile("truncated.rvx2a2"), target}, {"Die Datei konnte nicht gelesen"}},
        {{"set", copy, "Funkkreis 2 erlaubt", "nein"}, {"set: Einstellung 1: Unbekannte"}},
        {{"set", copy, "Register 250", "0", "Register 250", "1"},
         {"set: Einstellung 2: Zeichen 0 von Register 250 ist doppelt bestimmt (zuerst in "
          "Einstellung 1)."}},
    };
    const std::string before = Slurp(copy);
    for (const Case& c : cases) {
        const CliRun run = Run(c.arguments);
        EXPECT_EQ(run.status, 1) << c.arguments[0];
        const std::vector<std::string> lines = Lines(run.err);
        ASSERT_EQ(lines.size(), c.errors.size()) << run.err;
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_TRUE(lines[i].starts_with(c.errors[i])) << lines[i];
        EXPECT_FALSE(fs::exists(target)) << c.arguments[0];
    }
    EXPECT_EQ(Slurp(copy), before);
}

TEST_F(CliTest, UsageErrorsExitWithTwo) {
    EXPECT_EQ(Run({}).status, 2);
    EXPECT_EQ(Run({"read", "COM1"}).status, 2);
    EXPECT_EQ(Run({"erase", "COM1", "x"}).status, 2);
    EXPECT_EQ(Run({"--trace", "t.txt"}).status, 2);
    EXPECT_EQ(Run({"export"}).status, 2);
    EXPECT_EQ(Run({"import", "t.txt"}).status, 2);
    EXPECT_EQ(Run({"import", "--basis", "a", "t.txt", "b"}).status, 2);
    EXPECT_EQ(Run({"set", "a.rvx2a2", "Name"}).status, 2);
    const CliRun help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("factory-reset"), std::string::npos);
}

}  // namespace
}  // namespace orvan
