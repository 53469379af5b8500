// The Library's Module file, script and definition operations: what they add and where,
// their messages, and a Library left as it was whenever one fails.

#include "ModelTestSupport.h"
#include "ScratchFolder.h"
#include "document/AtomicFile.h"
#include "document/CVantorDoc.h"
#include "document/DocumentObserver.h"
#include "document/ModuleImport.h"
#include "document/ModuleView.h"
#include "model/CVAlias.h"
#include "model/CVAliasAct.h"
#include "model/CVAliasActSub.h"
#include "model/CVBind.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "resources/StringIds.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace vantor {
namespace {

using test::Frag;

// Counts every call that tells of a change to the Library.
class ChangeCounter : public DocumentObserver {
public:
    int changes = 0;
    void ModulesAboutToBeInserted(int, int) override { ++changes; }
    void ChildrenInserted(CMTObj&, int, int) override { ++changes; }
    void CommandsInserted(CMTObj&, int, int) override { ++changes; }
    void FragmentChanged(CCmdFrag&) override { ++changes; }
    void Modified() override { ++changes; }
};

class FixedSelection : public ModuleView {
public:
    CMTObj* selected = nullptr;
    CMTObj* GetSelectedNode() const override { return selected; }
};

CVConfig& AddModule(CVantorDoc& doc, const std::string& name) {
    auto module = std::make_unique<CVConfig>();
    module->Rename(name);
    CVConfig& added = *module;
    doc.AddModule(std::move(module));
    return added;
}

std::string ModuleNames(const CVantorDoc& doc) {
    std::string out;
    for (int i = 0; i < doc.GetModuleCount(); ++i)
        out += (i ? "," : "") + doc.GetModule(i)->GetName();
    return out;
}

const CVCommand& DefinitionAt(const CVConfig& module, int row) {
    return dynamic_cast<const CVCommand&>(*module.GetList(TypeDefinitionList)->GetChild(row));
}

class ModuleFiles : public ::testing::Test {
protected:
    void SetUp() override { dir = test::MakeScratchFolder("vantor-modfiles"); }
    void TearDown() override { fs::remove_all(dir); }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    std::string Put(const std::string& name, const std::string& text) const {
        EXPECT_TRUE(WriteFileAtomically(Path(name), text));
        return Path(name);
    }

    fs::path dir;
};

TEST_F(ModuleFiles, ExportedModuleImportsIntoAnotherLibraryUnchanged) {
    CVantorDoc source;
    CVConfig& module = AddModule(source, "Weapons");
    module.SetAuthor("Ann");
    auto def = test::Def("impulse", ParamInteger);
    def->SetDescription("Select a weapon");
    def->SetIntMax(12);
    module.GetList(TypeDefinitionList)->AddChild(std::move(def));
    auto alias = std::make_unique<CVAlias>();
    alias->Rename("rocket");
    alias->AddCommand(Frag("impulse", ParamInteger, "7"));
    alias->AddCommand(Frag("say", ParamString, "boom"));
    module.GetList(TypeAliasList)->AddChild(std::move(alias));
    auto act = std::make_unique<CVAliasAct>();
    act->Rename("zoom");
    act->GetHalf(true)->AddCommand(Frag("fov", ParamUserDefined, "30"));
    act->GetHalf(false)->AddCommand(Frag("fov", ParamUserDefined, "90"));
    module.GetList(TypeAliasList)->AddChild(std::move(act));
    auto bind = std::make_unique<CVBind>();
    ASSERT_TRUE(bind->SetKeyByName("mouse2"));
    bind->AddCommand(Frag("zoom", ParamAction, "2"));
    module.GetList(TypeBindList)->AddChild(std::move(bind));
    module.GetList(TypeStartupList)->AddCommand(Frag("unbindall"));

    ASSERT_EQ(source.ExportModule(module, Path("w.vtm")), 0);

    CVantorDoc target;
    AddModule(target, "Existing");
    ASSERT_EQ(target.ImportModuleFile(Path("w.vtm")), 0);
    ASSERT_EQ(target.ImportModule(Path("w.vtm")), 0);
    EXPECT_EQ(ModuleNames(target), "Existing,Weapons,Weapons");
    for (int row : {1, 2}) {
        const CVConfig& copy = *target.GetModule(row);
        EXPECT_EQ(copy.GetAuthor(), "Ann");
        EXPECT_EQ(copy.GetLibrary(), &target);
        // Same name, author, lists and commands: the same record byte for byte.
        EXPECT_EQ(test::ToHex(copy.WriteClipboardData()), test::ToHex(module.WriteClipboardData()));
        EXPECT_EQ(test::ScriptOf(copy), test::ScriptOf(module));
    }
    EXPECT_TRUE(target.IsModified());
}

TEST_F(ModuleFiles, FailuresAnswerTheirMessageAndLeaveTheLibraryAlone) {
    CVConfig exported;
    exported.Rename("M");
    ASSERT_TRUE(exported.ExportModuleFile(Path("good.vtm")));
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(Path("good.vtm"), bytes));
    const std::string cut = Put("cut.vtm", bytes.substr(0, bytes.size() - 2));
    const std::string missing = Path("absent");
    fs::create_directory(Path("folder.cfg"));
    const std::string folder = Path("folder.cfg");

