#include "document/CommandOffers.h"

#include "document/CVantorDoc.h"
#include "model/AsciiText.h"
#include "model/CVCommand.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace vantor {

void CommandOffers::Clear() {
    m_library = nullptr;
    m_revision = 0;
    m_text.clear();
    m_entries.clear();
    m_keys.clear();
    m_slots.clear();
    m_sorted.clear();
}

std::size_t CommandOffers::Slot(std::string_view upper, std::uint32_t hash) const {
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = hash & mask;
    // The hash kept in the slot spares a look at the name of every other key met on the way.
    while (m_slots[slot].key != 0 &&
           (m_slots[slot].hash != hash || KeyText(m_keys[m_slots[slot].key - 1]) != upper))
        slot = (slot + 1) & mask;
    return slot;
}

std::uint32_t CommandOffers::Hash(std::string_view upper) {
    return static_cast<std::uint32_t>(std::hash<std::string_view>{}(upper));
}

// Two passes over the walk: the first meets each name and counts its entries, the second
// puts each entry at its name's place, so that every name's entries follow the walk.
void CommandOffers::Update(const CVantorDoc& library) {
    if (m_library == &library && m_revision == library.GetRevision())
        return;
    Clear();
    std::vector<const CVObList*> lists;
    std::size_t objects = 0;
    for (int row = 0; row < library.GetModuleCount(); ++row) {
        for (int listType : {TypeDefinitionList, TypeAliasList}) {
            const CVObList* list = library.GetModule(row)->GetList(listType);
            lists.push_back(list);
            if (list)
                objects += static_cast<std::size_t>(list->GetChildCount());
        }
    }
    struct Met {
        std::uint32_t key;
        int moduleRow;
        const CVCommand* command;
    };
    std::vector<Met> walk;
    walk.reserve(objects);
    m_keys.reserve(objects);
    m_text.reserve(objects * 16);
    std::size_t slots = 16;
    while (slots < objects * 2)
        slots *= 2;
    m_slots.assign(slots, {});

    for (std::size_t l = 0; l < lists.size(); ++l) {
        const CVObList* list = lists[l];
        if (!list)
            continue;
        const int row = static_cast<int>(l / 2);
        for (int i = 0; i < list->GetChildCount(); ++i) {
            const auto* command = dynamic_cast<const CVCommand*>(list->GetChild(i));
            if (!command || command->GetDefParamType() == ParamUnset)
                continue;
            const std::string& name = command->GetName();
            const std::size_t offset = m_text.size();
            for (char c : name)
                m_text.push_back(ascii::ToUpper(c));
            const std::string_view upper = std::string_view(m_text).substr(offset);
            const std::uint32_t hash = Hash(upper);
            const std::size_t slot = Slot(upper, hash);
            if (m_slots[slot].key == 0) {
                m_keys.push_back({offset, name.size(), 0, 0});
                m_slots[slot] = {hash, static_cast<std::uint32_t>(m_keys.size())};
            } else {
                m_text.resize(offset); // the name is already there
            }
            const std::uint32_t key = m_slots[slot].key - 1;
            ++m_keys[key].count;
            walk.push_back({key, row, command});
        }
    }
    std::size_t first = 0;
    for (Key& key : m_keys) {
        key.first = first;
        first += key.count;
        key.count = 0;
    }
    m_entries.resize(walk.size());
    for (const Met& met : walk) {
        Key& key = m_keys[met.key];
        m_entries[key.first + key.count++] = {met.moduleRow, met.command};
    }
    m_library = &library;
    m_revision = library.GetRevision();
}

// Within a name's run the entries follow the walk, so their Module rows never decrease: the
// winner is the last entry whose Module is not after the fragment's.
const CommandOffers::Entry* CommandOffers::Winner(const Key& key, int moduleRow) const {
    const auto begin = m_entries.begin() + static_cast<std::ptrdiff_t>(key.first);
    const auto end = begin + static_cast<std::ptrdiff_t>(key.count);
    const auto after = std::upper_bound(
        begin, end, moduleRow, [](int row, const Entry& entry) { return row < entry.moduleRow; });
    return after == begin ? nullptr : &*(after - 1);
}

const CVCommand* CommandOffers::Find(std::string_view name, int moduleRow) const {
    if (m_slots.empty())
        return nullptr;
    const std::string upper = ascii::ToUpper(name);
    const std::uint32_t key = m_slots[Slot(upper, Hash(upper))].key;
    if (key == 0)
        return nullptr;
    const Entry* winner = Winner(m_keys[key - 1], moduleRow);
    return winner ? winner->command : nullptr;
}

// The names are sorted once per index, by their first eight bytes as one number and by the
// whole text where those are equal: the order of the bytes compared one by one.
std::vector<const CVCommand*> CommandOffers::Offered(int moduleRow) const {
    if (m_sorted.size() != m_keys.size()) {
        std::vector<std::pair<std::uint64_t, std::uint32_t>> order(m_keys.size());
        for (std::size_t k = 0; k < m_keys.size(); ++k) {
            const std::string_view text = KeyText(m_keys[k]);
            std::uint64_t prefix = 0;
            for (std::size_t i = 0; i < 8; ++i)
                prefix =
                    (prefix << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0);
            order[k] = {prefix, static_cast<std::uint32_t>(k)};
        }
        std::sort(order.begin(), order.end(), [this](const auto& a, const auto& b) {
            if (a.first != b.first)
                return a.first < b.first;
            return KeyText(m_keys[a.second]) < KeyText(m_keys[b.second]);
        });
        m_sorted.clear();
        m_sorted.reserve(order.size());
        for (const auto& [prefix, key] : order)
            m_sorted.push_back(key);
    }
    std::vector<const CVCommand*> offered;
    for (std::uint32_t key : m_sorted)
        if (const Entry* winner = Winner(m_keys[key], moduleRow))
            offered.push_back(winner->command);
    return offered;
}

} // namespace vantor
