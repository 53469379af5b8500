#include "model/CVAliasActSub.h"

#include "model/CVAlias.h"
#include "model/ModelCodes.h"

namespace vantor {

const ArchiveClass CVAliasActSub::kClass{
    "CVAliasActSub", ArchiveClass::kSchema,
    []() -> std::unique_ptr<ArchiveObject> { return std::make_unique<CVAliasActSub>(); },
    &CMTObj::kClass};

CVAliasActSub::CVAliasActSub(bool plus) {
    SetPlus(plus);
}

bool CVAliasActSub::IsPlus() const {
    return (GetFlags() & FlagPlus) != 0;
}

void CVAliasActSub::SetPlus(bool plus) {
    SetFlag(FlagPlus, plus);
}

int CVAliasActSub::ConfirmDelete() const {
    return 0;
}

int CVAliasActSub::Rename(std::string_view name) {
    StoreName((IsPlus() ? "+" : "-") + std::string(name));
    return 0;
}

int CVAliasActSub::GetImage() const {
    return IsPlus() ? 14 : 15;
}

int CVAliasActSub::GetType() const {
    return TypeActionHalf;
}

bool CVAliasActSub::IsAllowed(int op) const {
    return op == OpAddCommands;
}

std::optional<InsertPoint> CVAliasActSub::GetInsertPoint(int op, int type) {
    return NodeInsertPoint(op, type, {}, false);
}

void CVAliasActSub::WriteScript(TextOutput& out) const {
    CVAlias::WriteAliasLine(*this, out);
}

int CVAliasActSub::GetMenuId() const {
    return MenuActionHalf;
}

} // namespace vantor
