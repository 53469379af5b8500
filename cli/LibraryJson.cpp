#include "cli/LibraryJson.h"

#include "cli/JsonWriter.h"
#include "document/CVantorDoc.h"
#include "model/ArchiveClass.h"
#include "model/CCmdFrag.h"
#include "model/CMTObj.h"
#include "model/CScript.h"
#include "model/CVBind.h"
#include "model/CVCommand.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"

#include <algorithm>
#include <vector>

namespace vantor::cli {
namespace {

void WriteFragment(JsonWriter& json, const CCmdFrag& fragment) {
    json.BeginObject();
    json.Key("command");
    json.String(fragment.GetCommand());
    json.Key("param");
    json.String(fragment.GetParam());
    json.Key("paramType");
    json.Int(fragment.GetParamType());
    json.Key("image");
    json.Int(fragment.GetImage());
    json.Key("flags");
    json.Uint(fragment.GetFlags());
    json.Key("reserved");
    json.Uint(fragment.GetReserved());
    json.Key("intMin");
    json.Int(fragment.GetIntMin());
    json.Key("intMax");
    json.Int(fragment.GetIntMax());
    json.Key("realMin");
    json.Float(fragment.GetRealMin());
    json.Key("realMax");
    json.Float(fragment.GetRealMax());
    json.Key("text");
    json.String(fragment.GetText());
    json.EndObject();
}

// The fields that Definitions, Aliases and Action Aliases add to the node record.
void WriteCommandFields(JsonWriter& json, const CVCommand& command) {
    json.Key("description");
    json.String(command.GetDescription());
    json.Key("paramType");
    json.Int(command.GetDefParamType());
    json.Key("commandImage");
    json.Int(command.GetStoredImage());
    json.Key("intMin");
    json.Int(command.GetIntMin());
    json.Key("intMax");
    json.Int(command.GetIntMax());
    json.Key("realMin");
    json.Float(command.GetRealMin());
    json.Key("realMax");
    json.Float(command.GetRealMax());
}

// Any node: the node record, then what its class adds. The archive limits the nesting, so
// the recursion stays shallow.
void WriteNode(JsonWriter& json, const CMTObj& node) {
    json.BeginObject();
    json.Key("class");
    json.String(node.GetClass().name);
    json.Key("name");
    json.String(node.GetName());
    json.Key("flags");
    json.Uint(node.GetFlags());
    json.Key("reserved");
    json.Uint(node.GetReserved());
    json.Key("children");
    json.BeginArray();
    for (int row = 0; row < node.GetChildCount(); ++row)
        WriteNode(json, *node.GetChild(row));
    json.EndArray();
    json.Key("commands");
    json.BeginArray();
    for (int row = 0; row < node.GetCommandCount(); ++row)
        WriteFragment(json, *node.GetCommand(row));
    json.EndArray();

    if (const auto* command = dynamic_cast<const CVCommand*>(&node)) {
        WriteCommandFields(json, *command);
    } else if (const auto* bind = dynamic_cast<const CVBind*>(&node)) {
        json.Key("key");
        json.Uint(bind->GetKey());
    } else if (const auto* list = dynamic_cast<const CVObList*>(&node)) {
        json.Key("listType");
        json.Int(list->GetListType());
    } else if (const auto* module = dynamic_cast<const CVConfig*>(&node)) {
        json.Key("author");
        json.String(module->GetAuthor());
        json.Key("moduleReserved");
        json.Uint(module->GetModuleReserved());
    }
    json.EndObject();
}

void WriteGame(JsonWriter& json, const CVantorDoc& library, const CScript& game,
               std::vector<int>& positions) {
    json.BeginObject();
    json.Key("name");
    json.String(game.GetGameName());
    json.Key("scriptFile");
    json.String(game.GetScriptFile());
    json.Key("saveWithLibrary");
    json.Bool(game.GetSaveWithLibrary());
    json.Key("modules");
    json.BeginArray();
    // The Game keeps its Modules as a set; the file stores them by position.
    positions.clear();
    for (const CVConfig* module : game.GetUsedModules())
        positions.push_back(library.GetModuleRow(*module));
    std::sort(positions.begin(), positions.end());
    for (const int position : positions)
        json.Int(position);
    json.EndArray();
    json.EndObject();
}

} // namespace

void WriteModuleJson(JsonWriter& json, const CVConfig& module) {
    WriteNode(json, module);
}

void WriteLibraryJson(JsonWriter& json, const CVantorDoc& library) {
    json.BeginObject();
    json.Key("engineFolder");
    json.String(library.GetEngineFolder());
    json.Key("reserved");
    json.Uint(library.GetReserved());
    json.Key("writeAllScripts");
    json.Bool(library.GetWriteAll());
    json.Key("gamePaneWidth");
    json.Int(library.GetGamePaneWidth());
    json.Key("modulePaneWidth");
    json.Int(library.GetModulePaneWidth());
    json.Key("modules");
    json.BeginArray();
    for (int row = 0; row < library.GetModuleCount(); ++row)
        WriteModuleJson(json, *library.GetModule(row));
    json.EndArray();
    json.Key("games");
    json.BeginArray();
    std::vector<int> positions;
    for (int row = 0; row < library.GetGameCount(); ++row)
        WriteGame(json, library, *library.GetGame(row), positions);
    json.EndArray();
    json.EndObject();
}

} // namespace vantor::cli
