// Rematching: which user-defined commands get bound to which Definition or Alias, what
// happens to their parameters, the order of the walk, and the progress and Cancel protocol.

#include "document/Rematch.h"

#include "LibraryTestSupport.h"
#include "ModelTestSupport.h"
#include "document/CVantorDoc.h"
#include "document/ProgressMonitor.h"
#include "model/CVAlias.h"
#include "model/CVAliasAct.h"
#include "model/CVAliasActSub.h"
#include "model/CVBind.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vantor {
namespace {

using test::AddDef;
using test::AddModule;
using test::Def;
using test::Frag;


CVAlias& AddAlias(CVConfig& module, const std::string& name) {
    auto alias = std::make_unique<CVAlias>();
    alias->Rename(name);
    CVAlias& added = *alias;
    module.GetList(TypeAliasList)->AddChild(std::move(alias));
    return added;
}

// A user-defined command, as the script import makes it, appended to `owner`.
CCmdFrag& AddUser(CMTObj& owner, const std::string& name, const std::string& param = {}) {
    auto frag = Frag(name, ParamUserDefined, param);
    CCmdFrag& added = *frag;
    owner.AddCommand(std::move(frag));
    return added;
}

CMTObj& Startups(CVConfig& module) {
    return *module.GetList(TypeStartupList);
}

// Records the calls in order; presses Cancel once `cancelAfter` steps were made.
class ProgressLog : public ProgressMonitor {
public:
    std::vector<std::string> calls;
    int steps = 0;
    int cancelAfter = -1;

