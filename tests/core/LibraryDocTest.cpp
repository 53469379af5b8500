// The Library document: its Module and Game lists and what it tells its views, the Library
// file byte for byte, opening and saving with their failures, and the Game scripts written
// on saving.

#include "ModelTestSupport.h"
#include "ScratchFolder.h"
#include "document/AtomicFile.h"
#include "document/CScriptOutput.h"
#include "document/CVantorDoc.h"
#include "document/DocumentObserver.h"
#include "document/ModuleView.h"
#include "model/ArchiveError.h"
#include "model/CScript.h"
#include "model/CVAlias.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace vantor {
namespace {

using test::Frag;
using test::Hex;
using test::ToHex;
using Events = std::vector<std::string>;

// --- Helpers --------------------------------------------------------------------------------

// Records what the document tells its views, one line per call.
class DocRecorder : public DocumentObserver {
public:
    Events events;
    int modified = 0;

    void ModulesAboutToBeInserted(int row, int count) override {
        Add("about-insert-modules", row, count);
    }
    void ModulesInserted(int row, int count) override { Add("insert-modules", row, count); }
    void ModulesAboutToBeRemoved(int row, int count) override {
        Add("about-remove-modules", row, count);
    }
    void ModulesRemoved(int row, int count) override { Add("remove-modules", row, count); }
    void GamesAboutToBeInserted(int row, int count) override {
        Add("about-insert-games", row, count);
    }
    void GamesInserted(int row, int count) override { Add("insert-games", row, count); }
    void GamesAboutToBeRemoved(int row, int count) override {
        Add("about-remove-games", row, count);
    }
    void GamesRemoved(int row, int count) override { Add("remove-games", row, count); }
    void CurrentGameChanged(CScript* game) override {
        events.push_back("current " + (game ? game->GetGameName() : std::string("none")));
    }
    void ModuleStatesChanged() override { events.push_back("states"); }
    void ModifiedChanged(bool on) override { events.push_back(on ? "modified" : "saved"); }
    void ContentsAboutToBeDestroyed() override { events.push_back("about-destroy"); }
    void ContentsDestroyed() override { events.push_back("destroyed"); }
    void ChildrenInserted(CMTObj& parent, int row, int) override {
        events.push_back("insert-child " + parent.GetName() + " " + std::to_string(row));
    }
    void NodeChanged(CMTObj& node, unsigned) override {
        events.push_back("changed " + node.GetName());
    }
    void GameChanged(CScript& game, unsigned) override {
        events.push_back("game " + game.GetGameName());
    }
    void Modified() override { ++modified; }
    void KeyboardOutOfDate() override { events.push_back("keyboard"); }
    bool SelectNode(CMTObj& node) override {
        events.push_back("select " + node.GetName());
        return true;
    }

