// The object archive: string forms, object references and indices, and the read errors.

#include "ModelTestSupport.h"
#include "model/ArchiveError.h"
#include "model/ArchiveReader.h"
#include "model/ArchiveWriter.h"
#include "model/CCmdFrag.h"
#include "model/CVCommand.h"
#include "model/CVObList.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace vantor {
namespace {

using test::Hex;
using test::ToHex;
using Kind = ArchiveError::Kind;

std::optional<Kind> ReadErrorOf(std::string_view bytes) {
    try {
        CMTObj::ReadClipboardData(bytes);
    } catch (const ArchiveError& e) {
        return e.GetKind();
    }
    return std::nullopt;
}

// The record of an empty node named by one letter: name, flags, reserved, 0 children, 0
// fragments.
std::string EmptyNodeRecord(char name) {
    return Hex("01") + std::string(1, name) + Hex("00000000 00000000 00000000 00000000");
}

const std::string kListDescriptor = Hex("FFFF 0200 0800") + "CVObList";

TEST(ArchiveString, LengthFormsAtTheirLimits) {
    struct Case {
        std::size_t length;
        std::string prefix;
    };
    const Case cases[] = {
        {0, Hex("00")},
        {254, Hex("FE")},
        {255, Hex("FF FF00")},
        {65533, Hex("FF FDFF")},
        {65534, Hex("FF FFFF FEFF0000")},
        {70000, Hex("FF FFFF 70110100")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        const std::string text(c.length, 'x');
        std::string bytes;
        ArchiveWriter writer(bytes);
        writer.WriteString(text);
        EXPECT_EQ(ToHex(bytes.substr(0, c.prefix.size())), ToHex(c.prefix));
        EXPECT_EQ(bytes.size(), c.prefix.size() + c.length);

        ArchiveReader reader(bytes);
        EXPECT_EQ(reader.ReadString(), text);
        EXPECT_EQ(reader.Remaining(), 0u);
    }
}

TEST(ArchiveString, WideFormIsConvertedToTheCodePage) {
    // "A", euro sign, e acute, Greek omega (not in the code page), a pair of surrogates.
    const std::string units = Hex("4100 AC20 E900 A903 3DD8 00DE");
    struct Case {
        std::string length;
        std::string units;
        std::string expected;
    };
    const Case cases[] = {
        {Hex("FF FEFF 06"), units, "A\x80\xE9??"},
        {Hex("FF FEFF FF 0600"), units, "A\x80\xE9??"},
        {Hex("FF FEFF 01"), Hex("00D8"), "?"}, // a lone surrogate
        {Hex("FF FEFF 00"), "", ""},
    };
    for (const Case& c : cases) {
        const std::string bytes = c.length + c.units;
        ArchiveReader reader(bytes);
        EXPECT_EQ(reader.ReadString(), c.expected) << ToHex(bytes);
        EXPECT_EQ(reader.Remaining(), 0u);
    }
}

TEST(ArchiveString, DamagedLengthsAreErrors) {
    struct Case {
        const char* what;
        std::string bytes;
        Kind kind;
    };
    const Case cases[] = {
        {"64-bit length escape", Hex("FF FFFF FFFFFFFF 0100000000000000 41"), Kind::BadFormat},
        {"wide 64-bit escape", Hex("FF FEFF FF FFFF FFFFFFFF 01000000 00000000"), Kind::BadFormat},
        {"length beyond the data", Hex("FF FFFF F0FFFF7F") + "abc", Kind::EndOfFile},
        {"wide count beyond the data", Hex("FF FEFF FF FFFF F0FFFF7F 4100"), Kind::EndOfFile},
        {"odd wide bytes", Hex("FF FEFF 02 4100 42"), Kind::EndOfFile},
        {"byte form short", Hex("05") + "abc", Kind::EndOfFile},
        {"no length", "", Kind::EndOfFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ArchiveReader reader(c.bytes);
        try {
            reader.ReadString();
            ADD_FAILURE() << "read without error";
        } catch (const ArchiveError& e) {
            EXPECT_EQ(e.GetKind(), c.kind);
        }
    }
}

TEST(ArchiveObjects, EmptyStartupListIsFortyThreeBytes) {
    CVObList startups(TypeStartupList, "Startups");
    CVObList aliases(TypeAliasList, "Aliases");
    std::string bytes;
    ArchiveWriter writer(bytes);
    writer.WriteObject(&startups);
    const std::string expected = kListDescriptor + Hex("08") + "Startups" +
                                 Hex("00000000 00000000 00000000 00000000 14000000");
    ASSERT_EQ(bytes.size(), 43u);
    EXPECT_EQ(ToHex(bytes), ToHex(expected));

    // The next list of the same archive names its class by index 1.
    writer.WriteObject(&aliases);
    EXPECT_EQ(ToHex(bytes.substr(43, 2)), "01 80 ");
}

TEST(ArchiveObjects, ClassDescriptorIsWrittenOnceThenItsIndex) {
    CVObList list(TypeDefinitionList, "L");
    list.AddChild(test::Def("a"));
    list.AddChild(test::Def("b"));
    // Indices: 1 the list class, 2 the list, 3 the Definition class, 4 and 5 the Definitions.
    const std::string definitionRest = Hex("00 00000000 07000000 0000 E803 00000000 0000803F");
    const std::string expected = kListDescriptor + Hex("01") + "L" + Hex("00000000 00000000") +
                                 Hex("02000000") +                                     //
                                 Hex("FFFF 0200 0900") + "CVCommand" +                 //
                                 EmptyNodeRecord('a') + definitionRest +               //
                                 Hex("0380") + EmptyNodeRecord('b') + definitionRest + //
                                 Hex("00000000 11000000");
    EXPECT_EQ(ToHex(list.WriteClipboardData()), ToHex(expected));
}

TEST(ArchiveObjects, BigIndicesUseTheEscape) {
    // 0x7FFF Definitions push the fragment class to an index that needs the DWORD form.
    CVObList list(TypeStartupList, "big");
    for (int i = 0; i < 0x7FFF; ++i)
        list.AddChild(std::make_unique<CVCommand>());
    list.AddCommand(std::make_unique<CCmdFrag>());
    list.AddCommand(std::make_unique<CCmdFrag>());
    const std::string bytes = list.WriteClipboardData();

    // Classes and objects: list class 1, list 2, Definition class 3, Definitions 4 to
    // 0x8002, fragment class 0x8003. The second fragment: WORD 0x7FFF, DWORD 0x80008003,
    // its 30-byte record, then the list type.
    const std::size_t tagAt = bytes.size() - 4 - 30 - 6;
    EXPECT_EQ(ToHex(bytes.substr(tagAt, 6)), "FF 7F 03 80 00 80 ");

    std::unique_ptr<CMTObj> copy = CMTObj::ReadClipboardData(bytes);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->GetChildCount(), 0x7FFF);
    EXPECT_EQ(copy->GetCommandCount(), 2);
    EXPECT_EQ(copy->WriteClipboardData(), bytes);
}

TEST(ArchiveObjects, ReaderResolvesBackReferencesInEveryForm) {
    // A fragment (class 1, object 2), a back-reference to it in both forms, then a second
    // fragment whose class is named in the DWORD form.
    const std::string record = Hex("00 00 00000000 00000000 00000000 07000000 0000 E803 "
                                   "00000000 0000803F");
    const std::string bytes = Hex("FFFF 0200 0800") + "CCmdFrag" + record + Hex("0200") +
                              Hex("FF7F 02000000") + Hex("FF7F 01000080") + record + Hex("0000") +
                              Hex("FF7F 00000000");
    ArchiveReader reader(bytes);
    ArchiveReader::ObjectRef first = reader.ReadObject(CCmdFrag::kClass);
    ASSERT_TRUE(first.created);
    EXPECT_EQ(reader.ReadObject(CCmdFrag::kClass).existing, first.created.get());
    EXPECT_EQ(reader.ReadObject(CCmdFrag::kClass).existing, first.created.get());
    ArchiveReader::ObjectRef second = reader.ReadObject(CCmdFrag::kClass);
    ASSERT_TRUE(second.created);
    EXPECT_NE(second.created.get(), first.created.get());
    for (int i = 0; i < 2; ++i) { // null in the WORD and in the DWORD form
        ArchiveReader::ObjectRef none = reader.ReadObject(CCmdFrag::kClass);
        EXPECT_FALSE(none.created);
        EXPECT_EQ(none.existing, nullptr);
    }
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(ArchiveObjects, ReadErrorsEndTheRead) {
    const std::string list = kListDescriptor + Hex("01") + "L" + Hex("00000000 00000000");
    const std::string tail = Hex("00000000 14000000"); // no fragments, list type
    const std::string fragment = Hex("FFFF 0200 0800") + "CCmdFrag" +
                                 Hex("00 00 00000000 00000000 00000000 07000000 0000 E803 "
                                     "00000000 0000803F");
    struct Case {
        const char* what;
        std::string bytes;
        Kind kind;
    };
    const Case cases[] = {
        {"unknown class", Hex("FFFF 0200 0300") + "Foo", Kind::BadClass},
        {"class name of 64 bytes", Hex("FFFF 0200 4000") + std::string(64, 'A'), Kind::BadClass},
        {"abstract class", Hex("FFFF 0200 0600") + "CMTObj" + EmptyNodeRecord('x'), Kind::BadClass},
        {"fragment where a node is expected", fragment, Kind::BadClass},
        {"fragment as a child", list + Hex("01000000") + fragment + tail, Kind::BadClass},
        {"node as a fragment",
         list + Hex("00000000 01000000 0180") + EmptyNodeRecord('c') + Hex("14000000") +
             Hex("14000000"),
         Kind::BadClass},
        {"schema 1", Hex("FFFF 0100 0800") + "CVObList", Kind::BadSchema},
        {"schema 3", Hex("FFFF 0300 0800") + "CVObList", Kind::BadSchema},
        {"class index never assigned", Hex("0180"), Kind::BadIndex},
        {"class index 0", Hex("0080"), Kind::BadIndex},
        {"big class index 0", Hex("FF7F 00000080"), Kind::BadIndex},
        {"object index never assigned", Hex("0500"), Kind::BadIndex},
        {"big object index never assigned", Hex("FF7F 05000000"), Kind::BadIndex},
        {"class index naming an object", list + Hex("01000000 0280"), Kind::BadIndex},
        {"object index naming a class", list + Hex("01000000 0100"), Kind::BadIndex},
        {"child naming its parent", list + Hex("01000000 0200") + tail, Kind::BadIndex},
        {"child naming its sibling",
         list + Hex("02000000 0180") + EmptyNodeRecord('c') + Hex("11000000 0300") + tail,
         Kind::BadIndex},
        {"null child", list + Hex("01000000 0000") + tail, Kind::BadFormat},
        {"child count beyond the data", list + Hex("FFFFFF7F") + tail, Kind::EndOfFile},
        {"empty data", "", Kind::EndOfFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ReadErrorOf(c.bytes), c.kind);
    }
}

TEST(ArchiveObjects, EveryTruncationIsEndOfFile) {
    CVObList list(TypeAliasList, "Aliases");
    auto definition = test::Def("fov", ParamInteger);
    definition->SetDescription("field of view");
    definition->AddCommand(test::Frag("wait"));
    list.AddChild(std::move(definition));
    list.AddCommand(test::Frag("echo", ParamString, "hi"));
    const std::string bytes = list.WriteClipboardData();
    ASSERT_TRUE(CMTObj::ReadClipboardData(bytes));
    for (std::size_t n = 0; n < bytes.size(); ++n)
        EXPECT_EQ(ReadErrorOf(std::string_view(bytes).substr(0, n)), Kind::EndOfFile) << n;
}

TEST(ArchiveObjects, NegativeCountsReadNothing) {
    const std::string bytes =
        kListDescriptor + Hex("01") + "L" + Hex("01000000 00000000 FFFFFFFF 00000080 13000000");
    std::unique_ptr<CMTObj> node = CMTObj::ReadClipboardData(bytes);
    ASSERT_TRUE(node);
    EXPECT_EQ(node->GetChildCount(), 0);
    EXPECT_EQ(node->GetCommandCount(), 0);
    EXPECT_EQ(node->GetType(), TypeBindList);
}

// A chain of lists, each the only child of the one before.
std::string NestedLists(int depth) {
    std::string bytes;
    for (int level = 0; level < depth; ++level) {
        bytes += level == 0 ? kListDescriptor : Hex("0180");
        bytes += Hex("01") + "n" + Hex("00000000 00000000");
        bytes += Hex(level + 1 < depth ? "01000000" : "00000000");
    }
    for (int level = 0; level < depth; ++level)
        bytes += Hex("00000000 11000000");
    return bytes;
}

TEST(ArchiveObjects, NestingIsLimited) {
    std::unique_ptr<CMTObj> deepest =
        CMTObj::ReadClipboardData(NestedLists(ArchiveReader::kMaxDepth));
    ASSERT_TRUE(deepest);
    EXPECT_EQ(ReadErrorOf(NestedLists(ArchiveReader::kMaxDepth + 1)), Kind::BadFormat);
}

TEST(ArchiveObjects, WholeTreeRoundTripGivesIdenticalBytes) {
    CVObList root(TypeAliasList, "Root");
    root.SetExpanded(true);
    auto inner = std::make_unique<CVObList>(TypeStartupList, "In\xE9ner");
    auto definition = test::Def("sensitivity", ParamReal);
    definition->SetIntMin(-100);
    definition->SetRealMin(-0.5f);
    definition->SetRealMax(2.25f);
    definition->SetUseSlider(true);
    definition->SetCustomImage(true);
    definition->SetStoredImage(9);
    definition->SetDescription(std::string(300, 'd'));
    definition->AddCommand(test::Frag("attack", ParamAction, "-"));
    auto bound = std::make_unique<CCmdFrag>();
    bound->CopyFromDefinition(*definition);
    bound->SetParam("1.5");
    definition->AddCommand(std::move(bound));
    inner->AddChild(std::move(definition));
    inner->AddCommand(test::Frag("say", ParamString, "hello world"));
    root.AddChild(std::move(inner));
    root.AddChild(test::Def("wait", ParamNone));
    root.AddCommand(test::Frag("bind_x", ParamUserDefined, "\"quoted\" rest"));

    const std::string bytes = root.WriteClipboardData();
    std::unique_ptr<CMTObj> copy = CMTObj::ReadClipboardData(bytes);
    ASSERT_TRUE(copy);
    EXPECT_EQ(ToHex(copy->WriteClipboardData()), ToHex(bytes));

    // Spot checks that the fields came back, not only the bytes.
    ASSERT_EQ(copy->GetChildCount(), 2);
    EXPECT_TRUE(copy->IsExpanded());
    const CMTObj* copiedInner = copy->GetChild(0);
    EXPECT_EQ(copiedInner->GetName(), "In\xE9ner");
    EXPECT_EQ(copiedInner->GetParent(), copy.get());
    const auto* copiedDefinition = dynamic_cast<const CVCommand*>(copiedInner->GetChild(0));
    ASSERT_NE(copiedDefinition, nullptr);
    EXPECT_EQ(copiedDefinition->GetIntMin(), -100);
    EXPECT_EQ(copiedDefinition->GetRealMin(), -0.5f);
    EXPECT_EQ(copiedDefinition->GetCommandImage(), 9);
    EXPECT_TRUE(copiedDefinition->GetUseSlider());
    ASSERT_EQ(copiedDefinition->GetCommandCount(), 2);
    EXPECT_EQ(copiedDefinition->GetCommand(0)->GetText(), "-attack");
    EXPECT_EQ(copiedDefinition->GetCommand(1)->GetText(), "sensitivity 1.5");
    EXPECT_EQ(copiedDefinition->GetCommand(1)->GetOwner(), copiedDefinition);
    EXPECT_EQ(copy->GetCommand(0)->GetParam(), "\"quoted\" rest");
}

} // namespace
} // namespace vantor
