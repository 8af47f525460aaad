#pragma once

namespace orvan {

// Fixed German texts of the device link, shown by both front ends.
inline constexpr const char* kPortInitFailedText =
    "Das Gerät konnte nicht initialisiert werden.\nBitte stellen Sie sicher dass das Gerät am "
    "gewählten Port\nangeschlossen ist und keine andere Anwendung den Port\nbenutzt.";
inline constexpr const char* kNoConnectionText =
    "Es konnte keine Verbindung zu einem Orvan 2a/2b hergestellt werden.";
inline constexpr const char* kWrongDeviceText = "Falsches Gerät!";
inline constexpr const char* kTimeoutText = "Zeitüberschreitung: Das Gerät antwortet nicht.";
inline constexpr const char* kPortLostText =
    "Die Verbindung zum Gerät wurde unterbrochen.\nBitte prüfen Sie Kabel und Adapter.";
inline constexpr const char* kIncompleteReplyText =
    "Die Antwort des Geräts ist unvollständig. Bitte lesen Sie erneut.";
inline constexpr const char* kErrorCaption = "Fehler";

}  // namespace orvan