    Events Take() { return std::exchange(events, {}); }

private:
    void Add(const char* what, int row, int count) {
        events.push_back(std::string(what) + " " + std::to_string(row) + " " +
                         std::to_string(count));
    }
};

class FixedSelection : public ModuleView {
public:
    CMTObj* selected = nullptr;
    CMTObj* GetSelectedNode() const override { return selected; }
};

std::unique_ptr<CVConfig> Module(const std::string& name, const std::string& author = {}) {
    auto module = std::make_unique<CVConfig>();
    module->Rename(name);
    module->SetAuthor(author);
    return module;
}

std::unique_ptr<CScript> Game(const std::string& name, const std::string& file = {}) {
    auto game = std::make_unique<CScript>();
    game->SetGameName(name, false);
    game->SetScriptFile(file, false);
    return game;
}

CVConfig& AddModule(CVantorDoc& doc, const std::string& name) {
    auto module = Module(name);
    CVConfig& added = *module;
    doc.AddModule(std::move(module));
    return added;
}

CScript& AddGame(CVantorDoc& doc, const std::string& name, const std::string& file = {}) {
    auto game = Game(name, file);
    CScript& added = *game;
    doc.AddGame(std::move(game));
    return added;
}

std::string ModuleNames(const CVantorDoc& doc) {
    std::string out;
    for (int i = 0; i < doc.GetModuleCount(); ++i)
        out += (i ? "," : "") + doc.GetModule(i)->GetName();
    return out;
}

std::string GameNames(const CVantorDoc& doc) {
    std::string out;
    for (int i = 0; i < doc.GetGameCount(); ++i)
        out += (i ? "," : "") + doc.GetGame(i)->GetGameName();
    return out;
}

// The names of the Modules a Game uses, sorted.
std::set<std::string> UsedNames(const CScript& game) {
    std::set<std::string> names;
    for (const CVConfig* module : game.GetUsedModules())
        names.insert(module->GetName());
    return names;
}

// Archive pieces for the hand-built files.
std::string Str(std::string_view s) {
    return std::string(1, static_cast<char>(s.size())) + std::string(s);
}
std::string Dw(std::uint32_t v) {
    std::string out;
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
    return out;
}
// An empty list's record: name, flags, reserved, no children, no fragments, list type.
std::string ListRecord(std::string_view name, std::uint32_t type) {
    return Str(name) + Dw(0) + Dw(0) + Dw(0) + Dw(0) + Dw(type);
}
// A Module's record with four empty lists. The first Module of an archive carries the
// CVObList class descriptor (which takes index 3); later lists use the tag 0x8000 | 3.
std::string ModuleRecord(std::string_view name, std::string_view author, bool firstLists) {
    const std::string again = Hex("0380");
    return Str(name) + Dw(0) + Dw(0) + Dw(4) +
           (firstLists ? Hex("FFFF 0200 0800") + "CVObList" : again) +
           ListRecord("Definitions", 17) + again + ListRecord("Aliases", 18) + again +
           ListRecord("Binds", 19) + again + ListRecord("Startups", 20) + Dw(0) + Str(author) +
           Dw(1);
}

// The Library head: engine folder, reserved, write-all, pane widths, counts.
std::string Head(std::string_view folder, std::uint32_t reserved, std::uint32_t writeAll,
                 std::int32_t gameWidth, std::int32_t moduleWidth, std::int32_t modules,
                 std::int32_t games) {
    return Str(folder) + Dw(reserved) + Dw(writeAll) + Dw(static_cast<std::uint32_t>(gameWidth)) +
           Dw(static_cast<std::uint32_t>(moduleWidth)) + Dw(static_cast<std::uint32_t>(modules)) +
           Dw(static_cast<std::uint32_t>(games));
}

// Two Modules and two Games, write-all off; "DM" uses the second Module (position 1).
// Class indices: CVConfig 1, CVObList 3, CScript 13 (so the second Game's tag is 0x800D).
const std::string kSmallLibrary =
    Head("/games/quake", 0, 0, 0, 0, 2, 2) + Hex("FFFF 0200 0800") + "CVConfig" +
    ModuleRecord("Movement", "Sam", true) + Hex("0180") + ModuleRecord("Weapons", "", false) +
    Hex("FFFF 0200 0700") + "CScript" + Str("DM") + Str("/games/quake/dm.cfg") + Dw(1) + Dw(1) +
    Dw(1) + Hex("0D80") + Str("Coop") + Str("") + Dw(0) + Dw(0);

class LibraryFiles : public ::testing::Test {
protected:
    void SetUp() override { dir = test::MakeScratchFolder("vantor-library"); }
    void TearDown() override {
        AtomicFile::FailWritesAfter(-1);
        AtomicFile::FailSync(AtomicFile::SyncStep::None);
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    std::string Get(const std::string& name) const {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(Path(name), bytes)) << name;
        return bytes;
    }
    void Put(const std::string& name, const std::string& bytes) const {
        ASSERT_TRUE(WriteFileAtomically(Path(name), bytes));
    }
    std::size_t EntryCount(const std::string& folder = {}) const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder.empty() ? dir : dir / folder), {}));
    }

    fs::path dir;
    CScriptOutput output;
};

// --- Modules and Games ----------------------------------------------------------------------

TEST(LibraryDoc, NewLibraryDefaults) {
    CVantorDoc doc;
    EXPECT_EQ(doc.GetEngineFolder(), "");
    EXPECT_EQ(doc.GetReserved(), 0u);
    EXPECT_TRUE(doc.GetWriteAll());
    EXPECT_EQ(doc.GetGamePaneWidth(), 0);
    EXPECT_EQ(doc.GetModulePaneWidth(), 0);
    EXPECT_EQ(doc.GetModuleCount(), 0);
    EXPECT_EQ(doc.GetGameCount(), 0);
    EXPECT_EQ(doc.GetCurrentGame(), nullptr);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), "");
}

