#include "model/CVAlias.h"

#include "model/ModelCodes.h"
#include "model/TextOutput.h"
#include "resources/StringIds.h"

namespace vantor {

const ArchiveClass CVAlias::kClass{
    "CVAlias", ArchiveClass::kSchema,
    []() -> std::unique_ptr<ArchiveObject> { return std::make_unique<CVAlias>(); },
    &CVCommand::kClass};

CVAlias::CVAlias() {
    SetDefParamType(ParamNone);
}

int CVAlias::ConfirmDelete() const {
    return IDS_CONFIRM_DELETE_ALIAS;
}

int CVAlias::Rename(std::string_view name) {
    return RenameChecked(name, IDS_ALIAS_NAME_EMPTY, IDS_ALIAS_NAME_INVALID);
}

int CVAlias::GetImage() const {
    return 8;
}

int CVAlias::GetType() const {
    return TypeAlias;
}

bool CVAlias::IsAllowed(int op) const {
    return op == OpRename || op == OpDelete || op == OpMove || op == OpCopy || op == OpAddCommands;
}

std::optional<InsertPoint> CVAlias::GetInsertPoint(int op, int type) {
    return NodeInsertPoint(op, type, {TypeAlias, TypeActionAlias}, false);
}

void CVAlias::WriteScript(TextOutput& out) const {
    WriteAliasLine(*this, out);
}

int CVAlias::GetMenuId() const {
    return MenuAlias;
}

void CVAlias::WriteAliasLine(const CMTObj& node, TextOutput& out) {
    const std::string& name = node.GetName();
    if (node.GetCommandCount() == 0) {
        out.Write("// ALIAS " + name + " (no commands defined)\n");
        return;
    }
    // The line is made in one string kept from call to call: no allocation per line.
    thread_local std::string line;
    line.assign("ALIAS ").append(name).append(1, ' ');
    if (node.AppendCommandText(line)) {
        line += '\n';
        out.Write(line);
    } else {
        out.Write("// ALIAS " + name + " (error generating commands)\n");
    }
}

} // namespace vantor
