// The commands offered to a fragment: Modules up to the fragment's own, Definitions then
// Aliases, the last one met winning, type 0 left out; and an index that follows changes.

#include "document/CommandOffers.h"

#include "LibraryTestSupport.h"
#include "ModelTestSupport.h"
#include "document/CVantorDoc.h"
#include "model/CVAlias.h"
#include "model/CVAliasAct.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vantor {
namespace {

using test::AddAlias;
using test::AddDef;

class CommandOffersTest : public ::testing::Test {
protected:
    CVConfig& AddModule() {
        return test::AddModule(doc, "M" + std::to_string(doc.GetModuleCount()));
    }
    std::vector<std::string> OfferedNames(int moduleRow) {
        offers.Update(doc);
        std::vector<std::string> names;
        for (const CVCommand* command : offers.Offered(moduleRow))
            names.push_back(command->GetName());
        return names;
    }
    const CVCommand* Find(const std::string& name, int moduleRow) {
        offers.Update(doc);
        return offers.Find(name, moduleRow);
    }

    CVantorDoc doc;
    CommandOffers offers;
};

TEST_F(CommandOffersTest, ModulesUpToTheFragmentsOwnAreOfferedSortedWithoutRegardToCase) {
    CVConfig& first = AddModule();
    CVConfig& second = AddModule();
    CVConfig& third = AddModule();
    AddDef(first, "jump", ParamNone);
    AddDef(first, "Attack", ParamAction);
    AddDef(second, "zoom", ParamReal);
    AddAlias<CVAlias>(second, "bark");
    AddAlias<CVAliasAct>(third, "Crouch");
    AddDef(third, "never", ParamUnset); // a type never chosen is not offered

    using Names = std::vector<std::string>;
    EXPECT_EQ(OfferedNames(0), (Names{"Attack", "jump"}));
    EXPECT_EQ(OfferedNames(1), (Names{"Attack", "bark", "jump", "zoom"}));
    EXPECT_EQ(OfferedNames(2), (Names{"Attack", "bark", "Crouch", "jump", "zoom"}));
    EXPECT_EQ(Find("ZOOM", 0), nullptr);
    ASSERT_NE(Find("ZOOM", 1), nullptr);
    EXPECT_EQ(Find("zOoM", 2)->GetName(), "zoom");
    EXPECT_EQ(Find("never", 2), nullptr);
    EXPECT_EQ(Find("", 2), nullptr);
}

TEST_F(CommandOffersTest, TheLastOneMetWins) {
    CVConfig& first = AddModule();
    CVConfig& second = AddModule();
    CVConfig& third = AddModule();
    CVCommand& fire = AddDef(first, "Fire", ParamNone);
    CVCommand& fireAgain = AddDef(second, "FIRE", ParamAction);
    // Within one Module an Alias wins over a Definition of the same name, whatever the order
    // they were added in; a later Module wins over both.
    CVAlias& shootAlias = AddAlias<CVAlias>(second, "shoot");
    AddDef(second, "SHOOT", ParamInteger);
    CVCommand& shootLater = AddDef(third, "Shoot", ParamReal);

    EXPECT_EQ(Find("fire", 0), &fire);
    EXPECT_EQ(Find("fire", 1), &fireAgain);
    EXPECT_EQ(Find("fire", 2), &fireAgain);
    EXPECT_EQ(Find("shoot", 1), &shootAlias);
    EXPECT_EQ(Find("shoot", 2), &shootLater);
    using Names = std::vector<std::string>;
    EXPECT_EQ(OfferedNames(1), (Names{"FIRE", "shoot"}));
}

TEST_F(CommandOffersTest, TheIndexFollowsRenamesTypesRemovalsAndModuleMoves) {
    CVConfig& first = AddModule();
    CVConfig& second = AddModule();
    CVCommand& walk = AddDef(first, "walk", ParamNone);
    CVCommand& run = AddDef(second, "run", ParamUnset);
    EXPECT_NE(Find("walk", 0), nullptr);
    EXPECT_EQ(Find("run", 1), nullptr);

    ASSERT_EQ(walk.Rename("stroll"), 0);
    EXPECT_EQ(Find("walk", 0), nullptr);
    EXPECT_EQ(Find("STROLL", 0), &walk);

    run.SetDefParamType(ParamToggle);
    EXPECT_EQ(Find("run", 1), &run);

    // Moving the second Module first puts its commands before the other's.
    ASSERT_TRUE(doc.MoveModule(second, true));
    EXPECT_EQ(Find("run", 0), &run);
    EXPECT_EQ(Find("stroll", 0), nullptr);

    std::unique_ptr<CMTObj> taken = run.GetParent()->RemoveChild(run);
    EXPECT_EQ(Find("run", 1), nullptr);

    // A document read from bytes starts with a revision of its own.
    CVantorDoc other;
    offers.Update(other);
    EXPECT_EQ(offers.Find("stroll", 0), nullptr);
    doc.DeleteContents();
    EXPECT_EQ(Find("stroll", 0), nullptr);
}

TEST_F(CommandOffersTest, IdleStepsBuildOneModuleEachAndAnEditRebuildsOnlyItsModule) {
    CVConfig& first = AddModule();
    CVConfig& second = AddModule();
    CVConfig& third = AddModule();
    CVCommand& walk = AddDef(first, "walk", ParamNone);
    AddDef(second, "run", ParamNone);
    AddDef(third, "jump", ParamNone);

    EXPECT_FALSE(offers.Update(doc, 1));
    EXPECT_FALSE(offers.Update(doc, 1));
    EXPECT_TRUE(offers.Update(doc, 1));
    EXPECT_TRUE(offers.Update(doc, 0)); // nothing left to build
    EXPECT_EQ(offers.Find("JUMP", 2), third.GetList(TypeDefinitionList)->GetChild(0));

    // A rename in one Module leaves the others' parts as they were: one step brings the
    // whole index up to date.
    ASSERT_EQ(walk.Rename("stroll"), 0);
    EXPECT_FALSE(offers.Update(doc, 0));
    EXPECT_TRUE(offers.Update(doc, 1));
    EXPECT_EQ(offers.Find("stroll", 2), &walk);
    EXPECT_EQ(offers.Find("walk", 2), nullptr);
    // A Module added in the middle is built; a Module taken out is forgotten.
    CVConfig& middle = AddModule();
    AddDef(middle, "walk", ParamNone);
    ASSERT_TRUE(doc.MoveModule(middle, true));
    EXPECT_TRUE(offers.Update(doc, 1));
    EXPECT_NE(offers.Find("walk", 2), nullptr);
    std::unique_ptr<CVConfig> taken = doc.RemoveModule(middle, true);
    ASSERT_NE(taken, nullptr);
    EXPECT_TRUE(offers.Update(doc, 0));
    EXPECT_EQ(offers.Find("walk", 2), nullptr);
    EXPECT_EQ(OfferedNames(2), (std::vector<std::string>{"jump", "run", "stroll"}));
}

} // namespace
} // namespace vantor
