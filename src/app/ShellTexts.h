#pragma once

#include "ui/DialogTexts.h"

// The fixed German texts of the main window, its file commands and its small dialogs.
namespace orvan {

inline constexpr const char* kHelpCaption = "Hilfe";
inline constexpr const char* kMainHelpText =
    "Lesen Sie bitte vor dem Ändern der Einstellungen die aktuellen\n"
    "Geräteeinstellungen aus oder laden Sie zuvor gespeicherte Ein-\n"
    "stellungen über \"Datei\"->\"Öffnen\".\n"
    "So lange keine sinnvollen Einstellungen geladen wurden, ist die\n"
    "Schaltfläche \"Senden\" deaktiviert, um ein versehentliches\n"
    "Überschreiben der bisherigen Einstellungen zu verhindern.\n\n"
    "Vorgenommene Einstellungen können über \"Datei\"->\"Speichern\"\n"
    "als Datei für die spätere Wiederherstellung gesichert werden.\n";

inline constexpr const char* kFactoryResetCaption = "Werkeinstellungen";
inline constexpr const char* kFactoryResetQuestion = "Gerät auf Werkeinstellungen zurücksetzen?";

inline constexpr const char* kVersionCaption = "Version des Orvans";

inline constexpr const char* kExitCaption = "Änderungen Speichern";
inline constexpr const char* kExitQuestion =
    "Wollen Sie vor dem Schließen der Anwendung die Änderungen speichern?";
inline constexpr const char* kReplaceQuestion =
    "Wollen Sie vor dem Öffnen einer anderen Datei die Änderungen speichern?";
inline constexpr const char* kClosingNote =
    "Übertragung läuft – das Programm wird nach ihrem Ende geschlossen.";

inline constexpr const char* kSavedInText = "gespeichert in: ";
inline constexpr const char* kOpenBackupsItem = "Sicherungen öffnen...";
inline constexpr const char* kRecentFilesMenu = "Zuletzt geöffnet";
inline constexpr const char* kRecentFileGoneText =
    "Die Datei ist nicht mehr vorhanden und wurde aus der Liste entfernt:";
inline constexpr const char* kBackupFailedText =
    "Die Sicherungskopie konnte nicht gespeichert werden:";
inline constexpr const char* kExtrasMenuTitle = "&Extras";
inline constexpr const char* kTraceItemText = "Verbindungs&protokoll aufzeichnen...";
inline constexpr const char* kTraceDialogTitle = "Verbindungsprotokoll aufzeichnen";
inline constexpr const char* kTraceFileFilter = "Verbindungsprotokoll (*.txt)";
inline constexpr const char* kTraceFileSuffix = "txt";
inline constexpr const char* kTraceFailedText =
    "Das Verbindungsprotokoll konnte nicht angelegt werden:";
inline constexpr const char* kSaveFailedText = "Die Datei konnte nicht gespeichert werden:";
inline constexpr const char* kOpenFailedText = "Die Datei konnte nicht geöffnet werden:";
inline constexpr const char* kOpenWarningText = "Die Datei wurde geöffnet, ist aber fehlerhaft:";

inline constexpr const char* kInfoTitle = "Info";
inline constexpr const char* kInfoFirstLine =
    "VEXA2a/2b Programmiersoftware Version " ORVAN_VERSION;
inline constexpr const char* kInfoSecondLine = "für Geräte ab Seriennummer 3799";

}  // namespace orvan
