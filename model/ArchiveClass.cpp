#include "model/ArchiveClass.h"

#include "model/CCmdFrag.h"
#include "model/CScript.h"
#include "model/CVAlias.h"
#include "model/CVAliasAct.h"
#include "model/CVAliasActSub.h"
#include "model/CVBind.h"
#include "model/CVCommand.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"

namespace vantor {

bool ArchiveClass::IsDerivedFrom(const ArchiveClass& other) const {
    for (const ArchiveClass* c = this; c != nullptr; c = c->base)
        if (c == &other)
            return true;
    return false;
}

const ArchiveClass* ArchiveClass::Find(std::string_view name) {
    // Every class that an archive may name. A class joins this list once it reads and
    // writes its own record.
    static const ArchiveClass* const kClasses[] = {
        &CMTObj::kClass,        &CVCommand::kClass, &CVAlias::kClass,  &CVAliasAct::kClass,
        &CVAliasActSub::kClass, &CVBind::kClass,    &CVObList::kClass, &CVConfig::kClass,
        &CCmdFrag::kClass,      &CScript::kClass,
    };
    for (const ArchiveClass* c : kClasses)
        if (c->name == name)
            return c;
    return nullptr;
}

} // namespace vantor
