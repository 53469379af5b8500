#pragma once

#include <cstdint>
#include <span>

namespace vantor {

/// Key groups of the key table. The Bind page uses group - 1 as the icon index.
inline constexpr int kKeyGroupNone = 0; ///< row 0 only ("???", no key)
inline constexpr int kKeyGroupKeyboard = 1;
inline constexpr int kKeyGroupMouse = 2;
inline constexpr int kKeyGroupJoystick = 3;
inline constexpr int kKeyGroupAux = 4;
inline constexpr int kKeyGroupKeypad = 5;

/// Size of the keyboard picture in picture pixels; every key of the picture lies inside it.
inline constexpr int kKeyboardPictureWidth = 272;
inline constexpr int kKeyboardPictureHeight = 69;

/// One key of the key table: the code a Bind stores, the console key name, the group and
/// the key's rectangle in the keyboard picture (w == 0: not in the picture).
struct KeyRecord {
    std::uint16_t code;
    const char* name;
    int group;
    int x;
    int y;
    int w;
    int h;
};

/// All key records in table order. Row 0 is the "no key" entry (code 0, "???").
std::span<const KeyRecord> AllKeyRecords();

} // namespace vantor
