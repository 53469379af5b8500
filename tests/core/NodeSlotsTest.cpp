// What each node class answers through the virtual operations, and where new and pasted
// objects go.

#include "ModelTestSupport.h"
#include "model/CVAlias.h"
#include "model/CVAliasAct.h"
#include "model/CVAliasActSub.h"
#include "model/CVBind.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vantor {
namespace {

TEST(NodeSlots, AnswersByClass) {
    CVConfig module;
    CVCommand definition;
    CVAlias alias;
    CVAliasAct act;
    CVBind bind;
    test::TypedNode plain(TypeNode);
    struct Case {
        const char* what;
        const CMTObj& node;
        int confirm, image, type, menu;
        bool rename, del, move, copy, addCommands;
    };
    const Case cases[] = {
        {"node", plain, 0, 0, 0, 104, false, false, false, false, false},
        {"Definition", definition, 143, 16, 1, 145, true, true, true, true, false},
        {"Alias", alias, 145, 8, 2, 151, true, true, true, true, true},
        {"Action Alias", act, 145, 13, 5, 159, true, true, true, true, false},
        {"+ half", *act.GetHalf(true), 0, 14, 6, 160, false, false, false, false, true},
        {"- half", *act.GetHalf(false), 0, 15, 6, 160, false, false, false, false, true},
        {"Bind", bind, 144, 9, 3, 152, false, true, true, true, true},
        {"Definition List", *module.GetList(17), 0, 4, 17, 155, false, false, false, false, false},
        {"Alias List", *module.GetList(18), 0, 5, 18, 157, false, false, false, false, false},
        {"Bind List", *module.GetList(19), 0, 6, 19, 156, false, false, false, false, false},
        {"Startup List", *module.GetList(20), 0, 7, 20, 158, false, false, false, false, true},
        {"Module", module, 142, 0, 32, 144, true, true, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.node.ConfirmDelete(), c.confirm);
        EXPECT_EQ(c.node.GetImage(), c.image);
        EXPECT_EQ(c.node.GetType(), c.type);
        EXPECT_EQ(c.node.GetMenuId(), c.menu);
        EXPECT_EQ(c.node.IsAllowed(OpRename), c.rename);
        EXPECT_EQ(c.node.IsAllowed(OpDelete), c.del);
        EXPECT_EQ(c.node.IsAllowed(OpMove), c.move);
        EXPECT_EQ(c.node.IsAllowed(OpCopy), c.copy);
        EXPECT_EQ(c.node.IsAllowed(OpAddCommands), c.addCommands);
        EXPECT_FALSE(c.node.IsAllowed(1));
    }
}

TEST(NodeSlots, DefinitionImagesFollowTheParameterType) {
    // type, tree image, image of bound fragments
    const int cases[][3] = {{0, 16, 7}, {1, 17, 0}, {2, 19, 2}, {3, 18, 1}, {4, 20, 3},
                            {5, 21, 4}, {6, 22, 5}, {7, 23, 6}, {8, 23, 7}, {9, 16, 7}};
    for (const auto& c : cases) {
        CVCommand definition;
        definition.SetDefParamType(c[0]);
        EXPECT_EQ(definition.GetImage(), c[1]) << c[0];
        EXPECT_EQ(definition.GetCommandImage(), c[2]) << c[0];
        definition.SetCustomImage(true);
        definition.SetStoredImage(9);
        EXPECT_EQ(definition.GetCommandImage(), 9) << c[0];
    }
}

TEST(NodeSlots, InsertPoints) {
    CVConfig module;
    CVObList* l17 = module.GetList(17);
    CVObList* l18 = module.GetList(18);
    CVObList* l19 = module.GetList(19);
    CVObList* l20 = module.GetList(20);
    l17->AddChild(test::Def("d1"));
    l17->AddChild(test::Def("d2"));
    l18->AddChild(test::Def("x"));
    CMTObj* d1 = l17->GetChild(0);
    CMTObj* d2 = l17->GetChild(1);
    CMTObj* x = l18->GetChild(0);
    using P = std::optional<InsertPoint>;
    const P none;
    struct Case {
        const char* what;
        CMTObj* node;
        int op, type;
        P expected;
    };
    const Case cases[] = {
        // A Definition: its own kind right after it, the others at the end of their list.
        {"def new 1", d1, 1, 1, InsertPoint{l17, d1}},
        {"def new 2", d1, 1, 2, InsertPoint{l18, x}},
        {"def new 5", d1, 1, 5, InsertPoint{l18, x}},
        {"def new 3", d1, 1, 3, InsertPoint{l19, nullptr}},
        {"def new 7", d1, 1, 7, none},
        {"def new 32", d1, 1, 32, InsertPoint{nullptr, &module}},
        {"def new 4", d1, 1, 4, none},
        {"def paste 1", d1, 7, 1, InsertPoint{l17, d1}},
        {"def paste 2", d1, 7, 2, none},
        {"def paste 32", d1, 7, 32, none},
        {"def op 2", d1, 2, 1, none},
        // The lists: new objects go to the end of their list; a paste only into its own.
        {"list new 1", l20, 1, 1, InsertPoint{l17, d2}},
        {"list new 7", l17, 1, 7, InsertPoint{l20, nullptr}},
        {"list new 32", l19, 1, 32, InsertPoint{nullptr, &module}},
        {"list new 6", l19, 1, 6, none},
        {"defs paste 1", l17, 7, 1, InsertPoint{l17, d2}},
        {"aliases paste 1", l18, 7, 1, none},
        {"aliases paste 2", l18, 7, 2, InsertPoint{l18, x}},
        {"aliases paste 5", l18, 7, 5, InsertPoint{l18, x}},
        {"binds paste 3", l19, 7, 3, InsertPoint{l19, nullptr}},
        {"binds paste 2", l19, 7, 2, none},
        {"startups paste 7", l20, 7, 7, none},
        {"list paste 32", l18, 7, 32, none},
        // The Module answers pastes as new objects.
        {"module new 1", &module, 1, 1, InsertPoint{l17, d2}},
        {"module paste 3", &module, 7, 3, InsertPoint{l19, nullptr}},
        {"module new 7", &module, 1, 7, none},
        {"module new 32", &module, 1, 32, InsertPoint{nullptr, &module}},
        {"module paste 32", &module, 7, 32, InsertPoint{nullptr, &module}},
        {"module op 3", &module, 3, 1, none},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.node->GetInsertPoint(c.op, c.type), c.expected) << c.what;

    // Outside a Module only the places next to the node itself exist.
    CVObList freeList(TypeDefinitionList, "free");
    freeList.AddChild(test::Def("d"));
    CMTObj* d = freeList.GetChild(0);
    EXPECT_EQ(d->GetInsertPoint(1, 1), (P{InsertPoint{&freeList, d}}));
    EXPECT_EQ(d->GetInsertPoint(1, 2), none);
    EXPECT_EQ(d->GetInsertPoint(1, 32), none);
    EXPECT_EQ(test::TypedNode(TypeNode).GetInsertPoint(1, 1), none);
}

TEST(NodeSlots, InsertPointsNearAliasesHalvesAndBinds) {
    CVConfig module;
    CVObList* l17 = module.GetList(17);
    CVObList* l18 = module.GetList(18);
    CVObList* l19 = module.GetList(19);
    CVObList* l20 = module.GetList(20);
    l18->AddChild(std::make_unique<CVAlias>());
    l18->AddChild(std::make_unique<CVAliasAct>());
    l19->AddChild(std::make_unique<CVBind>());
    CMTObj* alias = l18->GetChild(0);
    auto* act = static_cast<CVAliasAct*>(l18->GetChild(1));
    CMTObj* half = act->GetHalf(true);
    CMTObj* bind = l19->GetChild(0);
    using P = std::optional<InsertPoint>;
    const P none;
    struct Case {
        const char* what;
        CMTObj* node;
        int op, type;
        P expected;
    };
    const Case cases[] = {
        // Aliases and Action Aliases take both kinds right after them.
        {"alias new 2", alias, 1, 2, InsertPoint{l18, alias}},
        {"alias new 5", alias, 1, 5, InsertPoint{l18, alias}},
        {"act new 2", act, 1, 2, InsertPoint{l18, act}},
        {"alias new 1", alias, 1, 1, InsertPoint{l17, nullptr}},
        {"alias new 3", act, 1, 3, InsertPoint{l19, bind}},
        {"alias new 7", alias, 1, 7, none},
        {"alias new 32", act, 1, 32, InsertPoint{nullptr, &module}},
        {"alias paste 5", alias, 7, 5, InsertPoint{l18, alias}},
        {"act paste 2", act, 7, 2, InsertPoint{l18, act}},
        {"alias paste 3", alias, 7, 3, none},
        // A half sends everything to the end of its list and takes no paste.
        {"half new 2", half, 1, 2, InsertPoint{l18, act}},
        {"half new 5", half, 1, 5, InsertPoint{l18, act}},
        {"half new 1", half, 1, 1, InsertPoint{l17, nullptr}},
        {"half new 3", half, 1, 3, InsertPoint{l19, bind}},
        {"half new 7", half, 1, 7, none},
        {"half new 32", half, 1, 32, InsertPoint{nullptr, &module}},
        {"half paste 6", half, 7, 6, none},
        {"half paste 2", half, 7, 2, none},
        // A Bind takes Binds after it and sends a new startup command to the Startup List.
        {"bind new 3", bind, 1, 3, InsertPoint{l19, bind}},
        {"bind new 7", bind, 1, 7, InsertPoint{l20, nullptr}},
        {"bind new 2", bind, 1, 2, InsertPoint{l18, act}},
        {"bind paste 3", bind, 7, 3, InsertPoint{l19, bind}},
        {"bind paste 7", bind, 7, 7, none},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.node->GetInsertPoint(c.op, c.type), c.expected) << c.what;
}

} // namespace
} // namespace vantor
