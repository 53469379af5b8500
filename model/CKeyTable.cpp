#include "model/CKeyTable.h"

namespace vantor {

const CKeyTable& CKeyTable::Instance() {
    static const CKeyTable table;
    return table;
}

CKeyTable::CKeyTable() : m_records(AllKeyRecords()) {
    m_byCode.reserve(m_records.size());
    m_byName.reserve(m_records.size());
    for (const KeyRecord& record : m_records) {
        m_byCode.emplace(record.code, &record);
        m_byName.emplace(record.name, &record);
    }
}

const KeyRecord* CKeyTable::FindCode(std::uint16_t code) const {
    auto it = m_byCode.find(code);
    return it == m_byCode.end() ? nullptr : it->second;
}

std::optional<std::string_view> CKeyTable::NameFromCode(std::uint16_t code) const {
    if (const KeyRecord* record = FindCode(code))
        return record->name;
    return std::nullopt;
}

int CKeyTable::GroupFromCode(std::uint16_t code) const {
    const KeyRecord* record = FindCode(code);
    return record ? record->group : kKeyGroupNone;
}

bool CKeyTable::HasCode(std::uint16_t code) const {
    return FindCode(code) != nullptr;
}

std::optional<std::uint16_t> CKeyTable::CodeFromName(std::string_view name) const {
    auto it = m_byName.find(name);
    if (it == m_byName.end())
        return std::nullopt;
    return it->second->code;
}

std::vector<KeyListRow> CKeyTable::KeyList(int groupFilter) const {
    std::vector<KeyListRow> rows;
    for (const KeyRecord& record : m_records.subspan(1)) {
        if (groupFilter == kKeyGroupNone || record.group == groupFilter)
            rows.push_back({record.name, record.group - 1, record.code});
    }
    return rows;
}

std::vector<KeyboardKey> CKeyTable::KeyboardKeys() const {
    std::vector<KeyboardKey> keys;
    for (const KeyRecord& record : m_records.subspan(1)) {
        if (record.w > 0)
            keys.push_back(
                {record.code, record.x, record.y, record.x + record.w, record.y + record.h});
    }
    return keys;
}

} // namespace vantor
