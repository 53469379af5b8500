// Games: name and script file, the set of used Modules, and the record that stores the
// Modules by their position in the Library.

#include "ModelTestSupport.h"
#include "model/ArchiveError.h"
#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/CScript.h"
#include "model/CVAlias.h"
#include "model/CVConfig.h"
#include "model/GameReadContext.h"
#include "model/ReadOwned.h"
#include "resources/StringIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vantor {
namespace {

using test::Hex;
using test::ToHex;
using Events = std::vector<std::string>;

// Three Modules numbered as the Library numbers them before writing its Games.
struct ThreeModules {
    CVConfig m[3];
    GameReadContext context;
    ThreeModules() {
        for (int i = 0; i < 3; ++i) {
            m[i].SetPosition(i);
            context.modules.push_back(&m[i]);
        }
    }
};

std::set<CVConfig*> UsedModules(const CScript& game) {
    const auto used = game.GetUsedModules();
    return {used.begin(), used.end()};
}

TEST(Game, NameAndScriptFile) {
    test::RecordingObserver library;
    CScript game;
    EXPECT_TRUE(game.GetSaveWithLibrary());
    game.SetLibrary(&library);

    EXPECT_EQ(game.SetGameName("", true), IDS_GAME_NAME_EMPTY);
    EXPECT_EQ(game.SetGameName("Deathmatch", true), 0);
    EXPECT_EQ(game.SetGameName("Deathmatch \"2\"", false), 0);
    game.SetScriptFile("/games/q/autoexec.cfg", true);
    game.SetScriptFile("", false);
    EXPECT_EQ(game.GetGameName(), "Deathmatch \"2\"");
    EXPECT_EQ(game.GetScriptFile(), "");
    // The pane hears only of the changes it asked for; every change marks the Library.
    EXPECT_EQ(library.events, (Events{"game Deathmatch 1", "game Deathmatch \"2\" 2"}));
    EXPECT_EQ(library.modified, 4);
    EXPECT_EQ(game.ConfirmDeleteGame(), IDS_CONFIRM_DELETE_GAME);
}

TEST(Game, DefaultNamesContinueTheSharedCounter) {
    CVAlias alias;
    alias.MakeDefaultName(IDS_NEW_ALIAS);
    const std::string prefix = "NewAlias";
    ASSERT_EQ(alias.GetName().rfind(prefix, 0), 0u) << alias.GetName();
    const int n = std::stoi(alias.GetName().substr(prefix.size()));

    test::RecordingObserver library;
    CScript game;
    game.SetLibrary(&library);
    game.MakeDefaultGameName();
    EXPECT_EQ(game.GetGameName(), "New Game" + std::to_string(n + 1));
    EXPECT_EQ(library.events, (Events{"game " + game.GetGameName() + " 1"}));
}

TEST(Game, ModuleUse) {
    test::RecordingObserver library;
    ThreeModules modules;
    CScript game;
    game.SetLibrary(&library);

    for (CVConfig* m : {&modules.m[0], &modules.m[1], &modules.m[2], &modules.m[1]})
        game.AddModuleUse(*m);
    EXPECT_EQ(game.GetModuleUseCount(), 3u);
    EXPECT_EQ(library.modified, 4);

    // Removing from the middle keeps the others, each once.
    EXPECT_TRUE(game.RemoveModuleUse(modules.m[0]));
    EXPECT_FALSE(game.UsesModule(modules.m[0]));
    EXPECT_TRUE(game.UsesModule(modules.m[1]));
    EXPECT_EQ(UsedModules(game), (std::set<CVConfig*>{&modules.m[1], &modules.m[2]}));
    EXPECT_EQ(game.GetModuleUseCount(), 2u);
    EXPECT_EQ(library.modified, 5);

    // A Module the Game does not use: false, and the Library is not marked.
    EXPECT_FALSE(game.RemoveModuleUse(modules.m[0]));
    EXPECT_EQ(library.modified, 5);

    // The Module that took the removed one's place is still found where it went.
    EXPECT_TRUE(game.RemoveModuleUse(modules.m[2]));
    EXPECT_EQ(UsedModules(game), (std::set<CVConfig*>{&modules.m[1]}));
    EXPECT_TRUE(game.RemoveModuleUse(modules.m[1]));
    EXPECT_EQ(game.GetModuleUseCount(), 0u);
    game.AddModuleUse(modules.m[2]);
    EXPECT_EQ(UsedModules(game), (std::set<CVConfig*>{&modules.m[2]}));
}

std::string WriteGame(const CScript& game) {
    std::string bytes;
    ArchiveWriter ar(bytes);
    game.Write(ar);
    return bytes;
}

// The position numbers stored after the head of a record, in any order.
std::multiset<std::uint32_t> StoredPositions(const std::string& bytes, std::size_t head) {
    std::multiset<std::uint32_t> positions;
    for (std::size_t i = head; i + 4 <= bytes.size(); i += 4) {
        std::uint32_t v = 0;
        for (std::size_t k = 4; k-- > 0;)
            v = v << 8 | static_cast<unsigned char>(bytes[i + k]);
        positions.insert(v);
    }
    return positions;
}

TEST(Game, RecordStoresModulePositions) {
    ThreeModules modules;
    CScript game;
    game.SetGameName("DM", false);
    game.SetScriptFile("a.cfg", false);
    EXPECT_EQ(ToHex(WriteGame(game)),
              ToHex(Hex("02") + "DM" + Hex("05") + "a.cfg" + Hex("01000000 00000000")));

    game.AddModuleUse(modules.m[0]);
    game.AddModuleUse(modules.m[2]);
    game.SetSaveWithLibrary(false);
    const std::string head = Hex("02") + "DM" + Hex("05") + "a.cfg" + Hex("00000000 02000000");
    std::string bytes = WriteGame(game);
    ASSERT_EQ(bytes.size(), head.size() + 8);
    EXPECT_EQ(ToHex(bytes.substr(0, head.size())), ToHex(head));
    EXPECT_EQ(StoredPositions(bytes, head.size()), (std::multiset<std::uint32_t>{0, 2}));

    // The first Module moved to the end of the Library: renumbered before the next write.
    modules.m[1].SetPosition(0);
    modules.m[2].SetPosition(1);
    modules.m[0].SetPosition(2);
    bytes = WriteGame(game);
    EXPECT_EQ(StoredPositions(bytes, head.size()), (std::multiset<std::uint32_t>{2, 1}));

    // A Module that was never numbered cannot be stored.
    CVConfig unnumbered;
    game.AddModuleUse(unnumbered);
    EXPECT_THROW(WriteGame(game), ArchiveError);
}

TEST(Game, ReadTurnsPositionsIntoModules) {
    ThreeModules modules;
    const std::string head = Hex("02") + "DM" + Hex("00 01000000");
    struct Case {
        const char* what;
        std::string bytes;
        std::optional<ArchiveError::Kind> error;
        std::set<int> used; // indices into the three Modules
        std::size_t left = 0;
    };
    using Kind = ArchiveError::Kind;
    const Case cases[] = {
        {"two Modules", head + Hex("02000000 02000000 00000000"), {}, {0, 2}},
        {"no Modules", head + Hex("00000000"), {}, {}},
        {"a negative count reads none", head + Hex("FFFFFFFF 01000000"), {}, {}, 4},
        {"the same Module twice", head + Hex("02000000 01000000 01000000"), {}, {1}},
        {"a position past the Modules", head + Hex("01000000 03000000"), Kind::BadFormat, {}},
        {"a huge position", head + Hex("01000000 FFFFFFFF"), Kind::BadFormat, {}},
        {"a count past the data", head + Hex("FFFFFF7F 00000000"), Kind::EndOfFile, {}},
        {"cut in a position", head + Hex("01000000 0000"), Kind::EndOfFile, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ArchiveReader ar(c.bytes);
        CScript game;
        try {
            game.Read(ar, modules.context);
            EXPECT_FALSE(c.error) << "read without error";
        } catch (const ArchiveError& e) {
            ASSERT_TRUE(c.error);
            EXPECT_EQ(e.GetKind(), *c.error);
            continue;
        }
        std::set<CVConfig*> expected;
        for (int i : c.used)
            expected.insert(&modules.m[i]);
        EXPECT_EQ(UsedModules(game), expected);
        EXPECT_EQ(game.GetModuleUseCount(), c.used.size());
        EXPECT_EQ(game.GetGameName(), "DM");
        EXPECT_TRUE(game.GetSaveWithLibrary());
        EXPECT_EQ(ar.Remaining(), c.left);
    }
}

TEST(Game, GamesAreArchiveObjectsOfALibrary) {
    ThreeModules modules;
    CScript first, second;
    first.SetGameName("A", false);
    first.AddModuleUse(modules.m[1]);
    second.SetGameName("B", false);
    second.AddModuleUse(modules.m[2]);
    second.AddModuleUse(modules.m[0]);
    std::string bytes;
    ArchiveWriter writer(bytes);
    writer.WriteObject(&first);
    writer.WriteObject(&second);
    EXPECT_EQ(bytes.substr(0, 13), Hex("FFFF 0200 0700") + "CScript");

    // Without the Library's Modules a Game cannot be read.
    {
        ArchiveReader ar(bytes);
        EXPECT_THROW(ReadOwned<CScript>(ar), ArchiveError);
    }
    ArchiveReader ar(bytes);
    ar.SetGameContext(&modules.context);
    std::unique_ptr<CScript> a = ReadOwned<CScript>(ar);
    std::unique_ptr<CScript> b = ReadOwned<CScript>(ar);
    EXPECT_EQ(a->GetGameName(), "A");
    EXPECT_EQ(UsedModules(*a), (std::set<CVConfig*>{&modules.m[1]}));
    EXPECT_EQ(b->GetGameName(), "B");
    EXPECT_EQ(UsedModules(*b), (std::set<CVConfig*>{&modules.m[0], &modules.m[2]}));
    EXPECT_EQ(ar.Remaining(), 0u);

    // A Game is no node: not where a node is expected.
    try {
        CMTObj::ReadClipboardData(bytes);
        ADD_FAILURE() << "read a Game as a node";
    } catch (const ArchiveError& e) {
        EXPECT_EQ(e.GetKind(), ArchiveError::Kind::BadClass);
    }
}

} // namespace
} // namespace vantor
