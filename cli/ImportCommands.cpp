// import-script, import-module, import-defs, export-module and rematch: Modules coming into
// and leaving a Library, and the rematching of its commands.

#include "cli/Commands.h"
#include "cli/LibraryAccess.h"
#include "cli/Messages.h"
#include "cli/ModuleIndex.h"
#include "document/CVantorDoc.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <sys/stat.h>

namespace vantor::cli {
namespace {

using ImportOne = int (*)(CVantorDoc&, const std::string&);

struct ImportKind {
    ImportOne import;
    int failureId;       ///< the message of a file that cannot be imported
    bool namedAfterFile; ///< the new Module takes the file's name
};

// A pipe or a device named as an input could block the read for ever; only regular files
// (or names the import itself will find missing) are read.
bool IsFileOrMissing(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode);
}

// Imports every file named after the Library, in order, then saves the Library. The first
// file that fails ends the command before anything is saved.
Status ImportEach(const Invocation& call, const ImportKind& kind) {
    const std::string& path = call.operands[0];
    auto library = OpenOrCreateLibrary(path);
    if (!library)
        return Failed;
    for (std::size_t i = 1; i < call.operands.size(); ++i) {
        const std::string& file = call.operands[i];
        if (kind.namedAfterFile) {
            const auto slash = file.rfind('/');
            std::string name;
            if (!ToLibraryText(slash == std::string::npos ? file : file.substr(slash + 1), name))
                return Failed;
        }
        const int failure = IsFileOrMissing(file) ? kind.import(*library, file) : kind.failureId;
        if (failure != 0) {
            Report(file + ": " + std::string(LoadString(failure)));
            return Failed;
        }
    }
    return SaveLibraryFile(*library, path) ? Done : Failed;
}

} // namespace

Status ImportScripts(const Invocation& call) {
    return ImportEach(call, {[](CVantorDoc& library, const std::string& file) {
                                 return library.ImportScriptFile(file);
                             },
                             IDS_SCRIPT_IMPORT_FAILED, true});
}

Status ImportModules(const Invocation& call) {
    return ImportEach(call, {[](CVantorDoc& library, const std::string& file) {
                                 return library.ImportModuleFile(file);
                             },
                             IDS_MODULE_FILE_IMPORT_FAILED, false});
}

Status ImportDefinitions(const Invocation& call) {
    return ImportEach(call, {[](CVantorDoc& library, const std::string& file) {
                                 return library.ImportDefinitions(file);
                             },
                             IDS_DEFINITIONS_IMPORT_FAILED, true});
}

Status ExportModule(const Invocation& call) {
    const auto library = OpenLibrary(call.operands[0]);
    if (!library)
        return Failed;
    const CVConfig* module = FindModule(*library, call.operands[1]);
    if (module == nullptr)
        return Failed;
    if (const int failure = library->ExportModule(*module, call.operands[2])) {
        Report(LoadString(failure));
        return Failed;
    }
    return Done;
}

Status Rematch(const Invocation& call) {
    const std::string& path = call.operands[0];
    auto library = OpenLibrary(path);
    if (!library)
        return Failed;
    // Nothing bound, nothing changed: the file stays untouched.
    if (library->RematchCommands() == 0)
        return Done;
    return SaveLibraryFile(*library, path) ? Done : Failed;
}

} // namespace vantor::cli
