#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cli/CliObserver.h"
#include "cli/ImageCommands.h"
#include "cli/TextCommands.h"
#include "cli/Utf8Console.h"
#include "core/Backups.h"
#include "core/FileAccess.h"
#include "core/RegisterFile.h"
#include "core/UnicodeText.h"
#include "link/DeviceMessages.h"
#include "link/FactoryReset.h"
#include "link/PortTrace.h"
#include "link/SystemPort.h"
#include "link/TracingPort.h"
#include "link/TransferThread.h"

namespace orvan {
namespace {

constexpr int kExitUsage = 2;

constexpr const char* kUsage =
    "Aufruf:\n"
    "  orvan2a-cli [--trace PROTOKOLL] BEFEHL ...\n"
    "  orvan2a-cli ports                     Ports auflisten, die sich öffnen lassen\n"
    "  orvan2a-cli read PORT DATEI           Gerät auslesen, als Registerdatei speichern\n"
    "  orvan2a-cli send [--verify] PORT DATEI\n"
    "                                        Registerdatei laden und zum Gerät senden;\n"
    "                                        mit --verify danach auslesen und vergleichen\n"
    "  orvan2a-cli factory-reset PORT DATEI  Gerät auf Werkseinstellungen zurücksetzen,\n"
    "                                        auslesen und als Registerdatei speichern\n"
    "  orvan2a-cli verify PORT DATEI         Gerät auslesen und mit DATEI vergleichen\n"
    "  orvan2a-cli show DATEI                Einstellungen einer Registerdatei in Worten\n"
    "  orvan2a-cli diff DATEI1 DATEI2        Unterschiede zweier Registerdateien\n"
    "  orvan2a-cli backups                   Sicherungskopien auflisten, die neueste zuletzt\n"
    "  orvan2a-cli export DATEI [TEXT]       Einstellungen als Text, nach TEXT oder zur Ausgabe\n"
    "  orvan2a-cli import [--base BASIS] TEXT DATEI\n"
    "                                        Registerdatei aus einem Text bauen; mit --base\n"
    "                                        nur die genannten Einstellungen von BASIS ändern\n"
    "  orvan2a-cli set DATEI NAME WERT [NAME WERT ...]\n"
    "                                        Einstellungen einer Registerdatei ändern\n"
    "NAME ist der Name aus export und show, etwa \"Tastenfunktionen › PTT › FMS Kennung\"\n"
    "(\">\" statt \"›\" geht auch). Eine Flotte aus einer Vorlage programmieren:\n"
    "  orvan2a-cli export vorlage.rvx2a2 vorlage.txt\n"
    "  cp vorlage.rvx2a2 wagen7.rvx2a2\n"
    "  orvan2a-cli set wagen7.rvx2a2 \"Tastenfunktionen > PTT > FMS Kennung\" 1234567890\n"
    "  orvan2a-cli send --verify COM3 wagen7.rvx2a2\n"
    "diff, verify und send --verify enden mit 0 (gleich), 1 (verschieden) oder 2 (Fehler).\n"
    "Eine Registerdatei, die sich nicht vollständig lesen lässt, weist jeder Befehl zurück.\n"
    "--trace PROTOKOLL zeichnet jedes gesendete und empfangene Byte in PROTOKOLL auf.\n"
    "Jedes mit read, send oder factory-reset übertragene Abbild wird als Sicherungskopie\n"
    "abgelegt in $XDG_DATA_HOME/orvan2a/Sicherungen (sonst ~/.local/share/orvan2a/Sicherungen);\n"
    "verify legt keine Datei an.\n"
    "orvan2a-cli --version gibt die Versionsnummer aus.\n"
    "PORT ist COMn (zum Beispiel COM1) oder ein Gerätepfad (zum Beispiel /dev/ttyUSB0).\n";

// COMn names become the program's own port paths; device paths are used as they stand.
std::string PortArgument(const std::string& port) {
    if (port.size() > 3 && port.compare(0, 3, "COM") == 0) {
        return "\\\\.\\" + port;
    }
    return port;
}

bool OpenPort(Register& image, const std::string& path, std::string& failure) {
    if (image.OpenPort(path) == 1)
        return true;
    failure = std::string(kPortInitFailedText) + " " + image.PortOpenFailureReason();
    return false;
}

int ListPorts(Register& image) {
    image.EnumeratePorts();
    for (const std::string& path : image.portPaths) {
        if (!path.empty()) {
            std::printf("%s\t%s\n", PortDisplayName(path).c_str(), image.DeviceFor(path).c_str());
        }
    }
    return 0;
}

std::string WithoutLineEnd(std::string text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
        text.pop_back();
    return text;
}

// A backup that cannot be written is reported and never fails the transfer.
void KeepBackup(const Register& image, BackupKind kind, const std::string& port) {
    const BackupResult backup = SaveBackup(image, kind, port);
    if (!backup.Succeeded()) {
        std::fprintf(stderr, "Die Sicherungskopie konnte nicht gespeichert werden: %s: %s\n",
                     TextFromPath(backup.path).c_str(), backup.reason.c_str());
    }
}

int ListBackupFiles() {
    for (const std::filesystem::path& path : ListBackups(DefaultBackupFolder()))
        std::printf("%s\n", TextFromPath(path).c_str());
    return 0;
}

// Reads the unit (port already open) and saves the image; no file is touched on failure.
int ReadAndSave(Register& image, const std::string& port, const std::string& file) {
    CliObserver observer(kRegisterCount);
    TransferThread worker;
    worker.StartRead(image, observer);
    worker.Join();
    if (observer.Outcome().result != TransferResult::Success)
        return kExitFailure;
    KeepBackup(image, BackupKind::Read, port);
    image.fileName = file;
    const FileResult saved = SaveToFile(image);
    if (!saved.Succeeded()) {
        return Fail("Die Datei konnte nicht gespeichert werden: " + file + ": " + saved.reason);
    }
    std::printf("Version: %s\n", WithoutLineEnd(image.versionText).c_str());
    std::printf("NF-Squelch-Option: %s\n", image.hasAfSquelch ? "ja" : "nein");
    return 0;
}

int Read(Register& image, const std::string& port, const std::string& file) {
    std::string failure;
    if (!OpenPort(image, port, failure))
        return Fail(failure);
    return ReadAndSave(image, port, file);
}

// Loads the file and sends it; true when every register went out.
bool LoadAndSend(Register& image, const std::string& port, const std::string& file) {
    image.fileName = file;
    const FileResult loaded = LoadFromFile(image);
    if (loaded.status != FileResult::Status::Ok) {
        // A damaged file would put half a configuration into the unit.
        Fail("Die Datei konnte nicht geöffnet werden: " + file + ": " + loaded.reason +
             " Es wurde nichts gesendet.");
        return false;
    }
    std::string failure;
    image.ClosePort();
    if (!OpenPort(image, port, failure)) {
        Fail(failure);
        return false;
    }
    CliObserver observer(kRegisterCount);
    TransferThread worker;
    worker.StartSend(image, observer);
    worker.Join();
    switch (observer.Outcome().result) {
        case TransferResult::Success:
            KeepBackup(image, BackupKind::Sent, port);
            return true;
        case TransferResult::EarlyEnd:
            Fail("Das Gerät hat die Übertragung beendet, bevor Register gesendet wurden.");
            return false;
        default:
            return false;  // the sequence has printed its message
    }
}

int Send(Register& image, const std::string& port, const std::string& file) {
    return LoadAndSend(image, port, file) ? 0 : kExitFailure;
}

// Reads the unit over the image's port into unit; the image stays as it is.
bool ReadUnit(Register& image, const std::string& port, Register& unit) {
    std::string failure;
    if (!OpenPort(image, port, failure)) {
        Fail(failure);
        return false;
    }
    CliObserver observer(kRegisterCount);
    TransferThread worker;
    worker.StartReadInto(image, unit, observer);
    worker.Join();
    return observer.Outcome().result == TransferResult::Success;
}

// The unit against the file, as a send and a read would leave them; the unit is "neu".
int Verify(Register& image, const std::string& port, const std::string& file) {
    Register expected;
    if (!LoadWholeFile(expected, file))
        return kExitTrouble;
    Register unit;
    if (!ReadUnit(image, port, unit))
        return kExitTrouble;
    return ReportDifferences(CompareWithUnit(expected, unit));
}

// The send, then a full read, then the comparison: 0 only when the unit holds what was sent.
int SendAndVerify(Register& image, const std::string& port, const std::string& file) {
    if (!LoadAndSend(image, port, file))
        return kExitTrouble;
    Register unit;
    if (!ReadUnit(image, port, unit))
        return kExitTrouble;
    return ReportDifferences(CompareWithUnit(image, unit));
}

int FactoryReset(Register& image, const std::string& port, const std::string& file) {
    std::string failure;
    if (!OpenPort(image, port, failure))
        return Fail(failure);
    SendFactoryResetCommands(image);
    std::this_thread::sleep_for(Timing{}.factoryResetPause);
    if (!OpenPort(image, port, failure))
        return Fail(failure);
    return ReadAndSave(image, port, file);
}

int Run(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("orvan2a-cli " ORVAN_VERSION);
        return 0;
    }
    auto trace = std::make_shared<PortTrace>();
    if (argc > 1 && std::strcmp(argv[1], "--trace") == 0) {
        if (argc < 4) {
            std::fputs(kUsage, stderr);
            return kExitUsage;
        }
        // Reported before anything is sent: a session without its trace is of no use to support.
        std::error_code error;
        const std::filesystem::path tracePath = PathFromText(argv[2], error);
        if (error || (error = trace->Start(tracePath))) {
            return Fail(std::string("Das Verbindungsprotokoll konnte nicht angelegt werden: ") +
                        argv[2] + ": " + GermanReason(error, "Ordner nicht gefunden"));
        }
        argc -= 2;
        argv += 2;
    }
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "show" && argc == 3)
        return ShowFile(argv[2]);
    if (command == "diff" && argc == 4)
        return DiffFiles(argv[2], argv[3]);
    if (command == "export" && (argc == 3 || argc == 4))
        return ExportText(argv[2], argc == 4 ? argv[3] : "");
    if (command == "import" && argc == 4)
        return ImportText(argv[2], "", argv[3]);
    if (command == "import" && argc == 6 && std::strcmp(argv[2], "--base") == 0)
        return ImportText(argv[4], argv[3], argv[5]);
    if (command == "set" && argc >= 5 && argc % 2 == 1)
        return SetSettings(argv[2], std::vector<std::string>(argv + 3, argv + argc));
    Register image(std::make_unique<TracingPort>(MakeSystemPort(), trace));
    if (command == "ports" && argc == 2)
        return ListPorts(image);
    if (command == "backups" && argc == 2)
        return ListBackupFiles();
    if (command == "send" && argc == 5 && std::strcmp(argv[2], "--verify") == 0)
        return SendAndVerify(image, PortArgument(argv[3]), argv[4]);
    if (argc == 4) {
        const std::string port = PortArgument(argv[2]);
        const std::string file = argv[3];
        if (command == "read")
            return Read(image, port, file);
        if (command == "send")
            return Send(image, port, file);
        if (command == "factory-reset")
            return FactoryReset(image, port, file);
        if (command == "verify")
            return Verify(image, port, file);
    }
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

// The console shows UTF-8 for the run, and nothing that goes wrong ends it in an abort.
int Main(int argc, char** argv) {
    const Utf8Console console;
    try {
        return Run(argc, argv);
    } catch (const std::exception& failure) {
        return Fail(std::string("Unerwarteter Fehler: ") + failure.what());
    }
}

}  // namespace
}  // namespace orvan

#ifdef _WIN32
// Windows gives the arguments here as UTF-16 (linked with -municode); the narrow ones would be in
// the ANSI code page. From here on every text is UTF-8.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) {
        const std::wstring_view wide(argv[i]);
        arguments.push_back(orvan::Utf8FromUtf16(std::u16string(wide.begin(), wide.end())));
    }
    std::vector<char*> pointers;
    for (std::string& argument : arguments) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);
    return orvan::Main(argc, pointers.data());
}
#else
int main(int argc, char** argv) {
    return orvan::Main(argc, argv);
}
#endif
