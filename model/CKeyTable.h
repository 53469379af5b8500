#pragma once

#include "model/KeyRecords.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantor {

/// One row of the Bind page's key list.
struct KeyListRow {
    std::string_view name;
    int icon; ///< group - 1
    std::uint16_t code;
};

/// One key of the keyboard picture: its code and rectangle (right and bottom exclusive).
struct KeyboardKey {
    std::uint16_t code;
    int left;
    int top;
    int right;
    int bottom;
};

/// The key vocabulary: every key a Bind can carry, with lookups by code and by name.
/// One constant table per process, built on first use.
class CKeyTable {
public:
    /// The process's key table. Thread-safe; built once.
    static const CKeyTable& Instance();

    CKeyTable(const CKeyTable&) = delete;
    CKeyTable& operator=(const CKeyTable&) = delete;

    /// All records in table order (row 0 included).
    std::span<const KeyRecord> Records() const { return m_records; }

    /// The console name of the key, or nothing when the code is not in the table.
    std::optional<std::string_view> NameFromCode(std::uint16_t code) const;

    /// The key's group, or 0 when the code is not in the table.
    int GroupFromCode(std::uint16_t code) const;

    /// Whether the code is in the table. Code 0 (no key) is.
    bool HasCode(std::uint16_t code) const;

    /// The code of the key with exactly this name (case-sensitive), or nothing.
    std::optional<std::uint16_t> CodeFromName(std::string_view name) const;

    /// Rows 1 to the end in table order whose group equals the filter (0: all groups).
    /// Row 0 is never listed.
    std::vector<KeyListRow> KeyList(int groupFilter) const;

    /// Rows 1 to the end that are in the keyboard picture, in table order.
    std::vector<KeyboardKey> KeyboardKeys() const;

private:
    CKeyTable();

    const KeyRecord* FindCode(std::uint16_t code) const;

    std::span<const KeyRecord> m_records;
    std::unordered_map<std::uint16_t, const KeyRecord*> m_byCode;
    std::unordered_map<std::string_view, const KeyRecord*> m_byName;
};

} // namespace vantor
