#include "model/CKeyTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace vantor;

namespace {

const CKeyTable& Keys() {
    return CKeyTable::Instance();
}

struct KnownKey {
    const char* name;
    std::uint16_t code;
    int group;
};

} // namespace

TEST(KeyTable, EveryRecordIsFoundByCodeAndByName) {
    const auto records = Keys().Records();
    ASSERT_EQ(records.size(), 112u);
    EXPECT_EQ(records[0].code, 0);
    EXPECT_STREQ(records[0].name, "???");
    EXPECT_EQ(records[0].group, kKeyGroupNone);

    // A duplicate code or name would send one of the two rows to the other's record.
    for (const KeyRecord& record : records) {
        SCOPED_TRACE(record.name);
        EXPECT_EQ(Keys().CodeFromName(record.name), record.code);
        EXPECT_EQ(Keys().NameFromCode(record.code), record.name);
        EXPECT_EQ(Keys().GroupFromCode(record.code), record.group);
        EXPECT_TRUE(Keys().HasCode(record.code));
        if (&record != &records[0]) {
            EXPECT_GE(record.group, kKeyGroupKeyboard);
            EXPECT_LE(record.group, kKeyGroupKeypad);
        }
    }
}

TEST(KeyTable, CodesStoredInFilesAreExact) {
    const KnownKey known[] = {
        {"pgdn", 33, kKeyGroupKeyboard},     {"pgup", 34, kKeyGroupKeyboard},
        {",", 60, kKeyGroupKeyboard},        {".", 62, kKeyGroupKeyboard},
        {"-", 95, kKeyGroupKeyboard},        {"+", 43, kKeyGroupKeyboard},
        {"*", 42, kKeyGroupKeypad},          {"~", 126, kKeyGroupKeyboard},
        {"'", 551, kKeyGroupKeyboard},       {"`", 608, kKeyGroupKeyboard},
        {"\\", 92, kKeyGroupKeyboard},       {"semicolon", 59, kKeyGroupKeyboard},
        {"escape", 27, kKeyGroupKeyboard},   {"backspace", 8, kKeyGroupKeyboard},
        {"space", 32, kKeyGroupKeyboard},    {"pause", 19, kKeyGroupKeyboard},
        {"f1", 112, kKeyGroupKeyboard},      {"f12", 123, kKeyGroupKeyboard},
        {"mouse1", 1, kKeyGroupMouse},       {"mouse2", 2, kKeyGroupMouse},
        {"mouse3", 4, kKeyGroupMouse},       {"mwheelup", 257, kKeyGroupMouse},
        {"mwheeldown", 258, kKeyGroupMouse}, {"joy1", 273, kKeyGroupJoystick},
        {"joy4", 276, kKeyGroupJoystick},    {"aux5", 277, kKeyGroupAux},
        {"aux10", 282, kKeyGroupAux},        {"kp_ins", 96, kKeyGroupKeypad},
        {"kp_pgup", 105, kKeyGroupKeypad},   {"kp_plus", 107, kKeyGroupKeypad},
        {"kp_slash", 111, kKeyGroupKeypad},  {"kp_enter", 108, kKeyGroupKeypad},
    };
    for (const KnownKey& key : known) {
        SCOPED_TRACE(key.name);
        EXPECT_EQ(Keys().CodeFromName(key.name), key.code);
        EXPECT_EQ(Keys().GroupFromCode(key.code), key.group);
    }
    for (char c = 'a'; c <= 'z'; ++c)
        EXPECT_EQ(Keys().CodeFromName(std::string(1, c)), 65 + (c - 'a')) << c;
    for (char c = '0'; c <= '9'; ++c)
        EXPECT_EQ(Keys().CodeFromName(std::string(1, c)), 48 + (c - '0')) << c;
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(Keys().CodeFromName("f" + std::to_string(n)), 111 + n) << n;
}

