#include "ui/keyboard/KeyHitTable.h"

#include <algorithm>

namespace vantor {

void KeyHitTable::Build(std::span<const KeyboardKey> keys) {
    int left = 32767, top = 32767, right = 0, bottom = 0;
    for (const KeyboardKey& key : keys) {
        left = std::min(left, key.left);
        top = std::min(top, key.top);
        right = std::max(right, key.right);
        bottom = std::max(bottom, key.bottom);
    }
    m_rows.clear();
    if (left >= right || top >= bottom) {
        m_left = m_top = m_right = m_bottom = 0;
        return;
    }
    m_left = left;
    m_top = top;
    m_right = right;
    m_bottom = bottom;

    // Count first, so that every row is allocated once at its final size.
    std::vector<std::size_t> counts(static_cast<std::size_t>(bottom - top), 0);
    for (const KeyboardKey& key : keys)
        for (int y = key.top; y < key.bottom; ++y)
            ++counts[static_cast<std::size_t>(y - top)];
    m_rows.resize(counts.size());
    for (std::size_t row = 0; row < counts.size(); ++row)
        m_rows[row].reserve(counts[row]);
    for (const KeyboardKey& key : keys)
        for (int y = key.top; y < key.bottom; ++y)
            m_rows[static_cast<std::size_t>(y - top)].push_back({key.left, key.right, key.code});
    for (std::vector<Entry>& row : m_rows)
        std::sort(row.begin(), row.end(),
                  [](const Entry& a, const Entry& b) { return a.left < b.left; });
}

std::uint16_t KeyHitTable::Hit(int x, int y) const {
    if (x < m_left || x >= m_right || y < m_top || y >= m_bottom)
        return 0;
    const std::vector<Entry>& row = m_rows[static_cast<std::size_t>(y - m_top)];
    // The last key that starts at or before x is the only one that can hold it.
    auto after = std::upper_bound(row.begin(), row.end(), x,
                                  [](int value, const Entry& entry) { return value < entry.left; });
    if (after == row.begin())
        return 0;
    const Entry& entry = *(after - 1);
    return x < entry.right ? entry.code : 0;
}

} // namespace vantor
