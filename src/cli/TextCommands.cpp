#include "cli/TextCommands.h"

#include <cstdio>

#include "cli/CliObserver.h"
#include "cli/ImageCommands.h"
#include "core/FileAccess.h"
#include "core/RegisterFile.h"
#include "report/SettingsText.h"

namespace orvan {

namespace {

bool WriteAtomically(const std::string& file, const std::string& bytes) {
    const std::error_code error = ReplaceNamedFileAtomically(file, bytes);
    if (!error)
        return true;
    Fail("Die Datei konnte nicht geschrieben werden: " + file + ": " +
         GermanReason(error, "Ordner nicht gefunden"));
    return false;
}

// Up to one byte beyond the limit: enough to know the text is too large.
bool ReadText(const std::string& file, std::string& text) {
    const std::error_code error = ReadFileStart(file, kSettingsTextLimit + 1, text);
    if (!error)
        return true;
    Fail("Der Text konnte nicht gelesen werden: " + file + ": " +
         GermanReason(error, "Datei nicht gefunden"));
    return false;
}

bool Taken(const TextImport& import, const std::string& source) {
    for (const std::string& message : ImportMessages(import, source))
        std::fprintf(stderr, "%s\n", message.c_str());
    return import.Taken();
}

// The pair of arguments that `set` put on line `line` of its text ("Einstellung 1" on line 2).
std::string PairName(int line) {
    return "Einstellung " + std::to_string(line - 1);
}

}  // namespace

int ExportText(const std::string& file, const std::string& text) {
    Register image;
    if (!LoadWholeFile(image, file))
        return kExitFailure;
    const std::string settings = SettingsText(image);
    if (text.empty()) {
        std::fwrite(settings.data(), 1, settings.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : Fail("Die Ausgabe konnte nicht geschrieben werden.");
    }
    return WriteAtomically(text, settings) ? 0 : kExitFailure;
}

int ImportText(const std::string& text, const std::string& base, const std::string& file) {
    std::string settings;
    if (!ReadText(text, settings))
        return kExitFailure;
    Register baseImage;
    if (!base.empty() && !LoadWholeFile(baseImage, base))
        return kExitFailure;
    Register image;
    const TextImport import =
        ReadSettingsText(settings, base.empty() ? nullptr : &baseImage, image);
    if (!Taken(import, text)) {
        if (!import.missing.empty() && import.problems.empty())
            Fail(
                "Ein Text, der nur einige Einstellungen nennt, lässt sich mit --base BASIS "
                "über eine Registerdatei legen.");
        return kExitFailure;
    }
    return WriteAtomically(file, RegisterFileTextAsStored(image)) ? 0 : kExitFailure;
}

int SetSettings(const std::string& file, const std::vector<std::string>& namesAndValues) {
    Register image;
    if (!LoadWholeFile(image, file))
        return kExitFailure;
    // One line per pair, so that each problem names its pair by its line.
    std::string settings = std::string(kSettingsTextHeader) + "\n";
    for (std::size_t i = 0; i < namesAndValues.size(); i += 2) {
        const std::string line = namesAndValues[i] + ": " + namesAndValues[i + 1];
        if (line.find_first_of("\r\n") != std::string::npos)
            return Fail("Name und Wert einer Einstellung stehen auf einer Zeile: " +
                        namesAndValues[i]);
        settings += line + "\n";
    }
    Register changed;
    TextImport import = ReadSettingsText(settings, &image, changed);
    for (TextProblem& problem : import.problems) {
        if (problem.line > 1)
            problem.message = PairName(problem.line) + ": " + problem.message;
        if (problem.earlier > 1)
            problem.message += " (zuerst in " + PairName(problem.earlier) + ").";
        problem.line = 0;
        problem.earlier = 0;
    }
    if (!Taken(import, "set"))
        return kExitFailure;
    return WriteAtomically(file, RegisterFileTextAsStored(changed)) ? 0 : kExitFailure;
}

}  // namespace orvan
