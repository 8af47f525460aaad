#pragma once

#include <string>

class QWidget;

namespace orvan {

class Register;
class UserInterface;
struct Timing;

// Ends a live procedure on the unit after its dialog closed, under a wait cursor ("p" first
// when store is set); a failure shows failureText as an error.
void EndOnUnit(Register& image, const std::string& portPath, UserInterface& ui,
               const Timing& timing, bool store, const char* failureText, QWidget* parent);

}  // namespace orvan
