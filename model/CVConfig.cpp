#include "model/CVConfig.h"

#include "document/AtomicFile.h"
#include "model/ArchiveError.h"
#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "model/ModelServices.h"
#include "model/TextOutput.h"
#include "model/TextUtil.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

namespace vantor {
namespace {

constexpr int kListTypes[] = {TypeDefinitionList, TypeAliasList, TypeBindList, TypeStartupList};

} // namespace

const ArchiveClass CVConfig::kClass{
    "CVConfig", ArchiveClass::kSchema,
    []() -> std::unique_ptr<ArchiveObject> { return std::make_unique<CVConfig>(); },
    &CMTObj::kClass};

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

bool CVConfig::LoadModuleFile(const std::string& path) {
    if (m_library != nullptr)
        return false;
    ModelServices::Wait wait;
    std::string bytes;
    if (!ReadWholeFile(path, bytes))
        return false;
    try {
        ArchiveReader ar(bytes);
        Read(ar);
    } catch (const ArchiveError&) {
        return false;
    }
    return true;
}

bool CVConfig::ExportModuleFile(const std::string& path) const {
    ModelServices::Wait wait;
    std::string bytes;
    try {
        ArchiveWriter ar(bytes);
        Write(ar);
    } catch (const ArchiveError&) {
        return false;
    }
    return WriteFileAtomically(path, bytes);
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

void CVConfig::WriteScript(TextOutput& out) const {
    out.Write(FormatText(LoadString(IDS_SCRIPT_MODULE), {GetName()}));
    out.Write(FormatText(LoadString(IDS_SCRIPT_AUTHOR), {m_author}));
    for (int i = 0; i < GetChildCount(); ++i)
        GetChild(i)->WriteScript(out);
}

int CVConfig::GetMenuId() const {
    return MenuModule;
}

void CVConfig::Write(ArchiveWriter& ar) const {
    CMTObj::Write(ar);
    ar.WriteString(m_author);
    ar.WriteDword(m_moduleReserved);
}

void CVConfig::Read(ArchiveReader& ar) {
    // The stored lists replace the constructor's; until they are read there are none.
    DeleteAllChildren();
    m_definitionList = m_aliasList = m_bindList = m_startupList = nullptr;
    CMTObj::Read(ar);
    CVObList* lists[4] = {};
    if (GetChildCount() != 4)
        throw ArchiveError(ArchiveError::Kind::BadFormat, "a Module must hold four lists");
    for (int i = 0; i < 4; ++i) {
        lists[i] = dynamic_cast<CVObList*>(GetChild(i));
        if (lists[i] == nullptr || lists[i]->GetListType() != kListTypes[i])
            throw ArchiveError(ArchiveError::Kind::BadFormat, "a Module's lists are out of order");
    }
    m_author = ar.ReadString();
    m_moduleReserved = ar.ReadDword();
    m_definitionList = lists[0];
    m_aliasList = lists[1];
    m_bindList = lists[2];
    m_startupList = lists[3];
}

} // namespace vantor
