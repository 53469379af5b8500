// vantor-make-module: builds the Module files shipped in the example folder from their text
// sources, with the editor's own core, at build time.
//
//   vantor-make-module OUT.vtm SCRIPT.cfg [DEFINITIONS.txt...]
//       A Module read from a console script, as the editor imports one. Its commands are
//       bound to the Definitions of the definitions files given (which stay out of the
//       Module).
//   vantor-make-module --definitions OUT.vtm DEFINITIONS.txt
//       A Module of the Definitions of a definitions file.
//
// Both sources name the Module and its author in comment lines "// Module: NAME" and
// "// Author: NAME". A definitions line may carry the parameter's range after the
// description: "name;type;description;min;max". Without one, a number takes any value of its
// type that the engine accepts (the editor's range fields hold 16-bit integers and floats).

#include "document/CVantorDoc.h"
#include "model/CVCommand.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

using namespace vantor;

struct Header {
    std::string name;
    std::string author;
};

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> Lines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

Header ReadHeader(const std::string& path) {
    Header header;
    for (const std::string& line : Lines(path)) {
        const std::string text = Trim(line);
        if (text.rfind("// Module:", 0) == 0)
            header.name = Trim(std::string_view(text).substr(10));
        else if (text.rfind("// Author:", 0) == 0)
            header.author = Trim(std::string_view(text).substr(10));
    }
    return header;
}

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> pieces;
    std::size_t at = 0;
    for (;;) {
        const std::size_t semicolon = line.find(';', at);
        pieces.push_back(line.substr(at, semicolon - at));
        if (semicolon == std::string::npos)
            return pieces;
        at = semicolon + 1;
    }
}

template <class T> bool Parse(const std::string& text, T& value) {
    const std::string trimmed = Trim(text);
    const char* end = trimmed.data() + trimmed.size();
    return !trimmed.empty() && std::from_chars(trimmed.data(), end, value).ptr == end;
}

// The ranges of the definitions file's lines, on the Definitions read from it.
bool ApplyRanges(CVConfig& module, const std::string& path) {
    CVObList* definitions = module.GetList(TypeDefinitionList);
    std::unordered_map<std::string, CVCommand*> byName;
    for (int i = 0; i < definitions->GetChildCount(); ++i)
        if (auto* definition = dynamic_cast<CVCommand*>(definitions->GetChild(i)))
            byName[definition->GetName()] = definition;
    for (const std::string& line : Lines(path)) {
        const std::vector<std::string> pieces = Split(Trim(line));
        if (pieces.size() < 2)
            continue;
        const auto found = byName.find(pieces[0]);
        if (found == byName.end())
            continue;
        CVCommand& definition = *found->second;
        const bool ranged = pieces.size() >= 5;
        if (definition.GetDefParamType() == ParamInteger) {
            std::int16_t low = -32768;
            std::int16_t high = 32767;
            if (ranged && (!Parse(pieces[3], low) || !Parse(pieces[4], high) || low > high)) {
                std::fprintf(stderr, "%s: bad range for %s\n", path.c_str(), pieces[0].c_str());
                return false;
            }
            definition.SetIntMin(low);
            definition.SetIntMax(high);
        } else if (definition.GetDefParamType() == ParamReal) {
            float low = -1000000.0F;
            float high = 1000000.0F;
            if (ranged && (!Parse(pieces[3], low) || !Parse(pieces[4], high) || low > high)) {
                std::fprintf(stderr, "%s: bad range for %s\n", path.c_str(), pieces[0].c_str());
                return false;
            }
            definition.SetRealMin(low);
            definition.SetRealMax(high);
        }
    }
    return true;
}

std::unique_ptr<CVConfig> DefinitionsModule(const std::string& path) {
    auto module = std::make_unique<CVConfig>();
    const Header header = ReadHeader(path);
    module->Rename(header.name.empty() ? path : header.name);
    module->SetAuthor(header.author);
    if (!module->ReadDefinitionFile(path) || !ApplyRanges(*module, path)) {
        std::fprintf(stderr, "%s: cannot read the definitions\n", path.c_str());
        return nullptr;
    }
    return module;
}

int Usage() {
    std::fputs("Usage: vantor-make-module OUT.vtm SCRIPT.cfg [DEFINITIONS.txt...]\n"
               "       vantor-make-module --definitions OUT.vtm DEFINITIONS.txt\n",
               stderr);
    return 2;
}

bool Export(const CVConfig& module, const std::string& out) {
    if (module.ExportModuleFile(out))
        return true;
    std::fprintf(stderr, "%s: cannot be written\n", out.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "--definitions") {
        const std::unique_ptr<CVConfig> module = DefinitionsModule(args[2]);
        return module && Export(*module, args[1]) ? 0 : 1;
    }
    if (args.size() < 2 || args[0].rfind("--", 0) == 0)
        return Usage();

    // The definitions go first, so that rematching binds the script's commands to them.
    CVantorDoc library;
    for (std::size_t i = 2; i < args.size(); ++i) {
        std::unique_ptr<CVConfig> definitions = DefinitionsModule(args[i]);
        if (!definitions)
            return 1;
        library.AddModule(std::move(definitions));
    }
    auto module = std::make_unique<CVConfig>();
    const Header header = ReadHeader(args[1]);
    module->Rename(header.name.empty() ? args[1] : header.name);
    module->SetAuthor(header.author);
    if (!module->ReadScriptFile(args[1])) {
        std::fprintf(stderr, "%s: cannot read the script\n", args[1].c_str());
        return 1;
    }
    CVConfig& added = *library.GetModule(library.AddModule(std::move(module)));
    library.RematchCommands(&added);
    return Export(added, args[0]) ? 0 : 1;
}
