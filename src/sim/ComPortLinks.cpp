#include "sim/ComPortLinks.h"

#include <stdexcept>
#include <system_error>

namespace orvan::sim {

namespace fs = std::filesystem;

namespace {

bool IsStaleLink(const fs::path& path) {
    std::error_code error;
    return fs::is_symlink(fs::symlink_status(path, error)) && !fs::exists(path, error);
}

bool PointsAt(const fs::path& link, const std::string& target) {
    std::error_code error;
    return fs::is_symlink(fs::symlink_status(link, error)) &&
           fs::read_symlink(link, error) == target;
}

}  // namespace

ComPortLinks::~ComPortLinks() {
    for (const fs::path& link : links_) {
        // A link that has been replaced meanwhile belongs to someone else.
        if (PointsAt(link, target_)) {
            std::error_code error;
            fs::remove(link, error);
        }
    }
}

int ComPortLinks::Add(const std::string& folder) {
    fs::create_directories(folder);
    for (int n = 1; n <= kMaxPort; ++n) {
        const fs::path link = fs::path(folder) / ("COM" + std::to_string(n));
        std::error_code error;
        if (IsStaleLink(link)) {
            fs::remove(link, error);
        }
        fs::create_symlink(target_, link, error);
        if (!error) {
            links_.push_back(link);
            return n;
        }
        if (error != std::errc::file_exists) {
            throw std::runtime_error("Verknüpfung " + link.string() +
                                     " kann nicht angelegt werden: " + error.message());
        }
    }
    throw std::runtime_error("Kein freier Portname COM1 bis COM256 in " + folder);
}

}  // namespace orvan::sim
