// The script import and the definition import: lines into Aliases, Action Aliases, Binds,
// Startup commands and Definitions, and the text reader beneath them.

#include "ModelTestSupport.h"
#include "ScratchFolder.h"
#include "document/AtomicFile.h"
#include "model/CVAlias.h"
#include "model/CVAliasAct.h"
#include "model/CVAliasActSub.h"
#include "model/CVBind.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/ModelServices.h"
#include "model/TextLineReader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace vantor {
namespace {

constexpr int kLists[] = {TypeDefinitionList, TypeAliasList, TypeBindList, TypeStartupList};

// One node and everything below it as indented text: class and name, then each fragment as
// "- command (type) "parameter"", then the children. Definitions add their parameter type
// and description.
void DumpNode(const CMTObj& node, int depth, std::string& out) {
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    out += indent + std::string(node.GetClass().name) + " " + node.GetName();
    if (node.GetClass().name == CVCommand::kClass.name) {
        const auto& definition = dynamic_cast<const CVCommand&>(node);
        out += " #" + std::to_string(definition.GetDefParamType()) + " \"" +
               definition.GetDescription() + "\"";
    }
    out += "\n";
    for (int i = 0; i < node.GetCommandCount(); ++i) {
        const CCmdFrag& f = *node.GetCommand(i);
        out += indent + "  - " + f.GetCommand() + " (" + std::to_string(f.GetParamType()) + ") \"" +
               f.GetParam() + "\"\n";
    }
    for (int i = 0; i < node.GetChildCount(); ++i)
        DumpNode(*node.GetChild(i), depth + 1, out);
}

// The Module's non-empty lists.
std::string Dump(const CVConfig& module) {
    std::string out;
    for (int type : kLists) {
        const CVObList& list = *module.GetList(type);
        if (list.GetChildCount() > 0 || list.GetCommandCount() > 0)
            DumpNode(list, 0, out);
    }
    return out;
}

std::string ReadText(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
}

// Counts the wait cursor's calls.
class WaitCounter : public ModelServices {
public:
    int begun = 0;
    int ended = 0;
    void BeginWait() override { ++begun; }
    void EndWait() override { ++ended; }
};

class ScriptFileImport : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = test::MakeScratchFolder("vantor-import");
        ModelServices::Install(&m_wait);
    }
    void TearDown() override {
        ModelServices::Install(nullptr);
        fs::remove_all(m_dir);
    }

    // Writes the bytes to a file of the test's folder and returns its path.
    std::string Write(std::string_view bytes, const char* name = "script.cfg") const {
        const std::string path = (m_dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path m_dir;
    WaitCounter m_wait;
};

TEST_F(ScriptFileImport, LinesBecomeAliasesBindsAndStartupCommands) {
    struct Case {
        const char* script;
        const char* tree;
    };
    const Case cases[] = {
        {"alias zoom \"fov 30; sensitivity 2\"\nbind MOUSE2 +zoom\nunbindall\n",
         "CVObList Aliases\n"
         "  CVAlias zoom\n    - fov (8) \"30\"\n    - sensitivity (8) \"2\"\n"
         "CVObList Binds\n"
         "  CVBind mouse2\n    - zoom (2) \"1\"\n"
         "CVObList Startups\n"
         "  - unbindall (8) \"\"\n"},
        // Both halves on separate lines, the same name in another case appends.
        {"alias +zoom fov 30\nalias -zoom fov 90\nalias +ZOOM wait\nALIAS -Zoom \"+x;-y\"\n",
         "CVObList Aliases\n"
         "  CVAliasAct zoom\n"
         "    CVAliasActSub +zoom\n      - fov (8) \"30\"\n      - wait (8) \"\"\n"
         "    CVAliasActSub -zoom\n      - fov (8) \"90\"\n      - x (2) \"1\"\n"
         "      - y (2) \"0\"\n"},
        // Keys: quoted and in upper case are found; unknown ones and the "no key" entry not.
        {"BIND \"MOUSE1\" +attack\nbind f13 jump\nbind ??? jump\nbind \"\" jump\nbind\n",
         "CVObList Binds\n  CVBind mouse1\n    - attack (2) \"1\"\n"},
        // A Bind without commands is kept.
        {"bind x\n", "CVObList Binds\n  CVBind x\n"},
        // Names an Alias cannot have, and signs without a valid name.
        {"alias cfg.x echo hi\nalias \"q\" echo\nalias + x\nalias -a.b x\nalias\n", ""},
        // A comment after the command is a parameter; after a semicolon it is dropped.
        {"bind x attack // fire\nbind y attack; // fire\n",
         "CVObList Binds\n"
         "  CVBind x\n    - attack (8) \"// fire\"\n"
         "  CVBind y\n    - attack (8) \"\"\n"},
        // Quotes count around the whole command text and at the start of a parameter only.
        {"alias s \"say \"x;y\"\"\nalias t echo \"a b\" c\n",
         "CVObList Aliases\n"
         "  CVAlias s\n    - say (8) \"\"\n"
         "  CVAlias t\n    - echo (8) \"a b\"\n"},
        // Pieces that are no command: a sign alone, a bad name, an empty piece.
        {"alias a \"+;-; ;bad.name 1;+ok\"\n",
         "CVObList Aliases\n  CVAlias a\n    - ok (2) \"1\"\n"},
        // Every command of another line is a startup command; comments and blanks are not.
        {"// comment\n\n \t \nexec a.cfg; echo \"hi there\"; +jump\n\"quoted whole\"\n",
         "CVObList Startups\n"
         "  - exec (8) \"a.cfg\"\n  - echo (8) \"hi there\"\n  - jump (2) \"1\"\n"
         "  - quoted (8) \"whole\"\n"},
    };
    for (const Case& c : cases) {
        CVConfig module;
        ASSERT_TRUE(module.ReadScriptFile(Write(c.script)));
        EXPECT_EQ(Dump(module), c.tree) << c.script;
    }
    EXPECT_EQ(m_wait.begun, static_cast<int>(std::size(cases)));
    EXPECT_EQ(m_wait.ended, m_wait.begun);
}

TEST_F(ScriptFileImport, FragmentsAreReadyToShow) {
    CVConfig module;
    ASSERT_TRUE(module.ReadScriptFile(Write("alias zoom \"fov 30;+x\"\n")));
    const CMTObj& zoom = *module.GetList(TypeAliasList)->GetChild(0);
    EXPECT_EQ(zoom.GetCommand(0)->GetText(), "fov 30");
    EXPECT_EQ(zoom.GetCommand(1)->GetText(), "+x");
    EXPECT_EQ(zoom.GetCommand(1)->GetOwner(), &zoom);
    EXPECT_EQ(zoom.GetCommand(1)->GetRow(), 1);
}

// Halves are found by name among the Action Aliases already in the Module, first one first;
// a plain Alias of that name does not count.
TEST_F(ScriptFileImport, ActionAliasesOfTheModuleTakeMoreCommands) {
    CVConfig module;
    CVObList& aliases = *module.GetList(TypeAliasList);
    auto plain = std::make_unique<CVAlias>();
    plain->Rename("zoom");
    aliases.AddChild(std::move(plain));
    for (const char* name : {"Zoom", "ZOOM"}) {
        auto action = std::make_unique<CVAliasAct>();
        action->Rename(name);
        action->GetHalf(true)->SetCommandsFromText(std::string("old") + name);
        aliases.AddChild(std::move(action));
    }
    ASSERT_TRUE(module.ReadScriptFile(Write("alias +zoom wait\nalias -zOOm x\nalias +new y\n"
                                            "alias +zoom z\nalias +NEW w\n")));
    EXPECT_EQ(Dump(module), "CVObList Aliases\n"
                            "  CVAlias zoom\n"
                            "  CVAliasAct Zoom\n"
                            "    CVAliasActSub +Zoom\n      - oldZoom (8) \"\"\n"
                            "      - wait (8) \"\"\n      - z (8) \"\"\n"
                            "    CVAliasActSub -Zoom\n      - x (8) \"\"\n"
                            "  CVAliasAct ZOOM\n"
                            "    CVAliasActSub +ZOOM\n      - oldZOOM (8) \"\"\n"
                            "    CVAliasActSub -ZOOM\n"
                            "  CVAliasAct new\n"
                            "    CVAliasActSub +new\n      - y (8) \"\"\n      - w (8) \"\"\n"
                            "    CVAliasActSub -new\n");
}

// In a Library, each new object arrives complete: one insertion per object, never an
// insertion of commands into an object that the views already show, except for the halves
// that were there before.
TEST_F(ScriptFileImport, ObjectsJoinTheLibraryFilled) {
    CVConfig module;
    module.Rename("M");
    auto action = std::make_unique<CVAliasAct>();
    action->Rename("zoom");
    module.GetList(TypeAliasList)->AddChild(std::move(action));
    test::RecordingObserver library;
    module.SetLibrary(&library);

    const std::string kOverlay = std::to_string(ModelObserver::OverlayChanged);
    ASSERT_TRUE(module.ReadScriptFile(Write(
        "alias a \"x;y\"\nalias +zoom z\nalias +zoom w\nbind x +a\nalias -b c\necho 1;echo 2\n")));
    EXPECT_EQ(library.events, (std::vector<std::string>{
                                  "about-insert-children Aliases 1 1",
                                  "insert-children Aliases 1 1",
                                  "about-insert-children Aliases 2 1",
                                  "insert-children Aliases 2 1",
                                  "about-insert-children Binds 0 1",
                                  "insert-children Binds 0 1",
                                  "about-insert-commands +zoom 0 2",
                                  "insert-commands +zoom 0 2",
                                  "changed +zoom " + kOverlay,
                                  "about-insert-commands Startups 0 2",
                                  "insert-commands Startups 0 2",
                                  "changed Startups " + kOverlay,
                              }));
    EXPECT_GT(library.modified, 0);
}

TEST_F(ScriptFileImport, AFileThatCannotBeReadChangesNothing) {
    CVConfig module;
    ASSERT_TRUE(module.ReadScriptFile(Write("alias a b\n")));
    ASSERT_TRUE(module.ReadDefinitionFile(Write("d;I;x\n")));
    const std::string before = Dump(module);
    test::RecordingObserver library;
    module.SetLibrary(&library);

    // A missing file cannot be opened; a folder opens but cannot be read.
    for (const std::string& path : {(m_dir / "missing.cfg").string(), m_dir.string()}) {
        EXPECT_FALSE(module.ReadScriptFile(path)) << path;
        EXPECT_FALSE(module.ReadDefinitionFile(path)) << path;
    }
    EXPECT_EQ(Dump(module), before);
    EXPECT_TRUE(library.events.empty());
    EXPECT_EQ(library.modified, 0);
    EXPECT_EQ(m_wait.begun, 6);
    EXPECT_EQ(m_wait.ended, 6);
}

TEST_F(ScriptFileImport, DefinitionLines) {
    struct Case {
        const char* line;
        const char* tree; // the Definition List, or "" when the line makes nothing
    };
    const Case cases[] = {
        {"speed;r;how fast", "  CVCommand speed #5 \"how fast\"\n"},
        {"speed", ""},
        {"speed;", ""},
        {"speed; R", "  CVCommand speed #1 \"\"\n"},
        {"name;I;Some text;more", "  CVCommand name #4 \"Some text\"\n"},
        {"\"cl_bob;R;bob\" ignored", "  CVCommand cl_bob #5 \"bob\"\n"},
        {"a b;T", ""},
        {"x;;y", "  CVCommand x #1 \"y\"\n"},
        {"  padded  ;toggle; two blanks", "  CVCommand padded #3 \" two blanks\"\n"},
        {"a;action", "  CVCommand a #2 \"\"\n"},
        {"s;string", "  CVCommand s #6 \"\"\n"},
        {"u;user", "  CVCommand u #7 \"\"\n"},
        {"n;none", "  CVCommand n #1 \"\"\n"},
        {"q;quick", "  CVCommand q #1 \"\"\n"},
        {";I;no name", ""},
        {"// comment;I", ""},
    };
    for (const Case& c : cases) {
        CVConfig module;
        ASSERT_TRUE(module.ReadDefinitionFile(Write(std::string(c.line) + "\r\n")));
        const std::string tree = c.tree[0] ? std::string("CVObList Definitions\n") + c.tree : "";
        EXPECT_EQ(Dump(module), tree) << c.line;
        if (module.GetList(TypeDefinitionList)->GetChildCount() == 1) {
            const auto& d =
                dynamic_cast<const CVCommand&>(*module.GetList(TypeDefinitionList)->GetChild(0));
            EXPECT_EQ(d.GetIntMax(), 1000) << c.line;
            EXPECT_EQ(d.GetRealMax(), 1.0f) << c.line;
        }
    }
}

TEST_F(ScriptFileImport, DefinitionsKeepTheOrderOfTheFile) {
    CVConfig module;
    ASSERT_TRUE(module.ReadDefinitionFile(
        Write("fov;Integer;field of view\nbad name;I\nsay;String;chat\r\nwait;None")));
    EXPECT_EQ(test::ChildNames(*module.GetList(TypeDefinitionList)), "fov,say,wait");
}

// A Quake-style autoexec.cfg with CR LF line ends, tabs and comments, against its tree.
TEST_F(ScriptFileImport, RealisticScript) {
    const std::string fixtures = std::string(VANTOR_FIXTURES) + "/import/";
    CVConfig module;
    ASSERT_TRUE(module.ReadScriptFile(fixtures + "autoexec.cfg"));
    EXPECT_EQ(Dump(module), ReadText(fixtures + "autoexec.tree.txt"));

    // What the editor writes from the imported Module reads back as the same tree.
    CVConfig again;
    ASSERT_TRUE(again.ReadScriptFile(Write(test::ScriptOf(module), "written.cfg")));
    EXPECT_EQ(Dump(again), Dump(module));
}

// Lines come out whole whatever the size of the reads: CR LF becomes LF also when a read
// ends between the two, and a CR elsewhere stays.
TEST(TextLineReader, LinesAcrossReads) {
    const std::string longLine(70000, 'x');
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"\n\r\n\n", {"", "", ""}},
        {"a\rb\r\r\nc\r", {"a\rb\r", "c\r"}},
        {"\r", {"\r"}},
        {longLine + "\r\n" + longLine, {longLine, longLine}},
        {std::string("nul\0byte\n", 9), {std::string("nul\0byte", 8)}},
    };
    const std::string path = testing::TempDir() + "vantor_lines_" + std::to_string(::getpid());
    for (const Case& c : cases) {
        std::ofstream(path, std::ios::binary) << c.bytes;
        for (std::size_t chunk : {1, 2, 3, 5, 4096, 65536}) {
            TextLineReader reader(chunk);
            ASSERT_TRUE(reader.Open(path));
            std::vector<std::string> lines;
            std::string_view line;
            while (reader.Next(line))
                lines.emplace_back(line);
            EXPECT_FALSE(reader.Failed());
            EXPECT_EQ(lines, c.lines) << "chunk " << chunk << ", " << c.bytes.substr(0, 20);
        }
    }
    fs::remove(path);
}

} // namespace
} // namespace vantor
