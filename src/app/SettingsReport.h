#pragma once

#include <QByteArray>
#include <QDateTime>

#include "core/Register.h"

namespace orvan {

inline constexpr const char* kReportTitle = "Orvan 2a/2b – Einstellungsbericht";

// The image as an A4 PDF in German: title, date and time, the register file's name, the unit's
// version when a read brought it, then every page with its settings ("Einstellung", "Wert") and
// the registers no page binds at the end.
QByteArray SettingsReportPdf(const Register& image, const QDateTime& when);

}  // namespace orvan