TEST(LibraryDoc, AddInsertAndRemoveModulesWithRowsAndLinks) {
    CVantorDoc doc;
    DocRecorder views;
    doc.SetObserver(&views);

    EXPECT_EQ(doc.AddModule(Module("B")), 0);
    EXPECT_EQ(doc.InsertModuleAfter(Module("A"), nullptr), 0);
    CVConfig* b = doc.GetModule(1);
    EXPECT_EQ(doc.InsertModuleAfter(Module("C"), b), 2);
    EXPECT_EQ(doc.AddModule(Module("D")), 3);
    EXPECT_EQ(ModuleNames(doc), "A,B,C,D");
    EXPECT_EQ(views.Take(),
              (Events{"about-insert-modules 0 1", "insert-modules 0 1", "modified",
                      "about-insert-modules 0 1", "insert-modules 0 1", "about-insert-modules 2 1",
                      "insert-modules 2 1", "about-insert-modules 3 1", "insert-modules 3 1"}));
    EXPECT_TRUE(doc.IsModified());
    for (int row = 0; row < doc.GetModuleCount(); ++row) {
        EXPECT_EQ(doc.GetModuleRow(*doc.GetModule(row)), row);
        EXPECT_EQ(doc.GetModule(row)->GetLibrary(), &doc);
    }

    // A change inside a Module reaches the views through the document.
    auto alias = std::make_unique<CVAlias>();
    alias->Rename("hop");
    b->GetList(TypeAliasList)->AddChild(std::move(alias));
    EXPECT_EQ(views.Take(), (Events{"insert-child Aliases 0"}));

    // Removed from the Games or not, as asked; the removed Module reports to nobody.
    CScript& game = AddGame(doc, "G");
    game.AddModuleUse(*b);
    game.AddModuleUse(*doc.GetModule(2));
    views.Take();
    std::unique_ptr<CVConfig> taken = doc.RemoveModule(*b, true);
    ASSERT_EQ(taken.get(), b);
    EXPECT_EQ(views.Take(), (Events{"about-remove-modules 1 1", "remove-modules 1 1"}));
    EXPECT_EQ(UsedNames(game), (std::set<std::string>{"C"}));
    EXPECT_EQ(b->GetLibrary(), nullptr);
    EXPECT_EQ(doc.GetModuleRow(*b), -1);
    EXPECT_EQ(ModuleNames(doc), "A,C,D");
    EXPECT_EQ(doc.GetModuleRow(*doc.GetModule(2)), 2);
    b->Rename("gone");
    EXPECT_TRUE(views.Take().empty());

    std::unique_ptr<CVConfig> c = doc.RemoveModule(*doc.GetModule(1), false);
    EXPECT_TRUE(game.UsesModule(*c));
    EXPECT_EQ(doc.RemoveModule(*b, true), nullptr); // not in the Library any more
    EXPECT_THROW(doc.InsertModuleAfter(Module("X"), b), std::invalid_argument);
    EXPECT_EQ(ModuleNames(doc), "A,D");
    game.RemoveModuleUse(*c);
}

