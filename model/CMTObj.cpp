#include "model/CMTObj.h"

#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/CCmdFrag.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"
#include "model/ModelObserver.h"
#include "model/NamingCounter.h"
#include "model/ReadOwned.h"
#include "model/ScriptImport.h"
#include "model/TextOutput.h"
#include "model/TextUtil.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace vantor {

const ArchiveClass CMTObj::kClass{"CMTObj", ArchiveClass::kSchema, nullptr, nullptr};

CMTObj::CMTObj() = default;

CMTObj::CMTObj(std::string name) : m_name(std::move(name)) {}

CMTObj::~CMTObj() {
    // Children first to last, then the fragments.
    for (auto& child : m_children)
        child.reset();
    for (auto& fragment : m_commands)
        fragment.reset();
}

// --- Virtual operations ---------------------------------------------------------------------

int CMTObj::ConfirmDelete() const {
    return 0;
}

int CMTObj::Rename(std::string_view name) {
    if (name.empty())
        return IDS_NAME_EMPTY;
    StoreName(std::string(name));
    MarkModified();
    return 0;
}

int CMTObj::GetImage() const {
    return 0;
}

int CMTObj::GetType() const {
    return TypeNode;
}

bool CMTObj::IsAllowed(int /*op*/) const {
    return false;
}

std::optional<InsertPoint> CMTObj::GetInsertPoint(int /*op*/, int /*type*/) {
    return std::nullopt;
}

void CMTObj::WriteScript(TextOutput& out) const {
    for (const auto& child : m_children)
        child->WriteScript(out);
    std::string text;
    for (const auto& fragment : m_commands) {
        text.clear();
        if (fragment->AppendCommand(text, true, false)) {
            text += '\n';
            out.Write(text);
        }
    }
}

int CMTObj::GetMenuId() const {
    return MenuNone;
}

const ArchiveClass& CMTObj::GetClass() const {
    return kClass;
}

// --- Fields ---------------------------------------------------------------------------------

bool CMTObj::IsExpanded() const {
    return (m_flags & FlagExpanded) != 0;
}

void CMTObj::SetExpanded(bool expanded) {
    SetFlag(FlagExpanded, expanded);
}

void CMTObj::SetFlag(std::uint32_t bit, bool on) {
    if (on)
        m_flags |= bit;
    else
        m_flags &= ~bit;
}

void CMTObj::StoreName(std::string name, unsigned alsoChanged) {
    m_name = std::move(name);
    if (ModelObserver* observer = GetObserver())
        observer->NodeChanged(*this, ModelObserver::TextChanged | alsoChanged);
}

void CMTObj::ClearExpanded() {
    if (!IsExpanded())
        return;
    SetFlag(FlagExpanded, false);
    if (ModelObserver* observer = GetObserver())
        observer->NodeChanged(*this, ModelObserver::ExpandedChanged);
}

// --- Children -------------------------------------------------------------------------------

CMTObj* CMTObj::GetLastChild() const {
    return m_children.empty() ? nullptr : m_children.back().get();
}

void CMTObj::RenumberChildren(std::size_t from) {
    for (std::size_t i = from; i < m_children.size(); ++i)
        m_children[i]->m_row = static_cast<int>(i);
}

int CMTObj::InsertChildAt(std::size_t row, std::unique_ptr<CMTObj> child) {
    if (!child)
        throw std::invalid_argument("InsertChild: no node");
    ModelObserver* observer = GetObserver();
    const int r = static_cast<int>(row);
    if (observer)
        observer->ChildrenAboutToBeInserted(*this, r, 1);
    child->m_parent = this;
    m_children.insert(m_children.begin() + static_cast<std::ptrdiff_t>(row), std::move(child));
    RenumberChildren(row);
    if (observer)
        observer->ChildrenInserted(*this, r, 1);
    MarkModified();
    return r;
}

int CMTObj::AddChild(std::unique_ptr<CMTObj> child) {
    return InsertChildAt(m_children.size(), std::move(child));
}

