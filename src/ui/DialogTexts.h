#pragma once

// The texts every dialog of the program shares: the title and the register file dialogs.
namespace orvan {

inline constexpr const char* kProgramTitle = "Orvan 2a/2b Programmiersoftware";

inline constexpr const char* kFileFilter = "Register VEXA2a2 (*.rvx2a2)";
inline constexpr const char* kFileSuffix = "rvx2a2";
inline constexpr const char* kOpenDialogTitle = "Öffnen";
inline constexpr const char* kSaveDialogTitle = "Speichern unter";

}  // namespace orvan