TEST(LibraryDoc, MoveModulesAndGames) {
    CVantorDoc doc;
    for (const char* name : {"A", "B", "C"}) {
        AddModule(doc, name);
        AddGame(doc, std::string("G") + name);
    }
    CVConfig* a = doc.GetModule(0);
    CVConfig* c = doc.GetModule(2);
    CScript* ga = doc.GetGame(0);
    CScript* gc = doc.GetGame(2);
    ga->AddModuleUse(*a);
    doc.SetCurrentGame(gc);
    doc.SetModified(false);
    DocRecorder views;
    doc.SetObserver(&views);

    // The first up and the last down: false, nothing changes, nobody hears of it.
    EXPECT_FALSE(doc.MoveModule(*a, true));
    EXPECT_FALSE(doc.MoveModule(*c, false));
    EXPECT_FALSE(doc.MoveGame(*ga, true));
    EXPECT_FALSE(doc.MoveGame(*gc, false));
    EXPECT_EQ(ModuleNames(doc), "A,B,C");
    EXPECT_EQ(GameNames(doc), "GA,GB,GC");
    EXPECT_TRUE(views.events.empty());
    EXPECT_FALSE(doc.IsModified());

    EXPECT_TRUE(doc.MoveModule(*a, false));
    EXPECT_EQ(ModuleNames(doc), "B,A,C");
    EXPECT_EQ(views.Take(), (Events{"about-remove-modules 0 1", "remove-modules 0 1",
                                    "about-insert-modules 1 1", "insert-modules 1 1", "modified"}));
    EXPECT_TRUE(doc.MoveModule(*c, true));
    EXPECT_TRUE(doc.MoveModule(*c, true));
    EXPECT_EQ(ModuleNames(doc), "C,B,A");
    EXPECT_TRUE(ga->UsesModule(*a)); // Games keep a moved Module
    EXPECT_EQ(a->GetLibrary(), &doc);

    EXPECT_TRUE(doc.MoveGame(*gc, true));
    EXPECT_EQ(GameNames(doc), "GA,GC,GB");
    EXPECT_EQ(views.Take(),
              (Events{"about-remove-modules 2 1", "remove-modules 2 1", "about-insert-modules 1 1",
                      "insert-modules 1 1", "about-remove-modules 1 1", "remove-modules 1 1",
                      "about-insert-modules 0 1", "insert-modules 0 1", "about-remove-games 2 1",
                      "remove-games 2 1", "about-insert-games 1 1", "insert-games 1 1"}));
    EXPECT_TRUE(doc.MoveGame(*ga, false));
    EXPECT_EQ(GameNames(doc), "GC,GA,GB");
    EXPECT_EQ(doc.GetCurrentGame(), gc); // a moved current Game stays current
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(doc.GetGameRow(*doc.GetGame(row)), row);
        EXPECT_EQ(doc.GetModuleRow(*doc.GetModule(row)), row);
    }
}

TEST(LibraryDoc, GamesAndTheCurrentGame) {
    CVantorDoc doc;
    DocRecorder views;
    doc.SetObserver(&views);
    CVConfig& used = AddModule(doc, "Used");
    CVConfig& other = AddModule(doc, "Other");
    doc.SetModified(false);
    views.Take();

    // Appending (as the reader does) leaves the flag alone; inserting sets it.
    EXPECT_EQ(doc.AddGame(Game("B")), 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.InsertGameAfter(Game("A"), nullptr), 0);
    EXPECT_EQ(doc.InsertGameAfter(Game("C"), doc.GetGame(1)), 2);
    EXPECT_EQ(GameNames(doc), "A,B,C");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(views.Take(), (Events{"about-insert-games 0 1", "insert-games 0 1",
                                    "about-insert-games 0 1", "insert-games 0 1", "modified",
                                    "about-insert-games 2 1", "insert-games 2 1"}));
    CScript* b = doc.GetGame(1);
    EXPECT_EQ(b->GetLibrary(), &doc);

    // The state images: no Game, a Game that uses the Module, one that does not.
    EXPECT_EQ(doc.GetModuleState(used), CVantorDoc::ModuleNoGame);
    b->AddModuleUse(used);
    doc.SetCurrentGame(b);
    EXPECT_EQ(doc.GetModuleState(used), CVantorDoc::ModuleUsed);
    EXPECT_EQ(doc.GetModuleState(other), CVantorDoc::ModuleUnused);
    EXPECT_EQ(views.Take(), (Events{"current B", "states", "keyboard"}));
    doc.SetCurrentGame(b);
    EXPECT_TRUE(views.events.empty());
    CScript foreign;
    EXPECT_THROW(doc.SetCurrentGame(&foreign), std::invalid_argument);
    EXPECT_EQ(doc.GetCurrentGame(), b);

    // A Game's own changes reach the views.
    b->SetGameName("B2", true);
    EXPECT_EQ(views.Take(), (Events{"game B2"}));

    // Removing the current Game leaves none current, so no link to it stays behind.
    std::unique_ptr<CScript> taken = doc.RemoveGame(*b);
    ASSERT_EQ(taken.get(), b);
    EXPECT_EQ(doc.GetCurrentGame(), nullptr);
    EXPECT_EQ(taken->GetLibrary(), nullptr);
    EXPECT_EQ(doc.GetGameRow(*taken), -1);
    EXPECT_EQ(views.Take(), (Events{"current none", "states", "keyboard", "about-remove-games 1 1",
                                    "remove-games 1 1"}));
    EXPECT_EQ(doc.GetGameRow(*doc.GetGame(1)), 1);
    EXPECT_EQ(doc.RemoveGame(*taken), nullptr);
    EXPECT_THROW(doc.InsertGameAfter(Game("X"), taken.get()), std::invalid_argument);
}

