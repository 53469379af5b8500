#pragma once

#include "model/CKeyTable.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vantor {

/// Finds the key under a point of the keyboard picture: one row per pixel line of the keys'
/// bounding rectangle, each row the keys that cover that line sorted by their left edge, so a
/// lookup is a row index and a binary search over the few keys of one line. Built once.
class KeyHitTable {
public:
    /// Builds the table over the keys' rectangles (right and bottom exclusive). The keys must
    /// not overlap.
    void Build(std::span<const KeyboardKey> keys);

    /// The code of the key whose rectangle holds the picture pixel (x, y), or 0 for none.
    std::uint16_t Hit(int x, int y) const;

    /// The smallest rectangle holding every key (empty before Build or without keys).
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Right() const { return m_right; }
    int Bottom() const { return m_bottom; }

private:
    struct Entry {
        int left;
        int right;
        std::uint16_t code;
    };

    int m_left = 0;
    int m_top = 0;
    int m_right = 0;
    int m_bottom = 0;
    std::vector<std::vector<Entry>> m_rows; // row y - m_top
};

} // namespace vantor
