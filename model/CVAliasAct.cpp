#include "model/CVAliasAct.h"

#include "model/ArchiveError.h"
#include "model/CVAliasActSub.h"
#include "model/ModelCodes.h"
#include "resources/StringIds.h"

namespace vantor {

const ArchiveClass CVAliasAct::kClass{
    "CVAliasAct", ArchiveClass::kSchema,
    []() -> std::unique_ptr<ArchiveObject> { return std::make_unique<CVAliasAct>(); },
    &CVCommand::kClass};

CVAliasAct::CVAliasAct() {
    SetDefParamType(ParamAction);
    AddChild(std::make_unique<CVAliasActSub>(true));
    AddChild(std::make_unique<CVAliasActSub>(false));
}

CVAliasActSub* CVAliasAct::GetHalf(bool plus) const {
    if (GetChildCount() == 0)
        return nullptr;
    return dynamic_cast<CVAliasActSub*>(plus ? GetChild(0) : GetLastChild());
}

int CVAliasAct::ConfirmDelete() const {
    return IDS_CONFIRM_DELETE_ALIAS;
}

int CVAliasAct::Rename(std::string_view name) {
    const int refusal = RenameChecked(name, IDS_ALIAS_NAME_EMPTY, IDS_ALIAS_NAME_INVALID);
    if (refusal != 0)
        return refusal;
    for (bool plus : {true, false})
        if (CVAliasActSub* half = GetHalf(plus))
            half->Rename(GetName());
    return 0;
}

int CVAliasAct::GetImage() const {
    return 13;
}

int CVAliasAct::GetType() const {
    return TypeActionAlias;
}

bool CVAliasAct::IsAllowed(int op) const {
    return op == OpRename || op == OpDelete || op == OpMove || op == OpCopy;
}

std::optional<InsertPoint> CVAliasAct::GetInsertPoint(int op, int type) {
    return NodeInsertPoint(op, type, {TypeAlias, TypeActionAlias}, false);
}

void CVAliasAct::WriteScript(TextOutput& out) const {
    // The node default (children, then own fragments), not the Definition's silence.
    CMTObj::WriteScript(out);
}

int CVAliasAct::GetMenuId() const {
    return MenuActionAlias;
}

void CVAliasAct::Read(ArchiveReader& ar) {
    // The constructor's halves go first, so the stored ones are the only two.
    DeleteAllChildren();
    CVCommand::Read(ar);
    const auto* plus = GetChildCount() == 2 ? dynamic_cast<CVAliasActSub*>(GetChild(0)) : nullptr;
    const auto* minus = GetChildCount() == 2 ? dynamic_cast<CVAliasActSub*>(GetChild(1)) : nullptr;
    if (plus == nullptr || minus == nullptr || !plus->IsPlus() || minus->IsPlus())
        throw ArchiveError(ArchiveError::Kind::BadFormat,
                           "an Action Alias must hold a \"+\" half and a \"-\" half");
    SetDefParamType(ParamAction);
}

} // namespace vantor