TEST(LibraryDoc, AddModuleAtSelection) {
    CVantorDoc doc;
    DocRecorder views;
    doc.SetObserver(&views);
    // No Module view: appended, nothing selected.
    doc.AddModuleAtSelection(Module("A"));
    doc.AddModuleAtSelection(Module("C"));
    EXPECT_EQ(views.Take().size(), 5u); // two insertions and the modified flag

    FixedSelection view;
    doc.SetModuleView(&view);
    // A node deep inside A: the new Module goes right after A, and is selected.
    CVObList* aliases = doc.GetModule(0)->GetList(TypeAliasList);
    view.selected = aliases;
    CVConfig* b = doc.AddModuleAtSelection(Module("B"));
    EXPECT_EQ(ModuleNames(doc), "A,B,C");
    EXPECT_EQ(views.Take(), (Events{"about-insert-modules 1 1", "insert-modules 1 1", "select B"}));
    // The selected Module itself: after it.
    view.selected = b;
    doc.AddModuleAtSelection(Module("B2"));
    // No selection, or a node of no Module of this Library: last.
    view.selected = nullptr;
    doc.AddModuleAtSelection(Module("D"));
    CVConfig stray;
    view.selected = &stray;
    doc.AddModuleAtSelection(Module("E"));
    EXPECT_EQ(ModuleNames(doc), "A,B,B2,C,D,E");
}

TEST(LibraryDoc, NewModuleAndNewGameShareTheNamingCounter) {
    CVantorDoc doc;
    CScript* game = doc.NewGame();
    const std::string prefix = "New Game";
    ASSERT_EQ(game->GetGameName().rfind(prefix, 0), 0u) << game->GetGameName();
    const int n = std::stoi(game->GetGameName().substr(prefix.size()));
    EXPECT_TRUE(doc.IsModified()); // a new Game is an unsaved change
    EXPECT_EQ(doc.GetGame(0), game);

    CVConfig* module = doc.NewModule("Sam");
    EXPECT_EQ(module->GetName(), "New Module" + std::to_string(n + 1));
    EXPECT_EQ(module->GetAuthor(), "Sam");
    EXPECT_EQ(doc.GetModule(0), module);

    // The counter goes on in another Library.
    CVantorDoc other;
    EXPECT_EQ(other.NewModule("")->GetName(), "New Module" + std::to_string(n + 2));
    EXPECT_EQ(other.NewGame()->GetGameName(), "New Game" + std::to_string(n + 3));
}

TEST(LibraryDoc, PropertiesAndTheModifiedFlag) {
    CVantorDoc doc;
    DocRecorder views;
    doc.SetObserver(&views);
    doc.SetLibraryProperties("", true); // nothing changed
    EXPECT_FALSE(doc.IsModified());
    doc.SetLibraryProperties("/games/quake", false);
    EXPECT_EQ(doc.GetEngineFolder(), "/games/quake");
    EXPECT_FALSE(doc.GetWriteAll());
    EXPECT_TRUE(doc.IsModified());
    doc.SetLibraryProperties("/games/quake", true);
    doc.SetModified(false);
    doc.SetModified(false);
    EXPECT_EQ(views.Take(), (Events{"modified", "saved"}));
    EXPECT_EQ(views.modified, 2);
}

TEST(LibraryDoc, DeleteContentsEmptiesBothLists) {
    CVantorDoc doc;
    CVConfig& m = AddModule(doc, "M");
    CScript& g = AddGame(doc, "G");
    g.AddModuleUse(m);
    doc.SetCurrentGame(&g);
    DocRecorder views;
    doc.SetObserver(&views);
    doc.DeleteContents();
    EXPECT_EQ(doc.GetModuleCount(), 0);
    EXPECT_EQ(doc.GetGameCount(), 0);
    EXPECT_EQ(doc.GetCurrentGame(), nullptr);
    EXPECT_EQ(views.Take(), (Events{"about-destroy", "destroyed"}));
    doc.AddModule(Module("again"));
    EXPECT_EQ(doc.GetModuleRow(*doc.GetModule(0)), 0);
}

// --- The Library file -----------------------------------------------------------------------

