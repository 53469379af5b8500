#include "cli/LibraryAccess.h"

#include "cli/Messages.h"
#include "document/CVantorDoc.h"
#include "model/CScript.h"

#include <sys/stat.h>

namespace vantor::cli {

bool PathExists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

std::unique_ptr<CVantorDoc> OpenLibrary(const std::string& path) {
    CVantorDoc::OpenResult opened = CVantorDoc::Open(path);
    if (!opened.document)
        Report(opened.error);
    return std::move(opened.document);
}

std::unique_ptr<CVantorDoc> OpenOrCreateLibrary(const std::string& path) {
    if (PathExists(path))
        return OpenLibrary(path);
    return std::make_unique<CVantorDoc>();
}

bool SaveLibraryFile(CVantorDoc& library, const std::string& path) {
    const CVantorDoc::SaveResult result = library.SaveLibrary(path);
    if (!result.saved)
        Report(result.error);
    return result.saved;
}

CScript* FindGame(const CVantorDoc& library, std::string_view name) {
    std::string stored;
    if (!ToLibraryText(name, stored))
        return nullptr;
    // One name: a single pass over the Games.
    for (int row = 0; row < library.GetGameCount(); ++row)
        if (library.GetGame(row)->GetGameName() == stored)
            return library.GetGame(row);
    ReportNoSuch("Game", name);
    return nullptr;
}

void ReportNoSuch(std::string_view kind, std::string_view name) {
    Report("There is no " + std::string(kind) + " named \"" + std::string(name) + "\".");
}

} // namespace vantor::cli
