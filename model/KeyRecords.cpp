#include "model/KeyRecords.h"

#include <iterator>
#include <string_view>

namespace vantor {
namespace {

// Codes are mostly virtual-key codes, but not all: pgdn/pgup are swapped against them,
// some punctuation keys carry a character code, and "'" and "`" use 551 and 608. These
// codes are what Library and Module files store, so they must never change.
constexpr KeyRecord kKeyRecords[] = {
    {0, "???", kKeyGroupNone, 0, 0, 0, 0},
    {65, "a", kKeyGroupKeyboard, 21, 36, 11, 11},
    {66, "b", kKeyGroupKeyboard, 71, 47, 11, 11},
    {67, "c", kKeyGroupKeyboard, 49, 47, 11, 11},
    {68, "d", kKeyGroupKeyboard, 43, 36, 11, 11},
    {69, "e", kKeyGroupKeyboard, 39, 25, 11, 11},
    {70, "f", kKeyGroupKeyboard, 54, 36, 11, 11},
    {71, "g", kKeyGroupKeyboard, 65, 36, 11, 11},
    {72, "h", kKeyGroupKeyboard, 76, 36, 11, 11},
    {73, "i", kKeyGroupKeyboard, 94, 25, 11, 11},
    {74, "j", kKeyGroupKeyboard, 87, 36, 11, 11},
    {75, "k", kKeyGroupKeyboard, 98, 36, 11, 11},
    {76, "l", kKeyGroupKeyboard, 109, 36, 11, 11},
    {77, "m", kKeyGroupKeyboard, 93, 47, 11, 11},
    {78, "n", kKeyGroupKeyboard, 82, 47, 11, 11},
    {79, "o", kKeyGroupKeyboard, 105, 25, 11, 11},
    {80, "p", kKeyGroupKeyboard, 116, 25, 11, 11},
    {81, "q", kKeyGroupKeyboard, 17, 25, 11, 11},
    {82, "r", kKeyGroupKeyboard, 50, 25, 11, 11},
    {83, "s", kKeyGroupKeyboard, 32, 36, 11, 11},
    {84, "t", kKeyGroupKeyboard, 61, 25, 11, 11},
    {85, "u", kKeyGroupKeyboard, 83, 25, 11, 11},
    {86, "v", kKeyGroupKeyboard, 60, 47, 11, 11},
    {87, "w", kKeyGroupKeyboard, 28, 25, 11, 11},
    {88, "x", kKeyGroupKeyboard, 38, 47, 11, 11},
    {89, "y", kKeyGroupKeyboard, 72, 25, 11, 11},
    {90, "z", kKeyGroupKeyboard, 27, 47, 11, 11},
    {60, ",", kKeyGroupKeyboard, 104, 47, 11, 11},
    {62, ".", kKeyGroupKeyboard, 115, 47, 11, 11},
    {47, "/", kKeyGroupKeyboard, 126, 47, 11, 11},
    {551, "'", kKeyGroupKeyboard, 131, 36, 11, 11},
    {91, "[", kKeyGroupKeyboard, 127, 25, 11, 11},
    {93, "]", kKeyGroupKeyboard, 138, 25, 11, 11},
    {92, "\\", kKeyGroupKeyboard, 149, 25, 15, 11},
    {608, "`", kKeyGroupKeyboard, 0, 0, 0, 0},
    {126, "~", kKeyGroupKeyboard, 0, 14, 11, 11},
    {48, "0", kKeyGroupKeyboard, 110, 14, 11, 11},
    {49, "1", kKeyGroupKeyboard, 11, 14, 11, 11},
    {50, "2", kKeyGroupKeyboard, 22, 14, 11, 11},
    {51, "3", kKeyGroupKeyboard, 33, 14, 11, 11},
    {52, "4", kKeyGroupKeyboard, 44, 14, 11, 11},
    {53, "5", kKeyGroupKeyboard, 55, 14, 11, 11},
    {54, "6", kKeyGroupKeyboard, 66, 14, 11, 11},
    {55, "7", kKeyGroupKeyboard, 77, 14, 11, 11},
    {56, "8", kKeyGroupKeyboard, 88, 14, 11, 11},
    {57, "9", kKeyGroupKeyboard, 99, 14, 11, 11},
    {95, "-", kKeyGroupKeyboard, 121, 14, 11, 11},
    {43, "+", kKeyGroupKeyboard, 0, 0, 0, 0},
    {61, "=", kKeyGroupKeyboard, 132, 14, 11, 11},
    {27, "escape", kKeyGroupKeyboard, 0, 0, 11, 11},
    {112, "f1", kKeyGroupKeyboard, 22, 0, 11, 11},
    {113, "f2", kKeyGroupKeyboard, 33, 0, 11, 11},
    {114, "f3", kKeyGroupKeyboard, 44, 0, 11, 11},
    {115, "f4", kKeyGroupKeyboard, 55, 0, 11, 11},
    {116, "f5", kKeyGroupKeyboard, 71, 0, 11, 11},
    {117, "f6", kKeyGroupKeyboard, 82, 0, 11, 11},
    {118, "f7", kKeyGroupKeyboard, 93, 0, 11, 11},
    {119, "f8", kKeyGroupKeyboard, 104, 0, 11, 11},
    {120, "f9", kKeyGroupKeyboard, 120, 0, 11, 11},
    {121, "f10", kKeyGroupKeyboard, 131, 0, 11, 11},
    {122, "f11", kKeyGroupKeyboard, 142, 0, 11, 11},
    {123, "f12", kKeyGroupKeyboard, 153, 0, 11, 11},
    {9, "tab", kKeyGroupKeyboard, 0, 25, 17, 11},
    {13, "enter", kKeyGroupKeyboard, 142, 36, 22, 11},
    {32, "space", kKeyGroupKeyboard, 39, 58, 73, 11},
    {8, "backspace", kKeyGroupKeyboard, 143, 14, 21, 11},
    {38, "uparrow", kKeyGroupKeyboard, 177, 47, 11, 11},
    {40, "downarrow", kKeyGroupKeyboard, 177, 58, 11, 11},
    {37, "leftarrow", kKeyGroupKeyboard, 166, 58, 11, 11},
    {39, "rightarrow", kKeyGroupKeyboard, 188, 58, 11, 11},
    {18, "alt", kKeyGroupKeyboard, 26, 58, 13, 11},
    {17, "ctrl", kKeyGroupKeyboard, 0, 58, 13, 11},
    {16, "shift", kKeyGroupKeyboard, 0, 47, 27, 11},
    {33, "pgdn", kKeyGroupKeyboard, 188, 25, 11, 11},
    {34, "pgup", kKeyGroupKeyboard, 188, 14, 11, 11},
    {36, "home", kKeyGroupKeyboard, 177, 14, 11, 11},
    {35, "end", kKeyGroupKeyboard, 177, 25, 11, 11},
    {45, "ins", kKeyGroupKeyboard, 166, 14, 11, 11},
    {46, "del", kKeyGroupKeyboard, 166, 25, 11, 11},
    {96, "kp_ins", kKeyGroupKeypad, 201, 58, 22, 11},
    {97, "kp_end", kKeyGroupKeypad, 201, 47, 11, 11},
    {98, "kp_downarrow", kKeyGroupKeypad, 212, 47, 11, 11},
    {99, "kp_pgdn", kKeyGroupKeypad, 223, 47, 11, 11},
    {100, "kp_leftarrow", kKeyGroupKeypad, 201, 36, 11, 11},
    {101, "kp_5", kKeyGroupKeypad, 212, 36, 11, 11},
    {102, "kp_rightarrow", kKeyGroupKeypad, 223, 36, 11, 11},
    {103, "kp_home", kKeyGroupKeypad, 201, 25, 11, 11},
    {104, "kp_uparrow", kKeyGroupKeypad, 212, 25, 11, 11},
    {105, "kp_pgup", kKeyGroupKeypad, 223, 25, 11, 11},
    {42, "*", kKeyGroupKeypad, 223, 14, 11, 11}, // x 223: beside kp_slash, not over it
    {107, "kp_plus", kKeyGroupKeypad, 234, 25, 11, 22},
    {108, "kp_enter", kKeyGroupKeypad, 234, 47, 11, 22},
    {109, "kp_minus", kKeyGroupKeypad, 234, 14, 11, 11},
    {110, "kp_del", kKeyGroupKeypad, 223, 58, 11, 11},
    {111, "kp_slash", kKeyGroupKeypad, 212, 14, 11, 11},
    {19, "pause", kKeyGroupKeyboard, 188, 0, 11, 11},
    {59, "semicolon", kKeyGroupKeyboard, 120, 36, 11, 11}, // y 36: on its row, clear of p and [
    {1, "mouse1", kKeyGroupMouse, 247, 14, 8, 11},
    {2, "mouse2", kKeyGroupMouse, 264, 14, 8, 11},
    {4, "mouse3", kKeyGroupMouse, 255, 14, 9, 11},
    {257, "mwheelup", kKeyGroupMouse, 255, 28, 9, 11},
    {258, "mwheeldown", kKeyGroupMouse, 255, 39, 9, 11},
    {273, "joy1", kKeyGroupJoystick, 0, 0, 0, 0},
    {274, "joy2", kKeyGroupJoystick, 0, 0, 0, 0},
    {275, "joy3", kKeyGroupJoystick, 0, 0, 0, 0},
    {276, "joy4", kKeyGroupJoystick, 0, 0, 0, 0},
    {277, "aux5", kKeyGroupAux, 0, 0, 0, 0},
    {278, "aux6", kKeyGroupAux, 0, 0, 0, 0},
    {279, "aux7", kKeyGroupAux, 0, 0, 0, 0},
    {280, "aux8", kKeyGroupAux, 0, 0, 0, 0},
    {281, "aux9", kKeyGroupAux, 0, 0, 0, 0},
    {282, "aux10", kKeyGroupAux, 0, 0, 0, 0},
};

constexpr bool CodesAndNamesUnique() {
    constexpr auto n = std::size(kKeyRecords);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            if (kKeyRecords[i].code == kKeyRecords[j].code ||
                std::string_view(kKeyRecords[i].name) == std::string_view(kKeyRecords[j].name))
                return false;
    return true;
}

static_assert(std::size(kKeyRecords) == 112);
static_assert(CodesAndNamesUnique());

} // namespace

std::span<const KeyRecord> AllKeyRecords() {
    return kKeyRecords;
}

} // namespace vantor