TEST(LibraryFile, EmptyLibraryIsTheFolderAndSixWords) {
    CVantorDoc doc;
    doc.SetLibraryProperties("C:/games/quake", true);
    const std::string bytes = doc.WriteLibrary();
    EXPECT_EQ(ToHex(bytes), ToHex(Str("C:/games/quake") + Hex("00000000 01000000 00000000 "
                                                              "00000000 00000000 00000000")));
    auto read = CVantorDoc::ReadLibrary(bytes);
    EXPECT_EQ(read->GetEngineFolder(), "C:/games/quake");
    EXPECT_EQ(read->GetModuleCount(), 0);
    EXPECT_EQ(read->GetGameCount(), 0);
    EXPECT_FALSE(read->IsModified());
}

TEST(LibraryFile, StoredFieldsAreWrittenBackAsRead) {
    const std::string bytes = Head("", 7, 0, -5, 300, 0, 0);
    auto doc = CVantorDoc::ReadLibrary(bytes);
    EXPECT_EQ(doc->GetReserved(), 7u);
    EXPECT_FALSE(doc->GetWriteAll());
    EXPECT_EQ(doc->GetGamePaneWidth(), -5);
    EXPECT_EQ(doc->GetModulePaneWidth(), 300);
    EXPECT_EQ(ToHex(doc->WriteLibrary()), ToHex(bytes));
}

TEST(LibraryFile, NegativeCountsReadNothing) {
    // No Module, then the Game count; a Game that uses no Module.
    auto doc = CVantorDoc::ReadLibrary(Head("", 0, 1, 0, 0, -1, 1) + Hex("FFFF 0200 0700") +
                                       "CScript" + Str("G") + Str("") + Dw(1) + Dw(0));
    EXPECT_EQ(doc->GetModuleCount(), 0);
    ASSERT_EQ(doc->GetGameCount(), 1);
    EXPECT_EQ(doc->GetGame(0)->GetGameName(), "G");
    EXPECT_EQ(CVantorDoc::ReadLibrary(Head("", 0, 1, 0, 0, 0, -7))->GetGameCount(), 0);
}

TEST(LibraryFile, OrderAndModuleUseSurviveSaveAndRead) {
    // Whatever the order in which the Games took their Modules, and after moves.
    const std::vector<std::vector<int>> useOrders = {{0, 2, 4}, {4, 2, 0}, {2, 4, 0}, {}, {3}};
    for (const bool moveFirst : {false, true}) {
        CVantorDoc doc;
        for (const char* name : {"M0", "M1", "M2", "M3", "M4"})
            AddModule(doc, name);
        std::vector<CVConfig*> modules;
        for (int i = 0; i < 5; ++i)
            modules.push_back(doc.GetModule(i));
        for (std::size_t g = 0; g < useOrders.size(); ++g) {
            CScript& game = AddGame(doc, "G" + std::to_string(g), "/g" + std::to_string(g));
            for (int m : useOrders[g])
                game.AddModuleUse(*modules[static_cast<std::size_t>(m)]);
        }
        doc.GetGame(1)->SetSaveWithLibrary(false);
        if (moveFirst) {
            doc.MoveModule(*modules[0], false);
            doc.MoveModule(*modules[4], true);
            doc.MoveGame(*doc.GetGame(0), false);
        }
        const std::string modulesBefore = ModuleNames(doc);
        const std::string gamesBefore = GameNames(doc);
        std::vector<std::set<std::string>> usesBefore;
        for (int g = 0; g < doc.GetGameCount(); ++g)
            usesBefore.push_back(UsedNames(*doc.GetGame(g)));

        const std::string bytes = doc.WriteLibrary();
        auto read = CVantorDoc::ReadLibrary(bytes);
        EXPECT_EQ(ModuleNames(*read), modulesBefore);
        EXPECT_EQ(GameNames(*read), gamesBefore);
        for (int g = 0; g < read->GetGameCount(); ++g) {
            const CScript& game = *read->GetGame(g);
            EXPECT_EQ(UsedNames(game), usesBefore[static_cast<std::size_t>(g)]) << g;
            EXPECT_EQ(game.GetScriptFile(), doc.GetGame(g)->GetScriptFile());
            EXPECT_EQ(game.GetSaveWithLibrary(), doc.GetGame(g)->GetSaveWithLibrary());
            for (const CVConfig* used : game.GetUsedModules())
                EXPECT_EQ(used->GetLibrary(), read.get()); // the read Library's own Modules
        }
        // Read back, the Games yield their Modules in the stored order: the same bytes.
        EXPECT_EQ(ToHex(read->WriteLibrary()), ToHex(bytes));
    }
}