int CMTObj::InsertChildAfter(std::unique_ptr<CMTObj> child, CMTObj* after) {
    if (after != nullptr && after->m_parent != this)
        throw std::invalid_argument("InsertChildAfter: anchor is not a child of this node");
    return InsertChildAt(after ? static_cast<std::size_t>(after->m_row) + 1 : 0, std::move(child));
}

std::unique_ptr<CMTObj> CMTObj::RemoveChild(CMTObj& child) {
    if (child.m_parent != this)
        return nullptr;
    MarkModified();
    ModelObserver* observer = GetObserver();
    const int row = child.m_row;
    if (observer)
        observer->ChildrenAboutToBeRemoved(*this, row, 1);
    std::unique_ptr<CMTObj> taken = std::move(m_children[static_cast<std::size_t>(row)]);
    m_children.erase(m_children.begin() + row);
    RenumberChildren(static_cast<std::size_t>(row));
    taken->m_parent = nullptr;
    taken->m_row = -1;
    if (observer)
        observer->ChildrenRemoved(*this, row, 1);
    if (m_children.empty())
        ClearExpanded();
    return taken;
}

void CMTObj::DeleteAllChildren() {
    if (!m_children.empty()) {
        ModelObserver* observer = GetObserver();
        const int count = GetChildCount();
        if (observer)
            observer->ChildrenAboutToBeRemoved(*this, 0, count);
        std::vector<std::unique_ptr<CMTObj>> doomed = std::move(m_children);
        m_children.clear();
        for (auto& child : doomed)
            child.reset();
        if (observer)
            observer->ChildrenRemoved(*this, 0, count);
    }
    ClearExpanded();
}

bool CMTObj::MoveChild(CMTObj& child, bool up) {
    if (child.m_parent != this)
        return false;
    const std::size_t row = static_cast<std::size_t>(child.m_row);
    CMTObj* after = nullptr;
    if (up) {
        if (row == 0)
            return false;
        after = row >= 2 ? m_children[row - 2].get() : nullptr;
    } else {
        if (row + 1 >= m_children.size())
            return false;
        after = m_children[row + 1].get();
    }
    InsertChildAfter(RemoveChild(child), after);
    return true;
}

// --- Command fragments ----------------------------------------------------------------------

void CMTObj::RenumberCommands(std::size_t from) {
    for (std::size_t i = from; i < m_commands.size(); ++i)
        m_commands[i]->m_row = static_cast<int>(i);
}

int CMTObj::InsertCommandsAt(std::size_t row, std::vector<std::unique_ptr<CCmdFrag>> fragments) {
    const int r = static_cast<int>(row);
    if (fragments.empty())
        return r;
    for (const auto& fragment : fragments)
        if (!fragment)
            throw std::invalid_argument("InsertCommand: no fragment");
    ModelObserver* observer = GetObserver();
    const int count = static_cast<int>(fragments.size());
    const bool hadNone = m_commands.empty();
    if (observer)
        observer->CommandsAboutToBeInserted(*this, r, count);
    for (const auto& fragment : fragments)
        fragment->m_owner = this;
    m_commands.insert(m_commands.begin() + r, std::make_move_iterator(fragments.begin()),
                      std::make_move_iterator(fragments.end()));
    RenumberCommands(row);
    if (observer) {
        observer->CommandsInserted(*this, r, count);
        if (hadNone)
            observer->NodeChanged(*this, ModelObserver::OverlayChanged);
    }
    MarkModified();
    return r;
}

int CMTObj::AddCommand(std::unique_ptr<CCmdFrag> fragment) {
    std::vector<std::unique_ptr<CCmdFrag>> one;
    one.push_back(std::move(fragment));
    return InsertCommandsAt(m_commands.size(), std::move(one));
}

int CMTObj::InsertCommandAfter(std::unique_ptr<CCmdFrag> fragment, CCmdFrag* after) {
    if (after != nullptr && after->m_owner != this)
        throw std::invalid_argument("InsertCommandAfter: anchor is not a fragment of this node");
    std::vector<std::unique_ptr<CCmdFrag>> one;
    one.push_back(std::move(fragment));
    return InsertCommandsAt(after ? static_cast<std::size_t>(after->m_row) + 1 : 0, std::move(one));
}

