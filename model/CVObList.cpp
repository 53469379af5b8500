#include "model/CVObList.h"

#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/ModelCodes.h"
#include "model/TextOutput.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

namespace vantor {

const ArchiveClass CVObList::kClass{
    "CVObList", ArchiveClass::kSchema,
    []() -> std::unique_ptr<ArchiveObject> { return std::make_unique<CVObList>(); },
    &CMTObj::kClass};

CVObList::CVObList(int listType, std::string name)
    : CMTObj(std::move(name)), m_listType(static_cast<std::uint32_t>(listType)) {}

int CVObList::GetImage() const {
    switch (GetListType()) {
    case TypeDefinitionList:
        return 4;
    case TypeAliasList:
        return 5;
    case TypeBindList:
        return 6;
    case TypeStartupList:
        return 7;
    default:
        return CMTObj::GetImage();
    }
}

int CVObList::GetType() const {
    return GetListType();
}

bool CVObList::IsAllowed(int op) const {
    return op == OpAddCommands && GetListType() == TypeStartupList;
}

std::optional<InsertPoint> CVObList::GetInsertPoint(int op, int type) {
    if (op == InsertNew)
        return ModuleInsertPoint(type, true);
    if (op != InsertPaste)
        return std::nullopt;
    // A pasted object goes at the end of its own kind of list only.
    bool fits = false;
    switch (type) {
    case TypeDefinition:
        fits = GetListType() == TypeDefinitionList;
        break;
    case TypeAlias:
    case TypeActionAlias:
        fits = GetListType() == TypeAliasList;
        break;
    case TypeBind:
        fits = GetListType() == TypeBindList;
        break;
    default:
        break;
    }
    if (!fits)
        return std::nullopt;
    return InsertPoint{this, GetLastChild()};
}

void CVObList::WriteScript(TextOutput& out) const {
    switch (GetListType()) {
    case TypeAliasList:
        out.Write(LoadString(IDS_SCRIPT_ALIASES));
        break;
    case TypeBindList:
        out.Write(LoadString(IDS_SCRIPT_BINDS));
        break;
    case TypeStartupList:
        out.Write(LoadString(IDS_SCRIPT_STARTUPS));
        break;
    default:
        break;
    }
    CMTObj::WriteScript(out);
}

int CVObList::GetMenuId() const {
    switch (GetListType()) {
    case TypeDefinitionList:
        return MenuDefinitionList;
    case TypeAliasList:
        return MenuAliasList;
    case TypeBindList:
        return MenuBindList;
    case TypeStartupList:
        return MenuStartupList;
    default:
        return CMTObj::GetMenuId();
    }
}

void CVObList::Write(ArchiveWriter& ar) const {
    CMTObj::Write(ar);
    ar.WriteDword(m_listType);
}

void CVObList::Read(ArchiveReader& ar) {
    CMTObj::Read(ar);
    m_listType = ar.ReadDword();
}

} // namespace vantor
