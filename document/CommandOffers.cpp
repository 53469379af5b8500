#include "document/CommandOffers.h"

#include "document/CVantorDoc.h"
#include "model/AsciiText.h"
#include "model/CVCommand.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"

#include <queue>

#include <algorithm>
#include <functional>
#include <unordered_set>
#include <utility>

namespace vantor {

std::uint32_t CommandOffers::Hash(std::string_view upper) {
    return static_cast<std::uint32_t>(std::hash<std::string_view>{}(upper));
}

std::size_t CommandOffers::ModuleIndex::SlotOf(std::string_view upper, std::uint32_t hash) const {
    const std::size_t mask = table.size() - 1;
    std::size_t slot = hash & mask;
    // The hash kept in the slot spares a look at the name of every other key met on the way.
    while (table[slot].key != 0 &&
           (table[slot].hash != hash || KeyText(keys[table[slot].key - 1]) != upper))
        slot = (slot + 1) & mask;
    return slot;
}

const CVCommand* CommandOffers::ModuleIndex::Find(std::string_view upper,
                                                  std::uint32_t hash) const {
    const std::uint32_t key = table[SlotOf(upper, hash)].key;
    return key == 0 ? nullptr : keys[key - 1].command;
}

void CommandOffers::ModuleIndex::Build(const CVConfig& module) {
    revision = module.GetContentRevision();
    text.clear();
    keys.clear();
    sorted.clear();
    std::size_t objects = 0;
    for (int listType : {TypeDefinitionList, TypeAliasList})
        if (const CVObList* list = module.GetList(listType))
            objects += static_cast<std::size_t>(list->GetChildCount());
    std::size_t size = 16;
    while (size < objects * 2)
        size *= 2;
    table.assign(size, {});
    keys.reserve(objects);
    text.reserve(objects * 12);

    // Definitions, then Aliases: a later command of the same name replaces an earlier one.
    for (int listType : {TypeDefinitionList, TypeAliasList}) {
        const CVObList* list = module.GetList(listType);
        if (!list)
            continue;
        for (int i = 0; i < list->GetChildCount(); ++i) {
            const auto* command = dynamic_cast<const CVCommand*>(list->GetChild(i));
            if (!command || command->GetDefParamType() == ParamUnset)
                continue;
            const std::string& name = command->GetName();
            const std::size_t offset = text.size();
            for (char c : name)
                text.push_back(ascii::ToUpper(c));
            const std::string_view upper = std::string_view(text).substr(offset);
            const std::uint32_t hash = Hash(upper);
            const std::size_t slot = SlotOf(upper, hash);
            if (table[slot].key == 0) {
                keys.push_back({offset, name.size(), command});
                table[slot] = {hash, static_cast<std::uint32_t>(keys.size())};
            } else {
                keys[table[slot].key - 1].command = command;
                text.resize(offset); // the name is already there
            }
        }
    }
    // Sorted now, while the Module's names are at hand, rather than when a list is asked for.
    Sorted();
}

// The names are sorted by their first eight bytes as one number and by the whole text where
// those are equal: the order of the bytes compared one by one.
const std::vector<std::uint32_t>& CommandOffers::ModuleIndex::Sorted() const {
    if (sorted.size() == keys.size())
        return sorted;
    std::vector<std::pair<std::uint64_t, std::uint32_t>> order(keys.size());
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const std::string_view name = KeyText(keys[k]);
        std::uint64_t prefix = 0;
        for (std::size_t i = 0; i < 8; ++i)
            prefix = (prefix << 8) | (i < name.size() ? static_cast<unsigned char>(name[i]) : 0U);
        order[k] = {prefix, static_cast<std::uint32_t>(k)};
    }
    std::sort(order.begin(), order.end(), [this](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return KeyText(keys[a.second]) < KeyText(keys[b.second]);
    });
    sorted.clear();
    sorted.reserve(order.size());
    for (const auto& entry : order)
        sorted.push_back(entry.second);
    return sorted;
}

void CommandOffers::Clear() {
    m_library = nullptr;
    m_revision = 0;
    m_modules.clear();
    m_rows.clear();
}

bool CommandOffers::Update(const CVantorDoc& library, int budget) {
    if (m_library == &library && m_revision == library.GetRevision())
        return true;
    if (m_library != &library)
        m_modules.clear();
    m_library = &library;
    m_revision = 0;
    // Indexes of Modules that left the Library go: their objects may be gone.
    std::unordered_set<const CVConfig*> present;
    for (int row = 0; row < library.GetModuleCount(); ++row)
        present.insert(library.GetModule(row));
    for (auto it = m_modules.begin(); it != m_modules.end();)
        it = present.count(it->first) ? std::next(it) : m_modules.erase(it);

    m_rows.clear();
    int built = 0;
    bool complete = true;
    for (int row = 0; row < library.GetModuleCount(); ++row) {
        const CVConfig* module = library.GetModule(row);
        ModuleIndex& index = m_modules[module];
        // A revision of 0 is unknown: never trusted.
        if (index.table.empty() || index.revision != module->GetContentRevision() ||
            index.revision == 0) {
            if (budget >= 0 && built >= budget) {
                complete = false;
            } else {
                index.Build(*module);
                ++built;
            }
        }
        m_rows.push_back(&index);
    }
    if (complete)
        m_revision = library.GetRevision();
    return complete;
}

const CVCommand* CommandOffers::Find(std::string_view name, int moduleRow) const {
    if (moduleRow < 0 || m_rows.empty())
        return nullptr;
    const std::string upper = ascii::ToUpper(name);
    const std::uint32_t hash = Hash(upper);
    for (int row = std::min(moduleRow, static_cast<int>(m_rows.size()) - 1); row >= 0; --row)
        if (const CVCommand* command = m_rows[static_cast<std::size_t>(row)]->Find(upper, hash))
            return command;
    return nullptr;
}

// A merge of the Modules' sorted names; of equal names the latest Module's command wins.
std::vector<const CVCommand*> CommandOffers::Offered(int moduleRow) const {
    std::vector<const CVCommand*> offered;
    if (moduleRow < 0 || m_rows.empty())
        return offered;
    const std::size_t rows = std::min(static_cast<std::size_t>(moduleRow) + 1, m_rows.size());
    struct Cursor {
        std::string_view name;
        std::size_t row;
        std::size_t at;
    };
    // The smallest name first; of equal names the latest Module first.
    const auto later = [](const Cursor& a, const Cursor& b) {
        return a.name != b.name ? a.name > b.name : a.row < b.row;
    };
    std::priority_queue<Cursor, std::vector<Cursor>, decltype(later)> heads(later);
    for (std::size_t row = 0; row < rows; ++row) {
        const ModuleIndex& index = *m_rows[row];
        if (!index.Sorted().empty())
            heads.push({index.KeyText(index.keys[index.Sorted()[0]]), row, 0});
    }
    std::string_view last;
    bool any = false;
    while (!heads.empty()) {
        const Cursor head = heads.top();
        heads.pop();
        const ModuleIndex& index = *m_rows[head.row];
        if (!any || head.name != last) {
            offered.push_back(index.keys[index.Sorted()[head.at]].command);
            last = head.name;
            any = true;
        }
        if (head.at + 1 < index.Sorted().size())
            heads.push(
                {index.KeyText(index.keys[index.Sorted()[head.at + 1]]), head.row, head.at + 1});
    }
    return offered;
}

} // namespace vantor
