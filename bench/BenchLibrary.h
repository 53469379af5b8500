#pragma once

// Contents of the generated Libraries of the GUI benchmarks.

#include "model/CCmdFrag.h"
#include "model/CVAlias.h"
#include "model/CVBind.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"

#include <memory>
#include <string>

namespace vantor::bench {

/// Adds `count` Aliases "alias<m>_<j>", each with the one command "say", and as many empty
/// Binds to the Module.
inline void AddAliasesAndBinds(CVConfig& module, int m, int count) {
    for (int j = 0; j < count; ++j) {
        auto alias = std::make_unique<CVAlias>();
        alias->Rename("alias" + std::to_string(m) + "_" + std::to_string(j));
        auto fragment = std::make_unique<CCmdFrag>();
        fragment->SetCommand("say");
        alias->AddCommand(std::move(fragment));
        module.GetList(TypeAliasList)->AddChild(std::move(alias));
        module.GetList(TypeBindList)->AddChild(std::make_unique<CVBind>());
    }
}

} // namespace vantor::bench
