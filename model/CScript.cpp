#include "model/CScript.h"

#include "model/ArchiveError.h"
#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/CVConfig.h"
#include "model/GameReadContext.h"
#include "model/ModelObserver.h"
#include "model/NamingCounter.h"
#include "model/TextUtil.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

namespace vantor {

const ArchiveClass CScript::kClass{
    "CScript", ArchiveClass::kSchema,
    []() -> std::unique_ptr<ArchiveObject> { return std::make_unique<CScript>(); }, nullptr};

CScript::CScript() = default;

int CScript::SetGameName(std::string_view name, bool updatePane) {
    if (name.empty())
        return IDS_GAME_NAME_EMPTY;
    m_name = std::string(name);
    MarkModified();
    if (updatePane)
        Notify(ModelObserver::GameNameChanged);
    return 0;
}

void CScript::MakeDefaultGameName() {
    SetGameName(FormatText(LoadString(IDS_NEW_GAME), {FormatInt(NextNamingNumber())}), true);
}

void CScript::SetScriptFile(std::string_view path, bool updatePane) {
    m_scriptFile = std::string(path);
    MarkModified();
    if (updatePane)
        Notify(ModelObserver::GameFileChanged);
}

void CScript::AddModuleUse(CVConfig& module) {
    MarkModified();
    if (m_moduleIndex.emplace(&module, m_modules.size()).second)
        m_modules.push_back(&module);
}

bool CScript::RemoveModuleUse(CVConfig& module) {
    auto it = m_moduleIndex.find(&module);
    if (it == m_moduleIndex.end())
        return false;
    // The last Module takes the place of the removed one: O(1), and the set has no order.
    const std::size_t place = it->second;
    m_moduleIndex.erase(it);
    CVConfig* last = m_modules.back();
    m_modules.pop_back();
    if (last != &module) {
        m_modules[place] = last;
        m_moduleIndex[last] = place;
    }
    MarkModified();
    return true;
}

bool CScript::UsesModule(const CVConfig& module) const {
    return m_moduleIndex.contains(&module);
}

int CScript::ConfirmDeleteGame() const {
    return IDS_CONFIRM_DELETE_GAME;
}

void CScript::Write(ArchiveWriter& ar) const {
    ar.WriteString(m_name);
    ar.WriteString(m_scriptFile);
    ar.WriteDword(m_saveWithLibrary ? 1 : 0);
    ar.WriteDword(static_cast<std::uint32_t>(m_modules.size()));
    for (const CVConfig* module : m_modules) {
        // A Module the Library has not numbered would be stored as a number naming none.
        if (module->GetPosition() < 0)
            throw ArchiveError(ArchiveError::Kind::BadIndex, "a Module without position");
        ar.WriteDword(static_cast<std::uint32_t>(module->GetPosition()));
    }
}

void CScript::Read(ArchiveReader& ar) {
    const GameReadContext* context = ar.GetGameContext();
    if (context == nullptr)
        throw ArchiveError(ArchiveError::Kind::BadFormat, "a Game outside a Library");
    Read(ar, *context);
}

void CScript::Read(ArchiveReader& ar, const GameReadContext& context) {
    m_name = ar.ReadString();
    m_scriptFile = ar.ReadString();
    m_saveWithLibrary = ar.ReadDword() != 0;
    m_modules.clear();
    m_moduleIndex.clear();
    // Each number is read before it is used, so a count larger than the data ends the
    // read at the end of the data.
    for (std::int32_t n = ar.ReadInt32(); n > 0; --n) {
        const std::uint32_t position = ar.ReadDword();
        if (position >= context.modules.size())
            throw ArchiveError(ArchiveError::Kind::BadFormat,
                               "a Game uses Module " + std::to_string(position) +
                                   " of a Library with " + std::to_string(context.modules.size()));
        CVConfig* module = context.modules[position];
        if (m_moduleIndex.emplace(module, m_modules.size()).second)
            m_modules.push_back(module);
    }
}

void CScript::MarkModified() const {
    if (m_library != nullptr)
        m_library->Modified();
}

void CScript::Notify(unsigned what) {
    if (m_library != nullptr)
        m_library->GameChanged(*this, what);
}

} // namespace vantor