TEST_F(LibraryFiles, SaveWritesTheExpectedBytesAndOpenReadsThemBack) {
    CVantorDoc doc;
    doc.SetLibraryProperties("/games/quake", false);
    doc.AddModule(Module("Movement", "Sam"));
    CVConfig& weapons = AddModule(doc, "Weapons");
    AddGame(doc, "DM", "/games/quake/dm.cfg").AddModuleUse(weapons);
    AddGame(doc, "Coop").SetSaveWithLibrary(false);
    DocRecorder views;
    doc.SetObserver(&views);

    const auto saved = doc.Save(Path("small.vtl"), output);
    ASSERT_TRUE(saved.saved) << saved.error;
    EXPECT_FALSE(saved.scriptFailed);
    EXPECT_EQ(ToHex(Get("small.vtl")), ToHex(kSmallLibrary));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), Path("small.vtl"));
    EXPECT_EQ(views.Take(), (Events{"saved"}));
    EXPECT_EQ(EntryCount(), 1u);

    auto opened = CVantorDoc::Open(Path("small.vtl"));
    ASSERT_TRUE(opened.document) << opened.error;
    CVantorDoc& read = *opened.document;
    EXPECT_EQ(read.GetPathName(), Path("small.vtl"));
    EXPECT_FALSE(read.IsModified());
    EXPECT_EQ(ModuleNames(read), "Movement,Weapons");
    EXPECT_EQ(read.GetModule(0)->GetAuthor(), "Sam");
    EXPECT_EQ(GameNames(read), "DM,Coop");
    EXPECT_EQ(UsedNames(*read.GetGame(0)), (std::set<std::string>{"Weapons"}));
    EXPECT_FALSE(read.GetGame(1)->GetSaveWithLibrary());
    ASSERT_TRUE(read.Save(Path("again.vtl"), output).saved);
    EXPECT_EQ(ToHex(Get("again.vtl")), ToHex(kSmallLibrary));
}

TEST_F(LibraryFiles, DamagedFilesAreRefusedAsUnexpectedFormat) {
    const std::string cvconfig = Hex("FFFF 0200 0800") + "CVConfig";
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"a Game using a Module the Library lacks", Head("", 0, 1, 0, 0, 0, 1) +
                                                        Hex("FFFF 0200 0700") + "CScript" +
                                                        Str("G") + Str("") + Dw(1) + Dw(1) + Dw(0)},
        {"an unknown class", Head("", 0, 1, 0, 0, 1, 0) + Hex("FFFF 0200 0800") + "CVConfog"},
        {"a bad schema", Head("", 0, 1, 0, 0, 1, 0) + Hex("FFFF 0100 0800") + "CVConfig" +
                             ModuleRecord("M", "", true)},
        {"a Game where a Module belongs", Head("", 0, 1, 0, 0, 1, 0) + Hex("FFFF 0200 0700") +
                                              "CScript" + Str("G") + Str("") + Dw(1) + Dw(0)},
        {"a null Module", Head("", 0, 1, 0, 0, 1, 0) + Hex("0000")},
        {"a back-reference as a Module",
         Head("", 0, 1, 0, 0, 2, 0) + cvconfig + ModuleRecord("M", "", true) + Hex("0200")},
        {"a Module count beyond the data", Head("", 0, 1, 0, 0, 0x7FFFFFFF, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Put("bad.vtl", c.bytes);
        const auto opened = CVantorDoc::Open(Path("bad.vtl"));
        EXPECT_EQ(opened.document, nullptr);
        EXPECT_EQ(opened.error, "Unexpected file format.");
    }
    // Every cut of a good file ends inside its data.
    for (std::size_t size = 0; size < kSmallLibrary.size(); ++size) {
        EXPECT_THROW(CVantorDoc::ReadLibrary(kSmallLibrary.substr(0, size)), ArchiveError)
            << "cut at " << size;
    }
}

