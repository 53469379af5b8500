// The Module file, script and definition operations of CVantorDoc.

#include "document/ModuleImport.h"

#include "document/CVantorDoc.h"
#include "document/Rematch.h"
#include "model/CVConfig.h"
#include "model/Cp1252.h"
#include "resources/StringIds.h"

#include <memory>

namespace vantor {

std::string ModuleNameFromPath(std::string_view path) {
    const auto slash = path.rfind('/');
    const std::string_view file = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::string name;
    name.reserve(file.size());
    for (std::size_t i = 0; i < file.size();) {
        char32_t cp = 0;
        const std::size_t length =
            static_cast<unsigned char>(file[i]) < 0x80 ? 0 : cp1252::DecodeUtf8(file, i, cp);
        if (length == 0) {
            name.push_back(file[i++]);
        } else {
            name.push_back(static_cast<char>(cp1252::FromUnicode(cp)));
            i += length;
        }
    }
    return name;
}

int CVantorDoc::ImportModuleFile(const std::string& path) {
    auto module = std::make_unique<CVConfig>();
    if (!module->LoadModuleFile(path))
        return IDS_MODULE_FILE_IMPORT_FAILED;
    AddModuleAtSelection(std::move(module));
    return 0;
}

int CVantorDoc::ImportModule(const std::string& path) {
    return ImportModuleFile(path) == 0 ? 0 : IDS_MODULE_READ_FAILED;
}

int CVantorDoc::ImportScriptFile(const std::string& path, ProgressMonitor* progress) {
    // A new Module's author is empty: "not set" and "empty" are the same.
    return ImportScriptWithAuthor(path, {}, progress);
}

int CVantorDoc::ImportScriptWithAuthor(const std::string& path, std::string_view author,
                                       ProgressMonitor* progress) {
    auto module = std::make_unique<CVConfig>();
    module->Rename(ModuleNameFromPath(path));
    module->SetAuthor(std::string(author));
    if (!module->ReadScriptFile(path))
        return IDS_SCRIPT_IMPORT_FAILED;
    RematchCommands(AddModuleAtSelection(std::move(module)), progress);
    return 0;
}

int CVantorDoc::ImportDefinitions(const std::string& path, ProgressMonitor* progress) {
    auto module = std::make_unique<CVConfig>();
    module->Rename(ModuleNameFromPath(path));
    if (!module->ReadDefinitionFile(path))
        return IDS_DEFINITIONS_IMPORT_FAILED;
    const int row = GetModuleRow(*AddModuleAtSelection(std::move(module)));
    // The new Module holds no commands of its own: what its Definitions can bind are the
    // commands of the Modules after it.
    vantor::RematchCommands(*this, row, GetModuleCount() - 1, progress);
    return 0;
}

int CVantorDoc::ExportModule(const CVConfig& module, const std::string& path) const {
    return module.ExportModuleFile(path) ? 0 : IDS_MODULE_EXPORT_FAILED;
}

std::size_t CVantorDoc::RematchCommands(CVConfig* module, ProgressMonitor* progress) {
    if (module == nullptr)
        return vantor::RematchCommands(*this, 0, GetModuleCount() - 1, progress);
    const int row = GetModuleRow(*module);
    if (row < 0)
        return 0;
    return vantor::RematchCommands(*this, row, row, progress);
}

} // namespace vantor
