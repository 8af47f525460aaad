#include "cli/ImageCommands.h"

#include <cstdio>

#include "cli/CliObserver.h"
#include "core/RegisterFile.h"
#include "report/Description.h"

namespace orvan {

bool LoadWholeFile(Register& image, const std::string& file) {
    image.fileName = file;
    const FileResult loaded = LoadFromFile(image);
    if (loaded.status == FileResult::Status::Ok)
        return true;
    Fail("Die Datei konnte nicht gelesen werden: " + file + ": " + loaded.reason);
    return false;
}

int ShowFile(const std::string& file) {
    Register image;
    if (!LoadWholeFile(image, file))
        return 1;
    std::string text;
    for (const DescribedSetting& setting : DescribeImage(image))
        text += DescriptionLine(setting.page, setting.name, setting.words) + "\n";
    std::fputs(text.c_str(), stdout);
    return 0;
}

int DiffFiles(const std::string& before, const std::string& after) {
    Register first, second;
    if (!LoadWholeFile(first, before) || !LoadWholeFile(second, after))
        return kExitTrouble;
    return ReportDifferences(CompareImages(first, second));
}

int ReportDifferences(const std::vector<Difference>& differences) {
    std::string text;
    for (const Difference& difference : differences)
        text += DifferenceLine(difference) + "\n";
    std::fputs(text.c_str(), stdout);
    return differences.empty() ? kExitEqual : kExitDifferent;
}

}  // namespace orvan