TEST_F(LibraryFiles, FileErrorsNameTheFile) {
    EXPECT_EQ(CVantorDoc::Open(Path("absent.vtl")).error, Path("absent.vtl") + " was not found.");
    EXPECT_EQ(CVantorDoc::Open(Path("absent/lib.vtl")).error,
              Path("absent/lib.vtl") + " was not found.");
    fs::create_directories(Path("folder.vtl"));
    const auto folder = CVantorDoc::Open(Path("folder.vtl"));
    EXPECT_EQ(folder.document, nullptr);
    EXPECT_EQ(folder.error, "Failed to open document.");
    if (::geteuid() != 0) { // permissions do not stop root
        Put("locked.vtl", kSmallLibrary);
        fs::permissions(Path("locked.vtl"), fs::perms::none);
        EXPECT_EQ(CVantorDoc::Open(Path("locked.vtl")).error,
                  "Access to " + Path("locked.vtl") + " was denied.");
    }
}

TEST_F(LibraryFiles, AFailedSaveKeepsThePreviousLibraryAndWritesNoScript) {
    CVantorDoc doc;
    AddModule(doc, "M");
    AddGame(doc, "G", Path("game.cfg"));
    ASSERT_TRUE(doc.Save(Path("lib.vtl"), output).saved);
    const std::string before = Get("lib.vtl");
    ASSERT_TRUE(fs::remove(Path("game.cfg")));

    AddModule(doc, "N");
    AtomicFile::FailWritesAfter(40);
    const auto failed = doc.Save(Path("lib.vtl"), output);
    AtomicFile::FailWritesAfter(-1);
    EXPECT_FALSE(failed.saved);
    EXPECT_EQ(failed.error, "Failed to save document.");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Get("lib.vtl"), before);
    EXPECT_FALSE(fs::exists(Path("game.cfg")));
    EXPECT_EQ(EntryCount(), 1u); // no temporary file left

    // The new file cannot be synced to the disk: the same.
    AtomicFile::FailSync(AtomicFile::SyncStep::File);
    const auto unsynced = doc.Save(Path("lib.vtl"), output);
    AtomicFile::FailSync(AtomicFile::SyncStep::None);
    EXPECT_FALSE(unsynced.saved);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(Get("lib.vtl"), before);
    EXPECT_EQ(EntryCount(), 1u);

    const auto missing = doc.Save(Path("absent/lib.vtl"), output);
    EXPECT_FALSE(missing.saved);
    EXPECT_EQ(missing.error, "Failed to save document.");
    EXPECT_EQ(doc.GetPathName(), Path("lib.vtl"));
}

TEST_F(LibraryFiles, SavingWritesTheQualifyingGameScripts) {
    ::setenv("SOURCE_DATE_EPOCH", "912953100", 1);
    CVantorDoc doc;
    AddGame(doc, "Off", Path("off.cfg")).SetSaveWithLibrary(false);
    AddGame(doc, "NoFile");
    CScript& first = AddGame(doc, "First", Path("missing/first.cfg"));
    AddGame(doc, "Second", Path("second.cfg"));

    // Write-all off: only the Library file.
    doc.SetLibraryProperties("", false);
    auto result = doc.Save(Path("lib.vtl"), output);
    EXPECT_TRUE(result.saved);
    EXPECT_FALSE(result.scriptFailed);
    EXPECT_EQ(EntryCount(), 1u);

    // On: the first qualifying Game fails, so the second is not written; the Library is.
    doc.SetLibraryProperties("", true);
    result = doc.Save(Path("lib.vtl"), output);
    EXPECT_TRUE(result.saved);
    EXPECT_TRUE(result.scriptFailed);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(EntryCount(), 1u);
    EXPECT_TRUE(CVantorDoc::ReadLibrary(Get("lib.vtl"))->GetWriteAll());

    // Once the first can be written, both are; the Game without the switch never is.
    first.SetScriptFile(Path("first.cfg"), false);
    result = doc.Save(Path("lib.vtl"), output);
    EXPECT_TRUE(result.saved);
    EXPECT_FALSE(result.scriptFailed);
    EXPECT_NE(Get("first.cfg").find("// Game: \"First\", generated: 06-Dec-1998 14:05\r\n"),
              std::string::npos);
    EXPECT_NE(Get("second.cfg").find("\"Second\""), std::string::npos);
    EXPECT_FALSE(fs::exists(Path("off.cfg")));
    ::unsetenv("SOURCE_DATE_EPOCH");
}

} // namespace
} // namespace vantor
