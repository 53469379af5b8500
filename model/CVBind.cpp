#include "model/CVBind.h"

#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/CKeyTable.h"
#include "model/ModelCodes.h"
#include "model/ModelObserver.h"
#include "model/TextOutput.h"
#include "resources/StringIds.h"

namespace vantor {

const ArchiveClass CVBind::kClass{
    "CVBind", ArchiveClass::kSchema,
    []() -> std::unique_ptr<ArchiveObject> { return std::make_unique<CVBind>(); }, &CMTObj::kClass};

CVBind::CVBind() : CMTObj(std::string(CKeyTable::Instance().NameFromCode(0).value_or(""))) {}

std::string CVBind::GetKeyName() const {
    return std::string(CKeyTable::Instance().NameFromCode(m_key).value_or(""));
}

int CVBind::GetKeyGroup() const {
    return m_key == 0 ? kKeyGroupNone : CKeyTable::Instance().GroupFromCode(m_key);
}

bool CVBind::SetKey(std::uint16_t key) {
    if (!CKeyTable::Instance().HasCode(key))
        return false;
    m_key = key;
    MarkModified();
    UpdateKeyName();
    return true;
}

bool CVBind::SetKeyByName(std::string_view name) {
    const std::optional<std::uint16_t> code = CKeyTable::Instance().CodeFromName(name);
    if (!code)
        return false;
    m_key = *code;
    MarkModified();
    UpdateKeyName();
    return true;
}

void CVBind::UpdateKeyName() {
    StoreName(GetKeyName(), ModelObserver::ImageChanged);
    if (ModelObserver* observer = GetObserver())
        observer->KeyboardOutOfDate();
}

int CVBind::ConfirmDelete() const {
    return IDS_CONFIRM_DELETE_BIND;
}

int CVBind::GetImage() const {
    switch (GetKeyGroup()) {
    case kKeyGroupMouse:
        return 11;
    case kKeyGroupJoystick:
        return 10;
    case kKeyGroupAux:
        return 12;
    case kKeyGroupKeypad:
        return 2;
    default:
        return 9;
    }
}

int CVBind::GetType() const {
    return TypeBind;
}

bool CVBind::IsAllowed(int op) const {
    return op == OpDelete || op == OpMove || op == OpCopy || op == OpAddCommands;
}

std::optional<InsertPoint> CVBind::GetInsertPoint(int op, int type) {
    return NodeInsertPoint(op, type, {TypeBind}, true);
}

void CVBind::WriteScript(TextOutput& out) const {
    if (m_key == 0) {
        out.Write("// undefined BIND\n");
        return;
    }
    const std::string key = GetKeyName();
    if (GetCommandCount() == 0) {
        out.Write("// BIND " + key + " (no commands defined)\n");
        return;
    }
    thread_local std::string line; // kept from call to call, as for the ALIAS lines
    line.assign("BIND ").append(key).append(1, ' ');
    if (AppendCommandText(line)) {
        line += '\n';
        out.Write(line);
    } else {
        out.Write("// BIND " + key + " (error generating commands)\n");
    }
}

int CVBind::GetMenuId() const {
    return MenuBind;
}

void CVBind::Write(ArchiveWriter& ar) const {
    CMTObj::Write(ar);
    ar.WriteWord(m_key);
}

void CVBind::Read(ArchiveReader& ar) {
    CMTObj::Read(ar);
    m_key = ar.ReadWord();
    StoreName(GetKeyName());
}

} // namespace vantor
