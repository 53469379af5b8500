// The Module file, script and definition operations of CVantorDoc.

#include "document/ModuleImport.h"

#include "document/CVantorDoc.h"
#include "document/Rematch.h"
#include "model/CVConfig.h"
#include "model/Cp1252.h"
#include "resources/StringIds.h"

#include <memory>

namespace vantor {
namespace {

// The length of the UTF-8 sequence at `at` and its code point; 0 when the bytes there are
// not a well-formed sequence (overlong forms and surrogates included).
std::size_t DecodeUtf8(std::string_view text, std::size_t at, char32_t& cp) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    char32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1F, min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F, min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(at + i) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

std::string ModuleNameFromPath(std::string_view path) {
    const auto slash = path.rfind('/');
    const std::string_view file = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::string name;
    name.reserve(file.size());
    for (std::size_t i = 0; i < file.size();) {
        char32_t cp = 0;
        const std::size_t length =
            static_cast<unsigned char>(file[i]) < 0x80 ? 0 : DecodeUtf8(file, i, cp);
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
