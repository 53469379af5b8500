// The node tree: children and fragments, ownership, notifications, pasting, naming.

#include "ModelTestSupport.h"
#include "model/ArchiveError.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "model/TextOutput.h"
#include "resources/StringIds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor {
namespace {

using test::ChildNames;
using test::CommandNames;
using test::Def;
using test::Frag;
using test::RecordingObserver;
using Events = std::vector<std::string>;

// A Module linked to a recording Library, with its Definition List at hand.
struct LinkedModule {
    RecordingObserver library;
    CVConfig module;
    CVObList& definitions = *module.GetList(TypeDefinitionList);

    LinkedModule() {
        module.Rename("M");
        module.SetLibrary(&library);
    }
    void Forget() {
        library.events.clear();
        library.modified = 0;
    }
};

TEST(ModelTree, ModuleHasItsFourListsInOrder) {
    CVConfig module;
    ASSERT_EQ(module.GetChildCount(), 4);
    EXPECT_EQ(ChildNames(module), "Definitions,Aliases,Binds,Startups");
    const int types[] = {TypeDefinitionList, TypeAliasList, TypeBindList, TypeStartupList};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(module.GetChild(i)->GetType(), types[i]);
        EXPECT_EQ(module.GetList(types[i]), module.GetChild(i));
        EXPECT_EQ(module.GetChild(i)->GetModule(), &module);
    }
    EXPECT_EQ(module.GetList(TypeModule), nullptr);
    EXPECT_EQ(module.GetModule(), &module);
}

TEST(ModelTree, InsertionsNotifyAroundTheChange) {
    LinkedModule m;
    EXPECT_EQ(m.definitions.AddChild(Def("b")), 0);
    EXPECT_EQ(m.definitions.InsertChildAfter(Def("a"), nullptr), 0);
    EXPECT_EQ(m.definitions.InsertChildAfter(Def("c"), m.definitions.GetChild(1)), 2);
    EXPECT_EQ(ChildNames(m.definitions), "a,b,c");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m.definitions.GetChild(i)->GetRow(), i);
        EXPECT_EQ(m.definitions.GetChild(i)->GetParent(), &m.definitions);
    }
    EXPECT_EQ(m.library.events, (Events{
                                    "about-insert-children Definitions 0 1",
                                    "insert-children Definitions 0 1",
                                    "about-insert-children Definitions 0 1",
                                    "insert-children Definitions 0 1",
                                    "about-insert-children Definitions 2 1",
                                    "insert-children Definitions 2 1",
                                }));
    EXPECT_EQ(m.library.modified, 3);

    CVCommand stranger;
    EXPECT_THROW(m.definitions.InsertChildAfter(Def("d"), &stranger), std::invalid_argument);
}

TEST(ModelTree, RemoveChildHandsBackOwnershipAndCollapsesAnEmptyParent) {
    LinkedModule m;
    m.definitions.AddChild(Def("a"));
    m.definitions.AddChild(Def("b"));
    m.definitions.SetExpanded(true);
    m.Forget();

    std::unique_ptr<CMTObj> a = m.definitions.RemoveChild(*m.definitions.GetChild(0));
    ASSERT_TRUE(a);
    EXPECT_EQ(a->GetParent(), nullptr);
    EXPECT_EQ(a->GetRow(), -1);
    EXPECT_EQ(m.definitions.GetChild(0)->GetRow(), 0);
    EXPECT_TRUE(m.definitions.IsExpanded());
    EXPECT_EQ(m.definitions.RemoveChild(*a), nullptr); // no longer its child

    m.Forget();
    std::unique_ptr<CMTObj> b = m.definitions.RemoveChild(*m.definitions.GetChild(0));
    EXPECT_FALSE(m.definitions.IsExpanded());
    EXPECT_EQ(m.library.events, (Events{
                                    "about-remove-children Definitions 0 1",
                                    "remove-children Definitions 0 1",
                                    "changed Definitions 8",
                                }));
    EXPECT_EQ(m.library.modified, 1);
}