    void Open() override { calls.push_back("open"); }
    void SetRange(std::size_t total) override { calls.push_back("range " + std::to_string(total)); }
    void SetStatus(std::string_view text) override { calls.push_back(std::string(text)); }
    void Step() override { ++steps; }
    bool IsCancelled() override { return cancelAfter >= 0 && steps >= cancelAfter; }
    void Close() override { calls.push_back("close"); }
};

TEST(Rematch, BindsToEarlierModulesButNeverToLaterOnes) {
    CVantorDoc doc;
    CVConfig& early = AddModule(doc, "Early");
    CCmdFrag& before = AddUser(Startups(early), "FOO");
    CVConfig& defs = AddModule(doc, "Defs");
    AddDef(defs, "foo", ParamNone);
    CVConfig& late = AddModule(doc, "Late");
    CCmdFrag& after = AddUser(Startups(late), "FOO");
    CCmdFrag& unknown = AddUser(Startups(late), "bar", "1");
    doc.SetModified(false);

    EXPECT_EQ(doc.RematchCommands(), 1u);
    EXPECT_EQ(before.GetParamType(), ParamUserDefined);
    EXPECT_EQ(before.GetCommand(), "FOO");
    EXPECT_EQ(after.GetParamType(), ParamNone);
    EXPECT_EQ(after.GetCommand(), "foo"); // the Definition's spelling
    EXPECT_EQ(after.GetText(), "foo");
    EXPECT_EQ(unknown.GetParamType(), ParamUserDefined);
    EXPECT_TRUE(doc.IsModified());

    // A second pass finds nothing left to bind and changes nothing.
    doc.SetModified(false);
    EXPECT_EQ(doc.RematchCommands(), 0u);
    EXPECT_FALSE(doc.IsModified());
}

TEST(Rematch, ParameterIsKeptOnlyWhenTheDefinitionAcceptsIt) {
    struct Case {
        int type;
        const char* param;
        bool binds;
        const char* text; // after rematching
    };
    const Case cases[] = {
        {ParamInteger, "5", true, "foo 5"},
        {ParamInteger, "abc", false, "foo abc"},
        {ParamInteger, "5000", false, "foo 5000"}, // outside 0..1000
        {ParamInteger, "", false, "foo"},
        {ParamReal, "0.5", true, "foo 0.5"},
        {ParamReal, "x", false, "foo x"},
        {ParamToggle, "0", true, "foo 0"},
        {ParamToggle, "yes", false, "foo yes"},
        {ParamString, "hello there", true, "foo \"hello there\""},
        {ParamNone, "", true, "foo"},
        {ParamNone, "7", true, "foo"}, // a command without parameter drops it
    };
    for (const Case& c : cases) {
        CVantorDoc doc;
        CVConfig& module = AddModule(doc, "M");
        AddDef(module, "foo", c.type);
        CCmdFrag& command = AddUser(Startups(module), "foo", c.param);
        const std::string before = command.GetText();

        EXPECT_EQ(doc.RematchCommands(&module), c.binds ? 1u : 0u) << c.type << " " << c.param;
        EXPECT_EQ(command.GetParamType(), c.binds ? c.type : ParamUserDefined) << c.param;
        EXPECT_EQ(command.GetText(), c.text) << c.type << " " << c.param;
        if (!c.binds) {
            EXPECT_EQ(command.GetParam(), c.param);
            EXPECT_EQ(command.GetText(), before);
        }
    }
}

TEST(Rematch, LaterEntriesWinAliasesAfterDefinitionsAndUnsetOnesDoNotCount) {
    CVantorDoc doc;
    CVConfig& first = AddModule(doc, "First");
    AddDef(first, "Foo", ParamInteger);
    AddDef(first, "bar", ParamInteger);
    AddDef(first, "baz", ParamInteger);
    CVConfig& second = AddModule(doc, "Second");
    AddDef(second, "FOO", ParamToggle); // replaces First's Foo
    AddDef(second, "baz", ParamUnset);  // not added: First's baz stays
    AddAlias(second, "bar");            // Aliases come after Definitions: this one wins
    AddDef(second, "BAR", ParamString);
    CVConfig& third = AddModule(doc, "Third");
    CCmdFrag& foo = AddUser(Startups(third), "foo", "1");
    CCmdFrag& bar = AddUser(Startups(third), "Bar");
    CCmdFrag& baz = AddUser(Startups(third), "BAZ", "12");

    EXPECT_EQ(doc.RematchCommands(), 3u);
    EXPECT_EQ(foo.GetParamType(), ParamToggle);
    EXPECT_EQ(foo.GetCommand(), "FOO");
    EXPECT_EQ(bar.GetParamType(), ParamNone);
    EXPECT_EQ(bar.GetCommand(), "bar");
    EXPECT_EQ(bar.GetImage(), 0);
    EXPECT_EQ(baz.GetParamType(), ParamInteger);
    EXPECT_EQ(baz.GetText(), "baz 12");
}

TEST(Rematch, OneModuleSeesOnlyModulesUpToItselfAndLeavesTheOthers) {
    CVantorDoc doc;
    CVConfig& a = AddModule(doc, "A");
    AddDef(a, "foo", ParamInteger);
    CVConfig& b = AddModule(doc, "B");
    CCmdFrag& inB = AddUser(Startups(b), "foo", "3");
    CCmdFrag& laterInB = AddUser(Startups(b), "late");
    CVConfig& c = AddModule(doc, "C");
    AddDef(c, "late", ParamNone);
    AddDef(c, "foo", ParamToggle);
    CCmdFrag& inC = AddUser(Startups(c), "foo", "1");
    CCmdFrag& inA = AddUser(Startups(a), "foo", "2");

    EXPECT_EQ(doc.RematchCommands(&b), 1u);
    EXPECT_EQ(inB.GetParamType(), ParamInteger); // A's foo; C's does not count for B
    EXPECT_EQ(laterInB.GetParamType(), ParamUserDefined);
    EXPECT_EQ(inC.GetParamType(), ParamUserDefined);
    EXPECT_EQ(inA.GetParamType(), ParamUserDefined);

    CVConfig stray;
    EXPECT_EQ(doc.RematchCommands(&stray), 0u);
}

TEST(Rematch, BoundCommandsAndActionFragmentsAreNeverChanged) {
    CVantorDoc doc;
    CVConfig& module = AddModule(doc, "M");
    AddDef(module, "foo", ParamInteger);
    auto bound = Frag("foo", ParamString, "text");
    CCmdFrag& boundRef = *bound;
    Startups(module).AddCommand(std::move(bound));
    auto action = Frag("foo", ParamAction);
    CCmdFrag& actionRef = *action;
    Startups(module).AddCommand(std::move(action));

    EXPECT_EQ(doc.RematchCommands(), 0u);
    EXPECT_EQ(boundRef.GetParamType(), ParamString);
    EXPECT_EQ(boundRef.GetParam(), "text");
    EXPECT_EQ(actionRef.GetParamType(), ParamAction);
}

// Aliases, Binds and Startups of two Modules, in the order the walk visits them.
struct WalkLibrary {
    CVantorDoc doc;
    std::vector<CCmdFrag*> order;

