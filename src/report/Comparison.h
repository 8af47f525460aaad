#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/Register.h"

namespace orvan {

// One setting whose characters differ between two images, or the differing characters of one
// register that no page binds (page empty).
struct Difference {
    std::string page;
    std::string name;
    std::string before;  // in the words of the first image
    std::string after;   // in the words of the second image

    bool Raw() const { return page.empty(); }
};

// Every character in which the register values differ, a missing character included, named
// through the setting that covers it or raw; a setting is listed once however many of its
// characters differ. Equal images give an empty list. Order: the description's.
std::vector<Difference> CompareImages(const Register& before, const Register& after);

// What a send followed by a read makes of the image: each value cut or padded with "0" to the
// eight characters a read takes, letters in upper case (the unit may answer either case).
std::unique_ptr<Register> AsTheUnitReturns(const Register& image);

// Compares an image with what a unit returned, as a send and a read would leave them.
std::vector<Difference> CompareWithUnit(const Register& sent, const Register& unit);

// "Seite › Einstellung: alt → neu", or "Register 017: alt → neu".
std::string DifferenceLine(const Difference& difference);

}  // namespace orvan