std::unique_ptr<CCmdFrag> CMTObj::RemoveCommand(CCmdFrag& fragment) {
    if (fragment.m_owner != this)
        return nullptr;
    MarkModified();
    ModelObserver* observer = GetObserver();
    const int row = fragment.m_row;
    if (observer)
        observer->CommandsAboutToBeRemoved(*this, row, 1);
    std::unique_ptr<CCmdFrag> taken = std::move(m_commands[static_cast<std::size_t>(row)]);
    m_commands.erase(m_commands.begin() + row);
    RenumberCommands(static_cast<std::size_t>(row));
    taken->m_owner = nullptr;
    taken->m_row = -1;
    if (observer) {
        observer->CommandsRemoved(*this, row, 1);
        if (m_commands.empty())
            observer->NodeChanged(*this, ModelObserver::OverlayChanged);
    }
    return taken;
}

bool CMTObj::MoveCommand(CCmdFrag& fragment, bool up) {
    if (fragment.m_owner != this)
        return false;
    const std::size_t row = static_cast<std::size_t>(fragment.m_row);
    CCmdFrag* after = nullptr;
    if (up) {
        if (row == 0)
            return false;
        after = row >= 2 ? m_commands[row - 2].get() : nullptr;
    } else {
        if (row + 1 >= m_commands.size())
            return false;
        after = m_commands[row + 1].get();
    }
    InsertCommandAfter(RemoveCommand(fragment), after);
    return true;
}

void CMTObj::CollectCommands(std::vector<CCmdFrag*>& out) const {
    for (const auto& fragment : m_commands)
        out.push_back(fragment.get());
    for (const auto& child : m_children)
        child->CollectCommands(out);
}

bool CMTObj::BuildCommandText(std::string& out) const {
    // A scratch string kept from call to call: no allocation once it is large enough.
    thread_local std::string text;
    text.clear();
    if (!AppendCommandText(text))
        return false;
    out.assign(text);
    return true;
}

bool CMTObj::AppendCommandText(std::string& out) const {
    if (m_commands.empty())
        return false;
    const bool inBind = GetType() == TypeBind;
    const bool single = m_commands.size() == 1;
    const std::size_t before = out.size();
    out += '"';
    for (std::size_t i = 0; i < m_commands.size(); ++i) {
        if (i > 0)
            out += ';';
        if (!m_commands[i]->AppendCommand(out, single, inBind)) {
            out.resize(before);
            return false;
        }
    }
    out += '"';
    return true;
}

void CMTObj::SetCommandsFromText(std::string_view text) {
    AppendCommands(ParseCommandText(text));
}

void CMTObj::AppendCommands(std::vector<std::unique_ptr<CCmdFrag>> fragments) {
    InsertCommandsAt(m_commands.size(), std::move(fragments));
}

// --- Archive and clipboard ------------------------------------------------------------------

void CMTObj::Write(ArchiveWriter& ar) const {
    ar.WriteString(m_name);
    ar.WriteDword(m_flags);
    ar.WriteDword(m_reserved);
    ar.WriteDword(static_cast<std::uint32_t>(m_children.size()));
    for (const auto& child : m_children)
        ar.WriteObject(child.get());
    ar.WriteDword(static_cast<std::uint32_t>(m_commands.size()));
    for (const auto& fragment : m_commands)
        ar.WriteObject(fragment.get());
}

void CMTObj::Read(ArchiveReader& ar) {
    m_name = ar.ReadString();
    m_flags = ar.ReadDword();
    m_reserved = ar.ReadDword();
    // Read nodes belong to no Library yet, so they are appended without notifications.
    for (std::size_t n = ar.ReadSignedCount(); n > 0; --n) {
        std::unique_ptr<CMTObj> child = ReadOwned<CMTObj>(ar);
        // A Module is a node class too, but it only ever stands at the top of a record.
        if (child->GetClass().IsDerivedFrom(CVConfig::kClass))
            throw ArchiveError(ArchiveError::Kind::BadClass, "a Module inside a node");
        child->m_parent = this;
        child->m_row = GetChildCount();
        m_children.push_back(std::move(child));
    }
    for (std::size_t n = ar.ReadSignedCount(); n > 0; --n) {
        std::unique_ptr<CCmdFrag> fragment = ReadOwned<CCmdFrag>(ar);
        fragment->m_owner = this;
        fragment->m_row = GetCommandCount();
        m_commands.push_back(std::move(fragment));
    }
}

