#include <cstdio>
#include <cstring>

#include "app/CVEXA2aApp.h"

namespace {

// Answered before the application starts, so that it needs no display (manual pages, scripts).
constexpr const char* kUsage =
    "Aufruf: orvan2a [OPTION] [DATEI]\n"
    "Programmiersoftware für das Orvan 2a/2b: liest die Register des Geräts über die serielle\n"
    "Schnittstelle (9600 Baud), zeigt sie auf deutschen Konfigurationsseiten, sendet sie zurück\n"
    "und speichert sie als Registerdateien (.rvx2a2).\n"
    "\n"
    "  DATEI      öffnet diese Registerdatei beim Start wie \"Datei\" -> \"Öffnen\"\n"
    "  --help     diese Hilfe\n"
    "  --version  Versionsnummer\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("orvan2a " ORVAN_VERSION);
        return 0;
    }
    orvan::CVEXA2aApp app(argc, argv);
    return app.Run();
}