    struct Case {
        const char* what;
        int (*run)(CVantorDoc&, const std::string&);
        std::string path;
        int message;
    };
    const Case cases[] = {
        {"module file, missing",
         [](CVantorDoc& d, const std::string& p) { return d.ImportModuleFile(p); }, missing,
         IDS_MODULE_FILE_IMPORT_FAILED},
        {"module file, truncated",
         [](CVantorDoc& d, const std::string& p) { return d.ImportModuleFile(p); }, cut,
         IDS_MODULE_FILE_IMPORT_FAILED},
        {"import module, truncated",
         [](CVantorDoc& d, const std::string& p) { return d.ImportModule(p); }, cut,
         IDS_MODULE_READ_FAILED},
        {"script, missing",
         [](CVantorDoc& d, const std::string& p) { return d.ImportScriptFile(p); }, missing,
         IDS_SCRIPT_IMPORT_FAILED},
        {"script, a folder",
         [](CVantorDoc& d, const std::string& p) { return d.ImportScriptFile(p); }, folder,
         IDS_SCRIPT_IMPORT_FAILED},
        {"script with author, missing",
         [](CVantorDoc& d, const std::string& p) { return d.ImportScriptWithAuthor(p, "Al"); },
         missing, IDS_SCRIPT_IMPORT_FAILED},
        {"definitions, missing",
         [](CVantorDoc& d, const std::string& p) { return d.ImportDefinitions(p); }, missing,
         IDS_DEFINITIONS_IMPORT_FAILED},
        {"export into a missing folder",
         [](CVantorDoc& d, const std::string& p) {
             return d.ExportModule(*d.GetModule(0), p + "/m.vtm");
         },
         missing, IDS_MODULE_EXPORT_FAILED},
    };
    for (const Case& c : cases) {
        CVantorDoc doc;
        AddModule(doc, "Only").GetList(TypeStartupList)->AddCommand(Frag("foo", ParamUserDefined));
        doc.SetModified(false);
        ChangeCounter views;
        doc.SetObserver(&views);

        EXPECT_EQ(c.run(doc, c.path), c.message) << c.what;
        EXPECT_EQ(ModuleNames(doc), "Only") << c.what;
        EXPECT_FALSE(doc.IsModified()) << c.what;
        EXPECT_EQ(views.changes, 0) << c.what;
        doc.SetObserver(nullptr);
    }
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(ModuleFiles, ScriptImportNamesTheModuleAddsItAtTheSelectionAndRematches) {
    const std::string script = Put("my.autoexec.cfg", "alias go \"forward\"\n"
                                                      "bind w go\n"
                                                      "fov 90\n"
                                                      "GO\n");
    CVantorDoc doc;
    CVConfig& first = AddModule(doc, "First");
    auto def = test::Def("fov", ParamInteger);
    def->SetIntMax(170);
    first.GetList(TypeDefinitionList)->AddChild(std::move(def));
    AddModule(doc, "Last");
    FixedSelection selection;
    selection.selected = first.GetList(TypeBindList);
    doc.SetModuleView(&selection);

    ASSERT_EQ(doc.ImportScriptFile(script), 0);
    EXPECT_EQ(ModuleNames(doc), "First,my.autoexec.cfg,Last");
    const CVConfig& imported = *doc.GetModule(1);
    EXPECT_EQ(imported.GetAuthor(), "");
    // The Bind's and the Startups' commands were bound to the Module's own Alias and to the
    // earlier Module's Definition.
    const CMTObj& bind = *imported.GetList(TypeBindList)->GetChild(0);
    EXPECT_EQ(bind.GetCommand(0)->GetParamType(), ParamNone);
    const CMTObj& startups = *imported.GetList(TypeStartupList);
    ASSERT_EQ(startups.GetCommandCount(), 2);
    EXPECT_EQ(startups.GetCommand(0)->GetParamType(), ParamInteger);
    EXPECT_EQ(startups.GetCommand(0)->GetText(), "fov 90");
    EXPECT_EQ(startups.GetCommand(1)->GetCommand(), "go");
    EXPECT_EQ(startups.GetCommand(1)->GetParamType(), ParamNone);

    // The menu command: the same, with the author the caller gives.
    selection.selected = nullptr;
    ASSERT_EQ(doc.ImportScriptWithAuthor(script, "Sam"), 0);
    EXPECT_EQ(ModuleNames(doc), "First,my.autoexec.cfg,Last,my.autoexec.cfg");
    EXPECT_EQ(doc.GetModule(3)->GetAuthor(), "Sam");
    doc.SetModuleView(nullptr);
}

TEST_F(ModuleFiles, DefinitionLinesAndWhatTheyBindInLaterModules) {
    const std::string defs = Put("game.txt", "foo;I;Some text\n"
                                             "alone\n"
                                             "\"cl_bob;R;bob\"\n"
                                             "a b;T\n"
                                             "x;;y\n");
    CVantorDoc doc;
    CVConfig& early = AddModule(doc, "Early");
    CCmdFrag& before =
        *early.GetList(TypeStartupList)
             ->GetCommand(
                 early.GetList(TypeStartupList)->AddCommand(Frag("FOO", ParamUserDefined, "3")));
    CVConfig& late = AddModule(doc, "Late");
    CCmdFrag& after =
        *late.GetList(TypeStartupList)
             ->GetCommand(
                 late.GetList(TypeStartupList)->AddCommand(Frag("FOO", ParamUserDefined, "3")));
    FixedSelection selection;
    selection.selected = &early;
    doc.SetModuleView(&selection);

    ASSERT_EQ(doc.ImportDefinitions(defs), 0);
    EXPECT_EQ(ModuleNames(doc), "Early,game.txt,Late");
    const CVConfig& module = *doc.GetModule(1);
    ASSERT_EQ(module.GetList(TypeDefinitionList)->GetChildCount(), 3);
    EXPECT_EQ(DefinitionAt(module, 0).GetName(), "foo");
    EXPECT_EQ(DefinitionAt(module, 0).GetDefParamType(), ParamInteger);
    EXPECT_EQ(DefinitionAt(module, 0).GetDescription(), "Some text");
    EXPECT_EQ(DefinitionAt(module, 1).GetName(), "cl_bob");
    EXPECT_EQ(DefinitionAt(module, 1).GetDefParamType(), ParamReal);
    EXPECT_EQ(DefinitionAt(module, 2).GetName(), "x");
    EXPECT_EQ(DefinitionAt(module, 2).GetDefParamType(), ParamNone);

    // The new Definitions serve the Modules after the new one, not those before it.
    EXPECT_EQ(after.GetParamType(), ParamInteger);
    EXPECT_EQ(after.GetText(), "foo 3");
    EXPECT_EQ(before.GetParamType(), ParamUserDefined);

    // A file without a valid line still gives a Module, an empty one.
    ASSERT_EQ(doc.ImportDefinitions(Put("none.txt", "just names\n\n")), 0);
    EXPECT_EQ(doc.GetModule(1)->GetName(), "none.txt");
    EXPECT_EQ(doc.GetModule(1)->GetList(TypeDefinitionList)->GetChildCount(), 0);
    doc.SetModuleView(nullptr);
}

TEST(ModuleName, IsTheFileNameInTheModelsCodePage) {
    struct Case {
        const char* path;
        const char* name;
    };
    const Case cases[] = {
        {"/home/ann/games/autoexec.cfg", "autoexec.cfg"},
        {"autoexec.cfg", "autoexec.cfg"},
        {"/folder.d/", ""},
        {"/games/R\xC3\xA9glages.cfg", "R\xE9glages.cfg"},       // é
        {"/games/\xE2\x82\xAC.cfg", "\x80.cfg"},                 // € has a byte of its own
        {"/games/\xE6\x97\xA5.cfg", "?.cfg"},                    // not in the code page
        {"/games/\xE9t\xC3", "\xE9t\xC3"},                       // not UTF-8: kept
        {"/games/\xC0\xAF\xED\xA0\x80", "\xC0\xAF\xED\xA0\x80"}, // overlong, surrogate
    };
    for (const Case& c : cases)
        EXPECT_EQ(ModuleNameFromPath(c.path), c.name) << c.path;
}

} // namespace
} // namespace vantor
