#pragma once

class QWidget;

namespace orvan {

class Register;

// Names the image's file in the window's title and marks unsaved changes the Qt way:
// "anlage.rvx2a2* – Orvan 2a/2b Programmiersoftware"; without a file, the program's title alone.
void ShowImageInTitle(QWidget& window, const Register& image);

}  // namespace orvan