    WalkLibrary() {
        CVConfig& one = AddModule(doc, "One");
        AddDef(one, "cmd", ParamNone);
        auto act = std::make_unique<CVAliasAct>();
        act->Rename("move");
        CVAliasAct& actRef = *act;
        one.GetList(TypeAliasList)->AddChild(std::move(act));
        CVAlias& alias = AddAlias(one, "go");
        auto bind = std::make_unique<CVBind>();
        CVBind& bindRef = *bind;
        one.GetList(TypeBindList)->AddChild(std::move(bind));
        // Added out of walk order on purpose: the walk goes by the tree, not by age.
        CCmdFrag& s1 = AddUser(Startups(one), "CMD");
        CCmdFrag& b1 = AddUser(bindRef, "cmd");
        CCmdFrag& a1 = AddUser(alias, "Cmd");
        CCmdFrag& h1 = AddUser(*actRef.GetHalf(true), "cmd");
        CCmdFrag& h2 = AddUser(*actRef.GetHalf(false), "cmd");
        CVConfig& two = AddModule(doc, "Two");
        CCmdFrag& s2 = AddUser(Startups(two), "cmd");
        order = {&h1, &h2, &a1, &b1, &s1, &s2};
    }
};

TEST(Rematch, ProgressWalksDepthFirstAndReportsEachModuleOnce) {
    WalkLibrary lib;
    AddModule(lib.doc, "Empty"); // no commands: never reported
    ProgressLog log;

    EXPECT_EQ(lib.doc.RematchCommands(nullptr, &log), 6u);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"open", "range 6", "Processing Module One...",
                                                   "Processing Module Two...", "close"}));
    EXPECT_EQ(log.steps, 6);
}

TEST(Rematch, CancelLeavesTheRemainingCommandsAsTheyWere) {
    for (int cancelAfter = 0; cancelAfter <= 6; ++cancelAfter) {
        WalkLibrary lib;
        ProgressLog log;
        log.cancelAfter = cancelAfter;

        EXPECT_EQ(lib.doc.RematchCommands(nullptr, &log), static_cast<std::size_t>(cancelAfter));
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(lib.order[static_cast<std::size_t>(i)]->GetParamType(),
                      i < cancelAfter ? ParamNone : ParamUserDefined)
                << "cancelled after " << cancelAfter << ", command " << i;
        EXPECT_EQ(log.calls.back(), "close");
    }
}

TEST(Rematch, NothingToVisitOpensAndClosesOnly) {
    CVantorDoc doc;
    AddModule(doc, "A");
    ProgressLog log;
    EXPECT_EQ(doc.RematchCommands(nullptr, &log), 0u);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"open", "close"}));

    CVantorDoc empty;
    EXPECT_EQ(RematchCommands(empty, 0, 5, nullptr), 0u);
    EXPECT_EQ(RematchCommands(doc, -3, 7, nullptr), 0u);
}

// Many Modules, each defining its own command and using the previous one's and the next
// one's: every use of a previous Module's command binds, no use of a later one does, and a
// redefinition further on is what later Modules get.
TEST(Rematch, ManyModulesAgreeWithTheRuleModuleByModule) {
    constexpr int kModules = 60;
    CVantorDoc doc;
    std::vector<CCmdFrag*> previous, next, shared;
    for (int i = 0; i < kModules; ++i) {
        CVConfig& module = AddModule(doc, "M" + std::to_string(i));
        AddDef(module, "c" + std::to_string(i), ParamNone);
        // "shared" is redefined every tenth Module with alternating types.
        if (i % 10 == 0)
            AddDef(module, "shared", (i / 10) % 2 == 0 ? ParamInteger : ParamToggle);
        previous.push_back(&AddUser(Startups(module), "C" + std::to_string(i - 1)));
        next.push_back(&AddUser(Startups(module), "C" + std::to_string(i + 1)));
        shared.push_back(&AddUser(Startups(module), "SHARED", "1"));
    }
    doc.RematchCommands();
    for (int i = 0; i < kModules; ++i) {
        const auto at = static_cast<std::size_t>(i);
        EXPECT_EQ(previous[at]->GetParamType(), i > 0 ? ParamNone : ParamUserDefined) << i;
        EXPECT_EQ(next[at]->GetParamType(), ParamUserDefined) << i;
        EXPECT_EQ(shared[at]->GetParamType(), (i / 10) % 2 == 0 ? ParamInteger : ParamToggle) << i;
    }
}

} // namespace
} // namespace vantor
