#include "document/CommandOffers.h"

#include "document/CVantorDoc.h"
#include "model/AsciiText.h"
#include "model/CVCommand.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelCodes.h"

#include <algorithm>

namespace vantor {

void CommandOffers::Clear() {
    m_library = nullptr;
    m_revision = 0;
    m_byKey.clear();
    m_keys.clear();
    m_entries.clear();
}

void CommandOffers::Update(const CVantorDoc& library) {
    if (m_library == &library && m_revision == library.GetRevision())
        return;
    Clear();
    std::size_t order = 0;
    for (int row = 0; row < library.GetModuleCount(); ++row) {
        const CVConfig* module = library.GetModule(row);
        for (int listType : {TypeDefinitionList, TypeAliasList}) {
            const CVObList* list = module->GetList(listType);
            if (!list)
                continue;
            for (int i = 0; i < list->GetChildCount(); ++i) {
                const auto* command = dynamic_cast<const CVCommand*>(list->GetChild(i));
                if (!command || command->GetDefParamType() == ParamUnset)
                    continue;
                m_entries.push_back({ascii::ToUpper(command->GetName()), row, order++, command});
            }
        }
    }
    std::sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
        return a.key != b.key ? a.key < b.key : a.order < b.order;
    });
    for (std::size_t i = 0; i < m_entries.size();) {
        std::size_t end = i + 1;
        while (end < m_entries.size() && m_entries[end].key == m_entries[i].key)
            ++end;
        m_keys.push_back({i, end - i});
        i = end;
    }
    m_byKey.reserve(m_keys.size());
    for (const Range& range : m_keys)
        m_byKey.emplace(m_entries[range.first].key, range);
    m_library = &library;
    m_revision = library.GetRevision();
}

// Within a key's run the entries follow the walk, so their Module rows never decrease: the
// winner is the last entry whose Module is not after the fragment's.
const CommandOffers::Entry* CommandOffers::Winner(const Range& range, int moduleRow) const {
    const auto begin = m_entries.begin() + static_cast<std::ptrdiff_t>(range.first);
    const auto end = begin + static_cast<std::ptrdiff_t>(range.count);
    const auto after = std::upper_bound(
        begin, end, moduleRow, [](int row, const Entry& entry) { return row < entry.moduleRow; });
    return after == begin ? nullptr : &*(after - 1);
}

const CVCommand* CommandOffers::Find(std::string_view name, int moduleRow) const {
    const auto it = m_byKey.find(ascii::ToUpper(name));
    if (it == m_byKey.end())
        return nullptr;
    const Entry* winner = Winner(it->second, moduleRow);
    return winner ? winner->command : nullptr;
}

std::vector<const CVCommand*> CommandOffers::Offered(int moduleRow) const {
    std::vector<const CVCommand*> offered;
    for (const Range& range : m_keys)
        if (const Entry* winner = Winner(range, moduleRow))
            offered.push_back(winner->command);
    return offered;
}

} // namespace vantor
