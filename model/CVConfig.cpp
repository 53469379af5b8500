#include "model/CVConfig.h"

#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

namespace vantor {

const ArchiveClass CVConfig::kClass{"CVConfig", ArchiveClass::kSchema, nullptr, &CMTObj::kClass};

CVConfig::CVConfig() {
    auto makeList = [this](int type, int nameId) {
        auto list = std::make_unique<CVObList>(type, std::string(LoadString(nameId)));
        CVObList* raw = list.get();
        AddChild(std::move(list));
        return raw;
    };
    m_definitionList = makeList(TypeDefinitionList, IDS_DEFINITION_LIST);
    m_aliasList = makeList(TypeAliasList, IDS_ALIAS_LIST);
    m_bindList = makeList(TypeBindList, IDS_BIND_LIST);
    m_startupList = makeList(TypeStartupList, IDS_STARTUP_LIST);
}

CVObList* CVConfig::GetList(int listType) const {
    switch (listType) {
    case TypeDefinitionList:
        return m_definitionList;
    case TypeAliasList:
        return m_aliasList;
    case TypeBindList:
        return m_bindList;
    case TypeStartupList:
        return m_startupList;
    default:
        return nullptr;
    }
}

bool CVConfig::IsLocked() const {
    return (GetFlags() & FlagLocked) != 0;
}

int CVConfig::ConfirmDelete() const {
    return IDS_CONFIRM_DELETE_MODULE;
}

int CVConfig::Rename(std::string_view name) {
    if (name.empty())
        return IDS_MODULE_NAME_EMPTY;
    StoreName(std::string(name));
    return 0;
}

int CVConfig::GetImage() const {
    return 0;
}

int CVConfig::GetType() const {
    return TypeModule;
}

bool CVConfig::IsAllowed(int op) const {
    return op == OpRename || op == OpDelete || op == OpMove || op == OpCopy;
}

std::optional<InsertPoint> CVConfig::GetInsertPoint(int op, int type) {
    if (op != InsertNew && op != InsertPaste)
        return std::nullopt;
    return ModuleInsertPoint(type, false);
}

int CVConfig::GetMenuId() const {
    return MenuModule;
}

} // namespace vantor