TEST(ModelTree, MoveChildAtBothEnds) {
    struct Case {
        const char* child;
        bool up;
        bool moved;
        const char* order;
    };
    const Case cases[] = {
        {"b", true, true, "b,a,c"},  {"a", true, false, "a,b,c"}, {"c", true, true, "a,c,b"},
        {"a", false, true, "b,a,c"}, {"b", false, true, "a,c,b"}, {"c", false, false, "a,b,c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.child) + (c.up ? " up" : " down"));
        CVObList list(TypeDefinitionList, "L");
        for (const char* name : {"a", "b", "c"})
            list.AddChild(Def(name));
        CMTObj* child = nullptr;
        for (int i = 0; i < 3; ++i)
            if (list.GetChild(i)->GetName() == c.child)
                child = list.GetChild(i);
        EXPECT_EQ(list.MoveChild(*child, c.up), c.moved);
        EXPECT_EQ(ChildNames(list), c.order);
        EXPECT_EQ(child->GetParent(), &list);
    }

    // A move reaches the views as a removal and an insertion.
    LinkedModule m;
    m.definitions.AddChild(Def("a"));
    m.definitions.AddChild(Def("b"));
    m.Forget();
    EXPECT_TRUE(m.definitions.MoveChild(*m.definitions.GetChild(1), true));
    EXPECT_EQ(m.library.events, (Events{
                                    "about-remove-children Definitions 1 1",
                                    "remove-children Definitions 1 1",
                                    "about-insert-children Definitions 0 1",
                                    "insert-children Definitions 0 1",
                                }));
}

TEST(ModelTree, DeleteAllChildrenRemovesThemAsOneBlock) {
    LinkedModule m;
    for (const char* name : {"a", "b", "c"})
        m.definitions.AddChild(Def(name));
    m.definitions.SetExpanded(true);
    m.Forget();
    m.definitions.DeleteAllChildren();
    EXPECT_EQ(m.definitions.GetChildCount(), 0);
    EXPECT_FALSE(m.definitions.IsExpanded());
    EXPECT_EQ(m.library.events, (Events{
                                    "about-remove-children Definitions 0 3",
                                    "remove-children Definitions 0 3",
                                    "changed Definitions 8",
                                }));
}

TEST(ModelTree, CommandsListNotifiesRowsAndOverlay) {
    LinkedModule m;
    CVObList& startups = *m.module.GetList(TypeStartupList);
    EXPECT_EQ(startups.AddCommand(Frag("b")), 0);
    EXPECT_EQ(startups.InsertCommandAfter(Frag("a"), nullptr), 0);
    EXPECT_EQ(startups.InsertCommandAfter(Frag("c"), startups.GetCommand(1)), 2);
    EXPECT_EQ(CommandNames(startups), "a,b,c");
    EXPECT_EQ(startups.GetCommand(2)->GetOwner(), &startups);
    EXPECT_EQ(startups.GetCommand(2)->GetRow(), 2);
    EXPECT_EQ(m.library.events, (Events{
                                    "about-insert-commands Startups 0 1",
                                    "insert-commands Startups 0 1",
                                    "changed Startups 4",
                                    "about-insert-commands Startups 0 1",
                                    "insert-commands Startups 0 1",
                                    "about-insert-commands Startups 2 1",
                                    "insert-commands Startups 2 1",
                                }));

    EXPECT_TRUE(startups.MoveCommand(*startups.GetCommand(2), true));
    EXPECT_FALSE(startups.MoveCommand(*startups.GetCommand(0), true));
    EXPECT_FALSE(startups.MoveCommand(*startups.GetCommand(2), false));
    EXPECT_EQ(CommandNames(startups), "a,c,b");

    m.Forget();
    std::vector<std::unique_ptr<CCmdFrag>> taken;
    while (startups.GetCommandCount() > 0)
        taken.push_back(startups.RemoveCommand(*startups.GetCommand(0)));
    EXPECT_EQ(taken[0]->GetOwner(), nullptr);
    EXPECT_EQ(taken[0]->GetRow(), -1);
    EXPECT_EQ(m.library.events.back(), "changed Startups 4");
    EXPECT_EQ(m.library.modified, 3);
    EXPECT_EQ(startups.RemoveCommand(*taken[0]), nullptr);
}

std::string ThreeFragments() {
    auto a = Frag("A"), b = Frag("B"), c = Frag("C");
    return CCmdFrag::WriteCommandData({a.get(), b.get(), c.get()});
}

TEST(ModelTree, PasteCommandsKeepsTheStoredOrderBehindTheAnchor) {
    const std::string data = ThreeFragments();
    struct Case {
        int anchorRow; // -1: none
        const char* order;
        const char* insertEvent;
    };
    const Case cases[] = {
        {0, "X,A,B,C,Y", "insert-commands Startups 1 3"},
        {-1, "A,B,C,X,Y", "insert-commands Startups 0 3"},
        {1, "X,Y,A,B,C", "insert-commands Startups 2 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.order);
        LinkedModule m;
        CVObList& startups = *m.module.GetList(TypeStartupList);
        startups.AddCommand(Frag("X"));
        startups.AddCommand(Frag("Y"));
        m.Forget();
        CCmdFrag* anchor = c.anchorRow < 0 ? nullptr : startups.GetCommand(c.anchorRow);
        EXPECT_TRUE(startups.PasteCommands(data, anchor));
        EXPECT_EQ(CommandNames(startups), c.order);
        for (int i = 0; i < startups.GetCommandCount(); ++i) {
            EXPECT_EQ(startups.GetCommand(i)->GetOwner(), &startups);
            EXPECT_EQ(startups.GetCommand(i)->GetRow(), i);
        }
        ASSERT_EQ(m.library.events.size(), 2u);
        EXPECT_EQ(m.library.events[1], c.insertEvent);
        EXPECT_EQ(m.library.modified, 1);
    }
}

TEST(ModelTree, PasteCommandsInsertsNothingFromBadData) {
    auto a = Frag("A");
    CVObList list(TypeDefinitionList, "L");
    const std::string good = ThreeFragments();
    struct Case {
        const char* what;
        std::string data;
        ArchiveError::Kind kind;
    };
    const Case cases[] = {
        // Two references, the second naming the first fragment (index 2) again: a second
        // owner for it.
        {"same fragment twice",
         test::Hex("02000000") + CCmdFrag::WriteCommandData({a.get()}).substr(4) +
             test::Hex("0200"),
         ArchiveError::Kind::BadIndex},
        {"truncated", good.substr(0, good.size() - 1), ArchiveError::Kind::EndOfFile},
        {"count beyond the data", test::Hex("FFFFFFFF"), ArchiveError::Kind::EndOfFile},
        {"a node instead of fragments", test::Hex("01000000") + list.WriteClipboardData(),
         ArchiveError::Kind::BadClass},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CVObList startups(TypeStartupList, "S");
        startups.AddCommand(Frag("X"));
        try {
            startups.PasteCommands(c.data, nullptr);
            ADD_FAILURE() << "pasted without error";
        } catch (const ArchiveError& e) {
            EXPECT_EQ(e.GetKind(), c.kind);
        }
        EXPECT_EQ(CommandNames(startups), "X");
    }

    CVObList startups(TypeStartupList, "S");
    EXPECT_FALSE(startups.PasteCommands(test::Hex("00000000"), nullptr));
    EXPECT_EQ(startups.GetCommandCount(), 0);
}

TEST(ModelTree, OnlyNodesOfALinkedModuleNotify) {
    RecordingObserver library;
    CVConfig module;
    CVObList& aliases = *module.GetList(TypeAliasList);
    aliases.AddChild(Def("a")); // no Library yet
    EXPECT_EQ(aliases.GetChild(0)->GetObserver(), nullptr);

    module.SetLibrary(&library);
    CMTObj* a = aliases.GetChild(0);
    EXPECT_EQ(a->GetModule(), &module);
    EXPECT_EQ(a->GetObserver(), &library);
    a->MarkModified();
    EXPECT_EQ(library.modified, 1);
    EXPECT_FALSE(a->SelectNode());
    library.selectResult = true;
    EXPECT_TRUE(a->SelectNode());
    EXPECT_EQ(library.events, (Events{"select a", "select a"}));

    // Taken out of the Module, the node reaches nobody.
    std::unique_ptr<CMTObj> free = aliases.RemoveChild(*a);
    library.events.clear();
    EXPECT_EQ(free->GetModule(), nullptr);
    EXPECT_FALSE(free->SelectNode());
    EXPECT_EQ(free->Rename("b"), 0);
    EXPECT_TRUE(library.events.empty());
}

TEST(ModelTree, RenameRules) {
    LinkedModule m;
    m.definitions.AddChild(Def("a"));
    CMTObj& definition = *m.definitions.GetChild(0);
    m.Forget();

    // The Module keeps its name as given and does not mark the Library modified.
    EXPECT_EQ(m.module.Rename(""), IDS_MODULE_NAME_EMPTY);
    EXPECT_EQ(m.module.Rename(" My Module "), 0);
    EXPECT_EQ(m.module.GetName(), " My Module ");
    EXPECT_EQ(m.library.modified, 0);

    EXPECT_EQ(definition.Rename("  fov\t"), 0);
    EXPECT_EQ(definition.GetName(), "fov");
    EXPECT_EQ(m.library.modified, 1);
    EXPECT_EQ(m.library.events, (Events{"changed  My Module  1", "changed fov 1"}));

    // The plain node refuses only the empty name.
    test::TypedNode node(TypeNode, "n");
    EXPECT_EQ(node.Rename(""), IDS_NAME_EMPTY);
    EXPECT_EQ(node.Rename(" a.b "), 0);
    EXPECT_EQ(node.GetName(), " a.b ");
}

TEST(ModelTree, DefaultNamesShareOneCounter) {
    CVCommand first, second;
    CVConfig module;
    first.MakeDefaultName(IDS_NEW_DEFINITION);
    second.MakeDefaultName(IDS_NEW_DEFINITION);
    module.MakeDefaultName(IDS_NEW_MODULE);
    const std::string prefix = "NewDefinition";
    ASSERT_EQ(first.GetName().rfind(prefix, 0), 0u) << first.GetName();
    const int n = std::stoi(first.GetName().substr(prefix.size()));
    EXPECT_EQ(second.GetName(), prefix + std::to_string(n + 1));
    EXPECT_EQ(module.GetName(), "New Module" + std::to_string(n + 2));
}

TEST(ModelTree, IsValidName) {
    const std::pair<const char*, bool> cases[] = {
        {"", true},       {"abc_XYZ_09", true}, {"cfg.x", false}, {"+zoom", false},
        {"a b", false},   {"caf\xE9", false},   {"a;b", false},   {"-", false},
        {"\"q\"", false}, {"_", true},
    };
    for (const auto& [name, valid] : cases)
        EXPECT_EQ(CMTObj::IsValidName(name), valid) << name;
}

TEST(ModelTree, CollectCommandsIsDepthFirst) {
    CVObList root(TypeAliasList, "root");
    root.AddCommand(Frag("r1"));
    auto first = Def("first");
    first->AddCommand(Frag("f1"));
    first->AddCommand(Frag("f2"));
    auto inner = std::make_unique<CVObList>(TypeAliasList, "inner");
    inner->AddCommand(Frag("i1"));
    inner->AddChild(Def("deep"));
    inner->GetChild(0)->AddCommand(Frag("d1"));
    root.AddChild(std::move(first));
    root.AddChild(std::move(inner));
    std::vector<CCmdFrag*> all;
    root.CollectCommands(all);
    std::string order;
    for (const CCmdFrag* f : all)
        order += f->GetCommand() + " ";
    EXPECT_EQ(order, "r1 f1 f2 i1 d1 ");
}

TEST(ModelTree, DefaultScriptWritesChildrenThenEachBuildableFragment) {
    CVConfig module;
    CVObList& startups = *module.GetList(TypeStartupList);
    startups.AddCommand(Frag("unbindall"));
    startups.AddCommand(std::make_unique<CCmdFrag>());     // no command: left out
    startups.AddCommand(Frag("attack", ParamAction, "2")); // a toggle alone: left out
    startups.AddCommand(Frag("say", ParamString, "hello"));
    startups.AddCommand(Frag("fov", ParamUserDefined, "90"));
    module.GetList(TypeDefinitionList)->AddChild(Def("wait", ParamNone));

    std::string text;
    TextOutput out(text);
    for (int type : {TypeDefinitionList, TypeAliasList, TypeBindList, TypeStartupList})
        module.GetList(type)->WriteScript(out);
    EXPECT_TRUE(out.Close());
    EXPECT_EQ(text, "// Aliases:\r\n// Binds:\r\n// Startups:\r\nunbindall\r\n"
                    "say \"hello\"\r\nfov 90\r\n");
}

TEST(ModelTree, SetCommandsFromTextAppendsOneFragmentPerCommand) {
    struct Case {
        const char* text;
        const char* fragments; // command|type|parameter, each followed by a blank
    };
    const Case cases[] = {
        {"\"fov 30; sensitivity 2\"", "fov|8|30 sensitivity|8|2 "},
        {"+zoom ignored; -attack", "zoom|2|1 attack|2|0 "},
        {"\"say \"x;y\"\"", "say|8| "}, // only the outer quotes count
        {"echo \"hello world\" more", "echo|8|hello world "},
        {"attack // fire", "attack|8|// fire "},
        {"attack; // fire", "attack|8| "},
        {"cfg.x 1;ok;+bad.name", "ok|8| "},
        {" ; ;", ""},
    };
    for (const Case& c : cases) {
        test::TypedNode node(TypeAlias);
        node.AddCommand(Frag("first"));
        node.SetCommandsFromText(c.text);
        std::string got;
        for (int i = 1; i < node.GetCommandCount(); ++i) {
            const CCmdFrag& f = *node.GetCommand(i);
            got +=
                f.GetCommand() + "|" + std::to_string(f.GetParamType()) + "|" + f.GetParam() + " ";
            EXPECT_EQ(f.GetOwner(), &node);
        }
        EXPECT_EQ(got, c.fragments) << c.text;
        EXPECT_EQ(node.GetCommand(0)->GetCommand(), "first");
    }
}

TEST(ModelTree, ClipboardDataHoldsOneNode) {
    CVObList list(TypeAliasList, "Aliases");
    list.AddChild(Def("a"));
    std::unique_ptr<CMTObj> copy = CMTObj::ReadClipboardData(list.WriteClipboardData() + "junk");
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->GetType(), TypeAliasList);
    EXPECT_EQ(ChildNames(*copy), "a");
    EXPECT_EQ(copy->GetParent(), nullptr);
    EXPECT_EQ(CMTObj::ReadClipboardData(test::Hex("0000")), nullptr);
}

} // namespace
} // namespace vantor
