#pragma once

// Building a Library's content in one line per object, for tests above the model.

#include "document/CVantorDoc.h"
#include "model/CVCommand.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"

#include <memory>
#include <string>
#include <string_view>

namespace vantor::test {

/// A new Module named `name` at the end of the Library.
inline CVConfig& AddModule(CVantorDoc& doc, std::string_view name) {
    auto module = std::make_unique<CVConfig>();
    module->Rename(name);
    CVConfig& added = *module;
    doc.AddModule(std::move(module));
    return added;
}

/// A new Definition at the end of the Module's Definition List.
inline CVCommand& AddDef(CVConfig& module, std::string_view name, int type) {
    auto def = std::make_unique<CVCommand>();
    def->Rename(name);
    def->SetDefParamType(type);
    CVCommand& added = *def;
    module.GetList(TypeDefinitionList)->AddChild(std::move(def));
    return added;
}

/// A new Alias or Action Alias at the end of the Module's Alias List.
template <class Alias> Alias& AddAlias(CVConfig& module, std::string_view name) {
    auto alias = std::make_unique<Alias>();
    alias->Rename(name);
    Alias& added = *alias;
    module.GetList(TypeAliasList)->AddChild(std::move(alias));
    return added;
}

} // namespace vantor::test