std::string CMTObj::WriteClipboardData() const {
    std::string data;
    ArchiveWriter ar(data);
    ar.WriteObject(this);
    return data;
}

std::unique_ptr<CMTObj> CMTObj::ReadClipboardData(std::string_view data) {
    ArchiveReader ar(data);
    return ReadOwned<CMTObj>(ar, true);
}

bool CMTObj::PasteCommands(std::string_view data, CCmdFrag* after) {
    if (after != nullptr && after->m_owner != this)
        throw std::invalid_argument("PasteCommands: anchor is not a fragment of this node");
    ArchiveReader ar(data);
    std::vector<std::unique_ptr<CCmdFrag>> scratch;
    // The count is bounded by the bytes left, so reserving it is safe.
    const std::size_t count = ar.ReadUnsignedCount();
    scratch.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        scratch.push_back(ReadOwned<CCmdFrag>(ar));
    if (scratch.empty())
        return false;
    // One block behind the anchor: the order the fragments had in the data.
    InsertCommandsAt(after ? static_cast<std::size_t>(after->m_row) + 1 : 0, std::move(scratch));
    return true;
}

// --- Library, naming ------------------------------------------------------------------------

CVConfig* CMTObj::GetModule() {
    return const_cast<CVConfig*>(static_cast<const CMTObj*>(this)->GetModule());
}

const CVConfig* CMTObj::GetModule() const {
    for (const CMTObj* node = this; node != nullptr; node = node->m_parent)
        if (node->GetType() == TypeModule)
            return dynamic_cast<const CVConfig*>(node);
    return nullptr;
}

ModelObserver* CMTObj::GetObserver() const {
    const CVConfig* module = GetModule();
    return module ? module->GetLibrary() : nullptr;
}

bool CMTObj::SelectNode() {
    ModelObserver* observer = GetObserver();
    return observer != nullptr && observer->SelectNode(*this);
}

void CMTObj::MarkModified() const {
    if (ModelObserver* observer = GetObserver())
        observer->Modified();
}

void CMTObj::MakeDefaultName(int formatId) {
    Rename(FormatText(LoadString(formatId), {FormatInt(NextNamingNumber())}));
}

bool CMTObj::IsValidName(std::string_view name) {
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_';
    });
}

// --- Insertion answers ----------------------------------------------------------------------

std::optional<InsertPoint> CMTObj::ModuleInsertPoint(int type, bool takesStartup) {
    CVConfig* module = GetModule();
    if (module == nullptr)
        return std::nullopt;
    int listType = 0;
    switch (type) {
    case TypeDefinition:
        listType = TypeDefinitionList;
        break;
    case TypeAlias:
    case TypeActionAlias:
        listType = TypeAliasList;
        break;
    case TypeBind:
        listType = TypeBindList;
        break;
    case TypeStartup:
        if (!takesStartup)
            return std::nullopt;
        listType = TypeStartupList;
        break;
    case TypeModule:
        return InsertPoint{nullptr, module};
    default:
        return std::nullopt;
    }
    CVObList* list = module->GetList(listType);
    if (list == nullptr)
        return std::nullopt;
    return InsertPoint{list, list->GetLastChild()};
}

std::optional<InsertPoint>
CMTObj::NodeInsertPoint(int op, int type, std::initializer_list<int> ownTypes, bool takesStartup) {
    const bool own = std::find(ownTypes.begin(), ownTypes.end(), type) != ownTypes.end();
    if (op == InsertPaste || (op == InsertNew && own)) {
        if (own && m_parent != nullptr)
            return InsertPoint{m_parent, this};
        return std::nullopt;
    }
    if (op != InsertNew)
        return std::nullopt;
    return ModuleInsertPoint(type, takesStartup);
}

} // namespace vantor
