// dump: a Library or a Module file as JSON on standard output.

#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "cli/LibraryAccess.h"
#include "cli/LibraryJson.h"
#include "cli/Messages.h"
#include "document/CVantorDoc.h"
#include "model/CVConfig.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

namespace vantor::cli {
namespace {

bool IsModuleFileName(std::string_view path) {
    if (path.size() < 4)
        return false;
    std::string extension(path.substr(path.size() - 4));
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return extension == ".vtm";
}

// A Module file's Module; null after reporting. Only a regular file is read: a pipe or a
// device could block the read for ever.
std::unique_ptr<CVConfig> ReadModuleFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        const int id = errno == EACCES ? IDS_FILE_ACCESS_DENIED : IDS_FILE_NOT_FOUND;
        Report(NumberedText(id, path));
        return nullptr;
    }
    auto module = std::make_unique<CVConfig>();
    if (!S_ISREG(st.st_mode) || !module->LoadModuleFile(path)) {
        Report(LoadString(IDS_MODULE_READ_FAILED));
        return nullptr;
    }
    return module;
}

Status Finish(JsonWriter& json) {
    if (json.Finish())
        return Done;
    Report("The JSON could not be written to standard output.");
    return Failed;
}

} // namespace

Status DumpFile(const Invocation& call) {
    const std::string& path = call.operands[0];
    JsonWriter json(stdout);
    if (IsModuleFileName(path)) {
        const auto module = ReadModuleFile(path);
        if (!module)
            return Failed;
        WriteModuleJson(json, *module);
        return Finish(json);
    }
    const auto library = OpenLibrary(path);
    if (!library)
        return Failed;
    WriteLibraryJson(json, *library);
    return Finish(json);
}

} // namespace vantor::cli
