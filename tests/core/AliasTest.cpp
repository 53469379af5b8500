// Aliases and Action Aliases: their ALIAS lines, renaming, and their records.

#include "ModelTestSupport.h"
#include "model/ArchiveError.h"
#include "model/CVAlias.h"
#include "model/CVAliasAct.h"
#include "model/CVAliasActSub.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "resources/StringIds.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantor {
namespace {

using test::Frag;
using test::ScriptOf;
using Events = std::vector<std::string>;

std::unique_ptr<CVAlias> Alias(std::string_view name) {
    auto alias = std::make_unique<CVAlias>();
    EXPECT_EQ(alias->Rename(name), 0);
    return alias;
}

std::unique_ptr<CVAliasAct> ActionAlias(std::string_view name) {
    auto act = std::make_unique<CVAliasAct>();
    EXPECT_EQ(act->Rename(name), 0);
    return act;
}

TEST(Alias, AliasLines) {
    struct Case {
        const char* what;
        std::function<std::unique_ptr<CMTObj>()> make;
        const char* script;
    };
    const Case cases[] = {
        {"no commands", [] { return Alias("jump"); }, "// ALIAS jump (no commands defined)\r\n"},
        {"two commands",
         [] {
             auto a = Alias("fire");
             a->AddCommand(Frag("attack", ParamAction, "+"));
             a->AddCommand(Frag("wait"));
             return a;
         },
         "ALIAS fire \"+attack;wait\"\r\n"},
        {"a string alone keeps its quotes",
         [] {
             auto a = Alias("hi");
             a->AddCommand(Frag("say", ParamString, "hello"));
             return a;
         },
         "ALIAS hi \"say \"hello\"\"\r\n"},
        {"a toggle Action alone",
         [] {
             auto a = Alias("t");
             a->AddCommand(Frag("attack", ParamAction, "2"));
             return a;
         },
         "// ALIAS t (error generating commands)\r\n"},
        {"an empty command",
         [] {
             auto a = Alias("e");
             a->AddCommand(Frag("wait"));
             a->AddCommand(std::make_unique<CCmdFrag>());
             return a;
         },
         "// ALIAS e (error generating commands)\r\n"},
        {"both halves",
         [] {
             auto act = ActionAlias("zoom");
             act->GetHalf(true)->AddCommand(Frag("fov", ParamInteger, "30"));
             act->GetHalf(false)->AddCommand(Frag("fov", ParamInteger, "90"));
             return act;
         },
         "ALIAS +zoom \"fov 30\"\r\nALIAS -zoom \"fov 90\"\r\n"},
        {"an empty \"-\" half",
         [] {
             auto act = ActionAlias("zoom");
             act->GetHalf(true)->AddCommand(Frag("fov", ParamInteger, "30"));
             return act;
         },
         "ALIAS +zoom \"fov 30\"\r\n// ALIAS -zoom (no commands defined)\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ScriptOf(*c.make()), c.script);
    }
}

TEST(Alias, FragmentsNameAliasesAsCommands) {
    auto alias = Alias("jump");
    auto act = ActionAlias("zoom");
    CCmdFrag plain, action;
    plain.CopyFromDefinition(*alias);
    action.CopyFromDefinition(*act);
    action.UpdateText();
    EXPECT_EQ(plain.GetParamType(), ParamNone);
    EXPECT_EQ(plain.GetImage(), 0);
    EXPECT_EQ(action.GetParamType(), ParamAction);
    EXPECT_EQ(action.GetText(), "+zoom");
}

TEST(Alias, RenamingAnActionAliasRenamesItsHalves) {
    test::RecordingObserver library;
    CVConfig module;
    module.SetLibrary(&library);
    CVObList& aliases = *module.GetList(TypeAliasList);
    aliases.AddChild(std::make_unique<CVAliasAct>());
    auto& act = static_cast<CVAliasAct&>(*aliases.GetChild(0));
    act.MakeDefaultName(IDS_NEW_ALIAS);
    EXPECT_EQ(act.GetHalf(true)->GetName(), "+" + act.GetName());
    EXPECT_EQ(act.GetHalf(false)->GetName(), "-" + act.GetName());

    library.events.clear();
    library.modified = 0;
    EXPECT_EQ(act.Rename(" zoom\t"), 0);
    EXPECT_EQ(test::ChildNames(act), "+zoom,-zoom");
    EXPECT_EQ(library.events, (Events{"changed zoom 1", "changed +zoom 1", "changed -zoom 1"}));
    EXPECT_EQ(library.modified, 1); // the halves do not mark it again

    // Refusals leave the Action Alias and both halves as they were.
    library.events.clear();
    const std::pair<const char*, int> refused[] = {
        {"+zoom", IDS_ALIAS_NAME_INVALID}, {"zo om", IDS_ALIAS_NAME_INVALID},
        {"cfg.x", IDS_ALIAS_NAME_INVALID}, {"", IDS_ALIAS_NAME_EMPTY},
        {" \t", IDS_ALIAS_NAME_EMPTY},
    };
    CVAlias alias;
    for (const auto& [name, id] : refused) {
        EXPECT_EQ(act.Rename(name), id) << name;
        EXPECT_EQ(alias.Rename(name), id) << name;
    }
    EXPECT_EQ(act.GetName(), "zoom");
    EXPECT_EQ(test::ChildNames(act), "+zoom,-zoom");
    EXPECT_TRUE(library.events.empty());
}

TEST(Alias, ReadingAnActionAliasKeepsOnlyTheStoredHalves) {
    auto act = ActionAlias("zoom");
    act->SetDescription("hold to zoom");
    act->GetHalf(true)->AddCommand(Frag("fov", ParamInteger, "30"));
    act->GetHalf(false)->AddCommand(Frag("fov", ParamInteger, "90"));
    act->GetHalf(false)->AddCommand(Frag("wait"));
    const std::string bytes = act->WriteClipboardData();

    std::unique_ptr<CMTObj> read = CMTObj::ReadClipboardData(bytes);
    auto* copy = dynamic_cast<CVAliasAct*>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(test::ChildNames(*copy), "+zoom,-zoom");
    EXPECT_TRUE(copy->GetHalf(true)->IsPlus());
    EXPECT_FALSE(copy->GetHalf(false)->IsPlus());
    EXPECT_EQ(test::CommandNames(*copy->GetHalf(false)), "fov,wait");
    EXPECT_EQ(copy->GetDescription(), "hold to zoom");
    EXPECT_EQ(test::ToHex(copy->WriteClipboardData()), test::ToHex(bytes));

    // The stored parameter type does not survive: an Action Alias is always of type 2.
    act->SetDefParamType(ParamInteger);
    read = CMTObj::ReadClipboardData(act->WriteClipboardData());
    EXPECT_EQ(static_cast<CVAliasAct&>(*read).GetDefParamType(), ParamAction);
}

TEST(Alias, ActionAliasRecordsWithOtherChildrenAreRefused) {
    struct Case {
        const char* what;
        std::function<void(CVAliasAct&)> damage;
    };
    const Case cases[] = {
        {"no \"+\" half", [](CVAliasAct& a) { a.RemoveChild(*a.GetHalf(true)); }},
        {"halves swapped", [](CVAliasAct& a) { a.AddChild(a.RemoveChild(*a.GetHalf(true))); }},
        {"a third half", [](CVAliasAct& a) { a.AddChild(std::make_unique<CVAliasActSub>()); }},
        {"a Definition for a half",
         [](CVAliasAct& a) {
             a.RemoveChild(*a.GetHalf(false));
             a.AddChild(test::Def("x"));
         }},
        {"two \"+\" halves", [](CVAliasAct& a) { a.GetHalf(false)->SetPlus(true); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto act = ActionAlias("zoom");
        c.damage(*act);
        try {
            CMTObj::ReadClipboardData(act->WriteClipboardData());
            ADD_FAILURE() << "read without error";
        } catch (const ArchiveError& e) {
            EXPECT_EQ(e.GetKind(), ArchiveError::Kind::BadFormat);
        }
    }
}

} // namespace
} // namespace vantor