TEST(KeyTable, UnknownCodesAndNamesAreRefused) {
    EXPECT_EQ(Keys().NameFromCode(0), "???");
    EXPECT_TRUE(Keys().HasCode(0));

    for (std::uint16_t code : {3, 44, 256, 283, 609, 65535}) {
        EXPECT_FALSE(Keys().HasCode(code)) << code;
        EXPECT_FALSE(Keys().NameFromCode(code).has_value()) << code;
        EXPECT_EQ(Keys().GroupFromCode(code), 0) << code;
    }
    for (const char* name : {"PGUP", "Mouse1", "A", "", " pgup", "pgup ", "aux1", "joy5", ";"})
        EXPECT_FALSE(Keys().CodeFromName(name).has_value()) << '"' << name << '"';
    EXPECT_EQ(Keys().CodeFromName("pgup"), 34);
}

TEST(KeyTable, KeyListFiltersByGroupInTableOrder) {
    const auto all = Keys().KeyList(0);
    const auto records = Keys().Records();
    ASSERT_EQ(all.size(), 111u);
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].name, records[i + 1].name);
        EXPECT_EQ(all[i].code, records[i + 1].code);
        EXPECT_EQ(all[i].icon, records[i + 1].group - 1);
    }

    std::vector<std::string> mouse;
    for (const KeyListRow& row : Keys().KeyList(kKeyGroupMouse)) {
        mouse.emplace_back(row.name);
        EXPECT_EQ(row.icon, 1);
    }
    EXPECT_EQ(mouse,
              (std::vector<std::string>{"mouse1", "mouse2", "mouse3", "mwheelup", "mwheeldown"}));

    EXPECT_EQ(Keys().KeyList(kKeyGroupKeyboard).size(), 80u);
    EXPECT_EQ(Keys().KeyList(kKeyGroupJoystick).size(), 4u);
    EXPECT_EQ(Keys().KeyList(kKeyGroupAux).size(), 6u);
    EXPECT_EQ(Keys().KeyList(kKeyGroupKeypad).size(), 16u);
    EXPECT_TRUE(Keys().KeyList(6).empty());
    EXPECT_TRUE(Keys().KeyList(-1).empty());
}

TEST(KeyTable, KeyboardKeysFitThePictureWithoutOverlapping) {
    const auto keys = Keys().KeyboardKeys();
    ASSERT_EQ(keys.size(), 99u);

    int right = 0;
    int bottom = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const KeyboardKey& a = keys[i];
        SCOPED_TRACE(*Keys().NameFromCode(a.code));
        EXPECT_NE(a.code, 0);
        EXPECT_GE(a.left, 0);
        EXPECT_GE(a.top, 0);
        EXPECT_LT(a.left, a.right);
        EXPECT_LT(a.top, a.bottom);
        EXPECT_LE(a.right, kKeyboardPictureWidth);
        EXPECT_LE(a.bottom, kKeyboardPictureHeight);
        right = std::max(right, a.right);
        bottom = std::max(bottom, a.bottom);
        for (std::size_t j = i + 1; j < keys.size(); ++j) {
            const KeyboardKey& b = keys[j];
            const bool overlap =
                a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
            EXPECT_FALSE(overlap) << "overlaps " << *Keys().NameFromCode(b.code);
        }
    }
    EXPECT_EQ(right, kKeyboardPictureWidth);
    EXPECT_EQ(bottom, kKeyboardPictureHeight);

    auto find = [&](std::uint16_t code) -> const KeyboardKey* {
        for (const KeyboardKey& key : keys)
            if (key.code == code)
                return &key;
        return nullptr;
    };
    // Rectangles are x, y, x + w, y + h.
    const KeyboardKey* space = find(32);
    ASSERT_NE(space, nullptr);
    EXPECT_EQ((std::vector<int>{space->left, space->top, space->right, space->bottom}),
              (std::vector<int>{39, 58, 112, 69}));
    const KeyboardKey* kpPlus = find(107);
    ASSERT_NE(kpPlus, nullptr);
    EXPECT_EQ((std::vector<int>{kpPlus->left, kpPlus->top, kpPlus->right, kpPlus->bottom}),
              (std::vector<int>{234, 25, 245, 47}));
    // Keys without a place in the picture.
    for (std::uint16_t code : {608, 43, 273, 276, 277, 282})
        EXPECT_EQ(find(code), nullptr) << code;
}
