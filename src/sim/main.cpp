#include <pthread.h>
#include <signal.h>

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "core/PortFolder.h"
#include "core/TextFunctions.h"
#include "sim/SimCommandLine.h"
#include "sim/SimulatedUnit.h"
#include "sim/TraceLog.h"

namespace {

// Blocked in every thread, so that only sigwait below takes them.
sigset_t EndSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    sigaddset(&signals, SIGUSR1);  // plugs the headset in or out
    return signals;
}

int Serve(const orvan::sim::SimCommandLine& line) {
    orvan::sim::UnitOptions options = line.unit;
    if (line.verbose) {
        options.commandListener = [](const std::string& command) {
            std::cout << "PC> " << orvan::EscapedBytes(command) << std::endl;
        };
    }
    orvan::sim::PtyHost host(options);
    std::cout << "Simulierte Einheit an " << host.SlavePath();
    if (line.registerPort) {
        const int port = host.RegisterAsComPort(line.portsFolder);
        std::cout << " als COM" << port << " (Ordner " << line.portsFolder << ")";
    }
    std::cout << std::endl;

    const sigset_t signals = EndSignals();
    int received = 0;
    while (sigwait(&signals, &received) == 0 && received == SIGUSR1) {
        bool plugged = false;
        host.WithText([&plugged](orvan::sim::TextMode& text) {
            plugged = !text.HeadsetPlugged();
            text.SetHeadsetPlugged(plugged);
        });
        std::cout << (plugged ? "Headset eingesteckt" : "Headset abgezogen") << std::endl;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto line = orvan::sim::ParseSimCommandLine(args, orvan::DefaultPortFolder());
    if (!line.error.empty()) {
        std::cerr << "orvan2a-sim: " << line.error << "\n\n" << orvan::sim::SimUsage();
        return 2;
    }
    if (line.help) {
        std::cout << orvan::sim::SimUsage();
        return 0;
    }
    if (line.version) {
        std::cout << "orvan2a-sim " ORVAN_VERSION "\n";
        return 0;
    }
    const sigset_t signals = EndSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    try {
        return Serve(line);
    } catch (const std::exception& error) {
        std::cerr << "orvan2a-sim: " << error.what() << '\n';
        return 1;
    }
}
