// Definitions: renaming and their archive record.

#include "ModelTestSupport.h"
#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/TextOutput.h"
#include "resources/StringIds.h"

#include <gtest/gtest.h>

#include <string>

namespace vantor {
namespace {

TEST(CVCommand, RenameTrimsAndChecks) {
    struct Case {
        const char* name;
        int result;
        const char* stored;
    };
    const Case cases[] = {
        {"  cl_forwardspeed \t", 0, "cl_forwardspeed"},
        {"my cmd", IDS_DEFINITION_NAME_INVALID, "old"},
        {"a.b", IDS_DEFINITION_NAME_INVALID, "old"},
        {"+zoom", IDS_DEFINITION_NAME_INVALID, "old"},
        {" \t\r\n", IDS_DEFINITION_NAME_EMPTY, "old"},
        {"", IDS_DEFINITION_NAME_EMPTY, "old"},
    };
    for (const Case& c : cases) {
        CVCommand definition;
        definition.Rename("old");
        EXPECT_EQ(definition.Rename(c.name), c.result) << c.name;
        EXPECT_EQ(definition.GetName(), c.stored) << c.name;
    }
}

TEST(CVCommand, RecordRoundTripKeepsSignedLimits) {
    CVCommand definition;
    definition.Rename("crouch");
    definition.SetDefParamType(ParamToggle);
    definition.SetDescription("duck");
    definition.SetIntMin(-100);
    definition.SetIntMax(-1);
    definition.SetRealMin(-2.5f);

    std::string bytes;
    ArchiveWriter writer(bytes);
    definition.Write(writer);
    // After the node record: description, type, image, the two WORDs, the two floats.
    const std::string tail =
        test::Hex("04") + "duck" + test::Hex("03000000 07000000 9CFF FFFF 000020C0 0000803F");
    EXPECT_EQ(test::ToHex(bytes.substr(bytes.size() - tail.size())), test::ToHex(tail));

    CVCommand copy;
    ArchiveReader reader(bytes);
    copy.Read(reader);
    EXPECT_EQ(copy.GetName(), "crouch");
    EXPECT_EQ(copy.GetDefParamType(), ParamToggle);
    EXPECT_EQ(copy.GetDescription(), "duck");
    EXPECT_EQ(copy.GetIntMin(), -100);
    EXPECT_EQ(copy.GetIntMax(), -1);
    EXPECT_EQ(copy.GetRealMin(), -2.5f);
    EXPECT_EQ(copy.GetRealMax(), 1.0f);
}

TEST(CVCommand, WritesNoScript) {
    auto definition = test::Def("wait", ParamNone);
    definition->AddCommand(test::Frag("echo", ParamUserDefined, "x"));
    std::string text;
    TextOutput out(text);
    definition->WriteScript(out);
    EXPECT_EQ(text, "");
}

} // namespace
} // namespace vantor
