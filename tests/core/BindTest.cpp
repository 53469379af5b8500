// Binds: their keys, names and images from the key table, their BIND lines and record.

#include "ModelTestSupport.h"
#include "model/CVBind.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace vantor {
namespace {

using test::Frag;
using test::Hex;
using Events = std::vector<std::string>;

TEST(Bind, BindLines) {
    using F = std::tuple<const char*, int, const char*>;
    struct Case {
        const char* what;
        std::uint16_t key;
        std::vector<F> fragments;
        const char* script;
    };
    const Case cases[] = {
        {"no key", 0, {{"attack", ParamAction, "+"}}, "// undefined BIND\r\n"},
        {"no key, no commands", 0, {}, "// undefined BIND\r\n"},
        {"no commands", 1, {}, "// BIND mouse1 (no commands defined)\r\n"},
        {"a toggle Action alone", 1, {{"attack", ParamAction, "2"}}, "BIND mouse1 \"attack\"\r\n"},
        {"a toggle Action with another",
         1,
         {{"attack", ParamAction, "2"}, {"wait", 1, ""}},
         "// BIND mouse1 (error generating commands)\r\n"},
        {"a string alone loses its quotes",
         108,
         {{"say", ParamString, "hello"}},
         "BIND kp_enter \"say hello\"\r\n"},
        {"two commands",
         59,
         {{"forward", ParamAction, "+"}, {"fov", ParamInteger, "90"}},
         "BIND semicolon \"+forward;fov 90\"\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CVBind bind;
        ASSERT_TRUE(bind.SetKey(c.key));
        for (const auto& [command, type, param] : c.fragments)
            bind.AddCommand(Frag(command, type, param));
        EXPECT_EQ(test::ScriptOf(bind), c.script);
    }
}

TEST(Bind, KeysComeFromTheKeyTable) {
    test::RecordingObserver library;
    CVConfig module;
    module.SetLibrary(&library);
    module.GetList(TypeBindList)->AddChild(std::make_unique<CVBind>());
    auto& bind = static_cast<CVBind&>(*module.GetList(TypeBindList)->GetChild(0));
    EXPECT_EQ(bind.GetName(), "???");
    library.events.clear();
    library.modified = 0;

    EXPECT_TRUE(bind.SetKey(34));
    EXPECT_EQ(bind.GetName(), "pgup");
    EXPECT_EQ(library.events, (Events{"changed pgup 3", "keyboard"}));
    EXPECT_EQ(library.modified, 1);

    // Codes and names outside the table change nothing and tell nobody.
    library.events.clear();
    for (std::uint16_t code : {3, 283, 65535})
        EXPECT_FALSE(bind.SetKey(code)) << code;
    for (const char* name : {"PGDN", "pgdn ", "", "aux1"})
        EXPECT_FALSE(bind.SetKeyByName(name)) << name;
    EXPECT_EQ(bind.GetKey(), 34);
    EXPECT_EQ(bind.GetName(), "pgup");
    EXPECT_TRUE(library.events.empty());

    EXPECT_TRUE(bind.SetKeyByName("pgdn"));
    EXPECT_EQ(bind.GetKey(), 33);
    EXPECT_TRUE(bind.SetKeyByName("semicolon"));
    EXPECT_EQ(bind.GetKey(), 59);
    EXPECT_TRUE(bind.SetKey(0));
    EXPECT_EQ(bind.GetName(), "???");
    EXPECT_EQ(library.modified, 4);
}

TEST(Bind, ImageAndGroupFollowTheKey) {
    // key, group, image
    const int cases[][3] = {
        {0, 0, 9}, {65, 1, 9}, {1, 2, 11}, {258, 2, 11}, {273, 3, 10}, {282, 4, 12}, {108, 5, 2},
    };
    for (const auto& c : cases) {
        CVBind bind;
        ASSERT_TRUE(bind.SetKey(static_cast<std::uint16_t>(c[0])));
        EXPECT_EQ(bind.GetKeyGroup(), c[1]) << c[0];
        EXPECT_EQ(bind.GetImage(), c[2]) << c[0];
    }
}

TEST(Bind, RecordStoresTheKeyAndReadingRenamesFromTheTable) {
    CVBind bind;
    bind.SetKey(1);
    EXPECT_EQ(test::ToHex(bind.WriteClipboardData()),
              test::ToHex(Hex("FFFF 0200 0600") + "CVBind" + Hex("06") + "mouse1" +
                          Hex("00000000 00000000 00000000 00000000 0100")));

    struct Case {
        const char* storedName;
        const char* key; // the WORD as hex
        std::uint16_t code;
        const char* name;
    };
    const Case cases[] = {
        {"PageUp", "2200", 34, "pgup"},
        {"", "0000", 0, "???"},
        {"mouse1", "0300", 3, ""}, // a code the table lacks is kept, without a name
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.storedName);
        const std::string bytes = Hex("FFFF 0200 0600") + "CVBind" +
                                  std::string(1, char(std::strlen(c.storedName))) + c.storedName +
                                  Hex("00000000 00000000 00000000 00000000") + Hex(c.key);
        std::unique_ptr<CMTObj> read = CMTObj::ReadClipboardData(bytes);
        auto* copy = dynamic_cast<CVBind*>(read.get());
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->GetKey(), c.code);
        EXPECT_EQ(copy->GetName(), c.name);
    }
}

} // namespace
} // namespace vantor
