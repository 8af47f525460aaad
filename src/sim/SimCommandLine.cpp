#include "sim/SimCommandLine.h"

#include <charconv>
#include <map>
#include <optional>
#include <string_view>

namespace orvan::sim {

namespace {

const std::map<std::string, Identification, std::less<>>& Identifications() {
    static const std::map<std::string, Identification, std::less<>> names = {
        {"full", Identification::Full},         {"no-option", Identification::NoOptionLetter},
        {"vx22", Identification::OnlyVX22},     {"vexa-space", Identification::OnlyVexaSpace},
        {"wrong", Identification::WrongDevice}, {"position-zero", Identification::AtPositionZero},
    };
    return names;
}

std::optional<int> ParseCount(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

// "silent", "silent-after-banner", "stop-after:N", "hangup-after:N", "garbage", "stray-line",
// "lost-line-feed:N", "missing-reply:N", "corrupt-write:N" (N a register number), and for the
// text mode "text-flood", "dots", "stream-stops:N".
bool ParseFault(std::string_view text, UnitOptions& unit) {
    if (text == "text-flood" || text == "dots") {
        unit.textFault = text == "dots" ? TextFault::Dots : TextFault::Flood;
        return true;
    }
    if (text.starts_with("stream-stops:")) {
        const auto count = ParseCount(text.substr(text.find(':') + 1));
        if (count) {
            unit.textFault = TextFault::StreamStops;
            unit.streamLimit = *count;
        }
        return count.has_value();
    }
    static const std::map<std::string, Fault, std::less<>> plain = {
        {"silent", Fault::Silent},
        {"silent-after-banner", Fault::SilentAfterBanner},
        {"garbage", Fault::Garbage},
        {"stray-line", Fault::StrayLine},
    };
    static const std::map<std::string, Fault, std::less<>> counted = {
        {"stop-after", Fault::StopAfterReplies}, {"hangup-after", Fault::HangUpAfterReplies},
        {"corrupt-write", Fault::CorruptWrite},  {"lost-line-feed", Fault::LostLineFeed},
        {"missing-reply", Fault::MissingReply},
    };
    if (const auto it = plain.find(text); it != plain.end()) {
        unit.fault = it->second;
        return true;
    }
    const auto colon = text.find(':');
    const auto it = counted.find(text.substr(0, colon));
    if (colon == std::string_view::npos || it == counted.end()) {
        return false;
    }
    const auto count = ParseCount(text.substr(colon + 1));
    if (!count || (it->second == Fault::CorruptWrite && *count >= kRegisterCount)) {
        return false;
    }
    unit.fault = it->second;
    unit.faultAfter = *count;
    return true;
}

}  // namespace

SimCommandLine ParseSimCommandLine(const std::vector<std::string>& args,
                                   const std::string& defaultPortsFolder) {
    SimCommandLine line;
    line.portsFolder = defaultPortsFolder;
    for (std::size_t i = 0; i < args.size() && line.error.empty(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = arg == "--file" || arg == "--trace" || arg == "--ident" ||
                                arg == "--fault" || arg == "--ports-folder";
        if (takesValue && i + 1 == args.size()) {
            line.error = "Option " + arg + " braucht einen Wert.";
            break;
        }
        if (arg == "--help" || arg == "-h") {
            line.help = true;
        } else if (arg == "--version") {
            line.version = true;
        } else if (arg == "--pace") {
            line.unit.pace = true;
        } else if (arg == "--headset") {
            line.unit.headsetPlugged = true;
        } else if (arg == "--no-register") {
            line.registerPort = false;
        } else if (arg == "--verbose") {
            line.verbose = true;
        } else if (arg == "--file") {
            line.unit.registerFile = args[++i];
        } else if (arg == "--trace") {
            line.unit.traceFile = args[++i];
        } else if (arg == "--ports-folder") {
            line.portsFolder = args[++i];
        } else if (arg == "--ident") {
            const auto it = Identifications().find(args[++i]);
            if (it == Identifications().end()) {
                line.error = "Unbekannte Kennung: " + args[i];
            } else {
                line.unit.identification = it->second;
            }
        } else if (arg == "--fault") {
            if (!ParseFault(args[++i], line.unit)) {
                line.error = "Unbekannter Fehlerfall: " + args[i];
            }
        } else {
            line.error = "Unbekannte Option: " + arg;
        }
    }
    return line;
}

std::string SimUsage() {
    return "Aufruf: orvan2a-sim [Optionen]\n"
           "Simuliert ein Orvan 2a/2b an einem Pseudo-Terminal und meldet es als erstes freies\n"
           "COMn im Port-Ordner an (die Verknüpfung wird beim Beenden wieder entfernt).\n"
           "\n"
           "  --file DATEI          Register aus einer Registerdatei statt Werkseinstellungen\n"
           "  --pace                Ausgabe im Takt von 9600 Baud\n"
           "  --trace DATEI         jedes Byte mit Zeitstempel in DATEI protokollieren\n"
           "  --ident ART           full | no-option | vx22 | vexa-space | wrong | position-zero\n"
           "  --fault FEHLER        silent | silent-after-banner | stop-after:N |\n"
           "                        hangup-after:N | garbage | stray-line |\n"
           "                        lost-line-feed:N | missing-reply:N | corrupt-write:N\n"
           "                        (corrupt-write: Register N wird beim Schreiben verfälscht),\n"
           "                        im Servicemodus:\n"
           "                        text-flood (endlose Ziffern) | dots (endlose Punkte) |\n"
           "                        stream-stops:N (verstummt nach N Statusmeldungen)\n"
           "  --headset             Headset beim Start eingesteckt (SIGUSR1 steckt um)\n"
           "  --ports-folder ORDNER Ordner der COMn-Verknüpfungen\n"
           "  --no-register         keine COMn-Verknüpfung anlegen\n"
           "  --verbose             jedes empfangene Kommando ausgeben\n"
           "  --help                diese Hilfe\n"
           "  --version             Versionsnummer\n"
           "\n"
           "Servicemodus der Einheit (Potentiometer-Abgleich, Headset-Erkennung), außerhalb\n"
           "des Programmiermodus, Texte in ASCII:\n"
           "  \\r           Servicemenü; danach \"A\\r\" Potis, \"H\\r\" Headset, \"xxx\\r\" "
           "verlassen\n"
           "  1..9 \\r      Poti wählen: \"Startwert: \" und Einstellung, dann \"Tasten:\";\n"
           "               Eingänge 1-4 melden laufend \"aktuell: +01.5 dB  Pegel: 300 mV\",\n"
           "               die anderen nach jeder Taste \"aktuell: 128\"\n"
           "  + - * _      Eingänge 0,1/1,0 dB (-6,0..+19,5), sonst 1/10 (0..255)\n"
           "  d a p        Werkseinstellung, Eingang auf 300 mV, speichern\n"
           "  t i          Sender bzw. TB-Relais und 1000-Hz-Ton an/aus (Potis 5-9)\n"
           "  x            Poti verlassen (\"Ende Poti n\"); ungespeichert verfällt die "
           "Einstellung\n"
           "  H\\r, Taste   Headset-Kalibrierung (\"Druecken Sie danach bitte eine Taste.\"), "
           "dann\n"
           "               laufend \"Headset angeschlossen\" oder \"kein Headset "
           "angeschlossen\";\n"
           "               \"p\" speichert die Kalibrierung\n"
           "\n"
           "Beenden mit Strg+C; SIGUSR1 steckt das Headset ein oder aus.\n";
}

}  // namespace orvan::sim
