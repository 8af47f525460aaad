#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "SlaveEnd.h"

namespace orvan::sim {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

const fs::path kProgram = fs::path(ORVAN_BIN_DIR) / "orvan2a-sim";

// orvan2a-sim as a child process whose stdout is a pipe.
class SimProcess {
  public:
    explicit SimProcess(const std::string& portsFolder) {
        int out[2];
        if (pipe(out) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            close(out[0]);
            close(out[1]);
            execl(kProgram.c_str(), kProgram.c_str(), "--ports-folder", portsFolder.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        close(out[1]);
        output_ = fdopen(out[0], "r");
    }
    ~SimProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (output_ != nullptr) {
            fclose(output_);
        }
    }
    std::string FirstLine() {
        char line[512] = {};
        return output_ != nullptr && fgets(line, sizeof line, output_) != nullptr ? line : "";
    }
    void Signal(int number) { kill(pid_, number); }
    int Terminate() {
        kill(pid_, SIGTERM);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    pid_t pid_ = -1;
    FILE* output_ = nullptr;
};

TEST(Program, RegistersItsPortAndRemovesItOnTermination) {
    if (!fs::exists(kProgram)) {
        GTEST_SKIP() << "orvan2a-sim not built";
    }
    const fs::path folder =
        fs::temp_directory_path() / ("orvan-sim-program-" + std::to_string(getpid()));
    fs::remove_all(folder);
    SimProcess sim(folder.string());
    const std::string line = sim.FirstLine();
    EXPECT_TRUE(line.starts_with("Simulierte Einheit an /dev/")) << line;
    EXPECT_NE(line.find(" als COM1 (Ordner " + folder.string() + ")"), std::string::npos) << line;

    {
        test::SlaveEnd port((folder / "COM1").string());
        ASSERT_TRUE(port.IsOpen());
        ASSERT_TRUE(port.Write("$PROGENDE\r"));
        EXPECT_EQ(port.Read(6, 2s), "ENDE\r\n");
    }
    EXPECT_EQ(sim.Terminate(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "COM1")));
    fs::remove_all(folder);
}

TEST(Program, SigusrPlugsTheHeadsetInAndOut) {
    if (!fs::exists(kProgram)) {
        GTEST_SKIP() << "orvan2a-sim not built";
    }
    const fs::path folder =
        fs::temp_directory_path() / ("orvan-sim-headset-" + std::to_string(getpid()));
    fs::remove_all(folder);
    SimProcess sim(folder.string());
    ASSERT_FALSE(sim.FirstLine().empty());
    test::SlaveEnd port((folder / "COM1").string());
    ASSERT_TRUE(port.IsOpen());
    ASSERT_TRUE(port.Write("\rH\r "));
    EXPECT_NE(port.Read(400, 2s).find("kein Headset angeschlossen"), std::string::npos);
    for (const char* expected : {"Headset eingesteckt\n", "Headset abgezogen\n"}) {
        sim.Signal(SIGUSR1);
        EXPECT_EQ(sim.FirstLine(), expected);
        const std::string report = std::string(expected).find("ein") != std::string::npos
                                       ? "\nHeadset angeschlossen"
                                       : "kein Headset angeschlossen";
        std::string stream;
        for (int i = 0; i < 20 && stream.find(report) == std::string::npos; ++i)
            stream += port.Read(100, 200ms);
        EXPECT_NE(stream.find(report), std::string::npos) << expected;
    }
    port.Close();
    EXPECT_EQ(sim.Terminate(), 0);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace orvan::sim
