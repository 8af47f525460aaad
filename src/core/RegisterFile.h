#pragma once

#include <string>

#include "core/Register.h"

namespace orvan {

struct FileResult {
    enum class Status {
        Ok,
        Warning,  // loaded, but the file ended early or had an over-long line
        Failed,   // nothing written (save) or image unchanged (load)
    };
    Status status = Status::Ok;
    std::string reason;  // German, for the user: why it failed or what the warning is

    bool Succeeded() const { return status != Status::Failed; }
};

// The image as a register file holds it: header and 300 lines, values in upper case.
std::string RegisterFileText(const Register& image);
// The same with every value as it stands, lower-case letters included: a file built from a
// settings text comes back byte for byte.
std::string RegisterFileTextAsStored(const Register& image);

// Writes the image to image.fileName atomically (temporary file, sync, rename); upper-cases the
// values in the image. The previous file survives any failure.
FileResult SaveToFile(Register& image);
// Replaces all 300 registers from image.fileName; leaves the image unchanged if the file cannot
// be read.
FileResult LoadFromFile(Register& image);

}  // namespace orvan
