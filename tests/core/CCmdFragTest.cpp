// Command fragments: parameter checks, defaults, console text and command sequences.

#include "ModelTestSupport.h"
#include "model/CVConfig.h"
#include "model/CVObList.h"
#include "resources/StringIds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace vantor {
namespace {

using test::Frag;
using test::RecordingObserver;

// A fragment bound to a Definition of the given type and ranges.
std::unique_ptr<CCmdFrag> Bound(int type, int intMin = 0, int intMax = 1000, float realMin = 0,
                                float realMax = 1) {
    CVCommand definition;
    definition.Rename("cmd");
    definition.SetDefParamType(type);
    definition.SetIntMin(static_cast<std::int16_t>(intMin));
    definition.SetIntMax(static_cast<std::int16_t>(intMax));
    definition.SetRealMin(realMin);
    definition.SetRealMax(realMax);
    auto fragment = std::make_unique<CCmdFrag>();
    fragment->CopyFromDefinition(definition);
    return fragment;
}

TEST(CCmdFrag, SetParamByType) {
    struct Case {
        int type;
        int intMin, intMax;
        float realMin, realMax;
        const char* text;
        int result;
        const char* stored; // the parameter afterwards
    };
    const Case cases[] = {
        // None and unset: always empty.
        {0, 0, 1000, 0, 1, "abc", 0, ""},
        {1, 0, 1000, 0, 1, "abc", 0, ""},
        // Action and Toggle: by the first character.
        {2, 0, 1000, 0, 1, "+", 0, "1"},
        {2, 0, 1000, 0, 1, "1xyz", 0, "1"},
        {2, 0, 1000, 0, 1, "-", 0, "0"},
        {2, 0, 1000, 0, 1, "0", 0, "0"},
        {2, 0, 1000, 0, 1, "", 0, "2"},
        {2, 0, 1000, 0, 1, "2", 0, "2"},
        {2, 0, 1000, 0, 1, "x", 1, "1"},
        {3, 0, 1000, 0, 1, "0", 0, "0"},
        {3, 0, 1000, 0, 1, "1", 0, "1"},
        {3, 0, 1000, 0, 1, "", 0, "2"},
        {3, 0, 1000, 0, 1, "+", 1, "1"},
        // Integer: the text as typed, when its leading number is in range.
        {4, 0, 1000, 0, 1, "12abc", 0, "12abc"},
        {4, 0, 1000, 0, 1, " \t+7", 0, " \t+7"},
        {4, 0, 1000, 0, 1, "x", 181, "0"},
        {4, 0, 1000, 0, 1, "", 181, "0"},
        {4, 0, 1000, 0, 1, "- 5", 181, "0"},
        {4, 0, 1000, 0, 1, "1001", 184, "0"},
        {4, 0, 1000, 0, 1, "-1", 184, "0"},
        {4, -100, 100, 0, 1, "-100", 0, "-100"},
        {4, 5, 5, 0, 1, "123456", 0, "123456"}, // no range
        {4, 9, 2, 0, 1, "-2147483648", 0, "-2147483648"},
        {4, 5, 5, 0, 1, "99999999999", 184, "0"}, // never wrapped into range
        {4, 5, 5, 0, 1, "2147483648", 184, "0"},
        {4, 5, 5, 0, 1, "-2147483649", 184, "0"},
        {4, 5, 5, 0, 1, "99999999999999999999999", 184, "0"},
        // Real: likewise.
        {5, 0, 1000, 0, 1, "0.5", 0, "0.5"},
        {5, 0, 1000, 0, 1, " .5x", 0, " .5x"},
        {5, 0, 1000, 0, 1, "1e-1", 0, "1e-1"},
        {5, 0, 1000, 0, 1, "1", 0, "1"},
        {5, 0, 1000, 0, 1, "1.5", 185, "0.000000"},
        {5, 0, 1000, 0, 1, "-0.1", 185, "0.000000"},
        {5, 0, 1000, 0, 1, "abc", 182, "0.000000"},
        {5, 0, 1000, 0, 1, "+-1", 182, "0.000000"},
        {5, 0, 1000, 0, 1, "inf", 182, "0.000000"},
        {5, 0, 1000, 0, 1, "nan", 182, "0.000000"},
        {5, 0, 1000, 1, 1, "-12345.5", 0, "-12345.5"}, // no range
        {5, 0, 1000, 1, 1, "1e39", 185, "0.000000"},   // does not fit a float
        // String: anything without a double quote.
        {6, 0, 1000, 0, 1, "hello world", 0, "hello world"},
        {6, 0, 1000, 0, 1, "say \"hi\"", 211, ""},
        // User and user-defined: anything.
        {7, 0, 1000, 0, 1, "a \"b\" ;c", 0, "a \"b\" ;c"},
        {8, 0, 1000, 0, 1, "// x", 0, "// x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + " '" + c.text + "'");
        auto fragment = Bound(c.type, c.intMin, c.intMax, c.realMin, c.realMax);
        EXPECT_EQ(fragment->SetParam(c.text), c.result);
        EXPECT_EQ(fragment->GetParam(), c.stored);
    }

    // An unknown type stores nothing and refuses nothing.
    auto fragment = Bound(4);
    fragment->SetParamType(42);
    EXPECT_EQ(fragment->SetParam("abc"), 0);
    EXPECT_EQ(fragment->GetParam(), "0");
}

TEST(CCmdFrag, SetParamTypeResetsTheParameter) {
    struct Case {
        int type;
        int intMin, intMax;
        float realMin, realMax;
        const char* param;
    };
    const Case cases[] = {
        {4, 0, 1000, 0, 1, "0"},
        {4, -7, 3, 0, 1, "-7"},
        {4, 10, 5, 0, 1, "0"},
        {4, 5, 5, 0, 1, "0"},
        {5, 0, 1000, 0, 1, "0.000000"},
        {5, 0, 1000, 0.25f, 1, "0.250000"},
        {5, 0, 1000, -1.5f, 1, "-1.500000"},
        {5, 0, 1000, 1, 0, "0.000000"},
        {2, 0, 1000, 0, 1, "1"},
        {3, 0, 1000, 0, 1, "1"},
        {6, 0, 1000, 0, 1, ""},
        {1, 0, 1000, 0, 1, ""},
    };
    for (const Case& c : cases) {
        auto fragment = Bound(c.type, c.intMin, c.intMax, c.realMin, c.realMax);
        EXPECT_EQ(fragment->GetParam(), c.param) << c.type << " " << c.intMin << " " << c.realMin;
    }

    auto fragment = Bound(6);
    fragment->SetParam("text");
    fragment->SetParamType(8);
    EXPECT_EQ(fragment->GetImage(), 8);
    EXPECT_EQ(fragment->GetParam(), "");
    fragment->SetParam("kept");
    fragment->SetParamType(99);
    EXPECT_EQ(fragment->GetParam(), "kept");
    EXPECT_EQ(fragment->GetParamType(), 99);
}

TEST(CCmdFrag, SetCommandTrimsAndChecks) {
    CCmdFrag fragment;
    EXPECT_EQ(fragment.SetCommand("  fov \t"), 0);
    EXPECT_EQ(fragment.GetCommand(), "fov");
    EXPECT_EQ(fragment.SetCommand("cl.x"), IDS_COMMAND_INVALID);
    EXPECT_EQ(fragment.SetCommand("+attack"), IDS_COMMAND_INVALID);
    EXPECT_EQ(fragment.GetCommand(), "fov");
    EXPECT_EQ(fragment.SetCommand("   "), 0);
    EXPECT_EQ(fragment.GetCommand(), "");
}

TEST(CCmdFrag, CopyFromDefinitionTakesRangeImageAndSlider) {
    CVCommand definition;
    definition.Rename("fov");
    definition.SetDefParamType(ParamInteger);
    definition.SetIntMin(-100);
    definition.SetIntMax(100);
    definition.SetUseSlider(true);

    CCmdFrag fragment;
    fragment.SetParamType(ParamUserDefined);
    fragment.SetParam("45");
    fragment.CopyFromDefinition(definition);
    EXPECT_EQ(fragment.GetCommand(), "fov");
    EXPECT_EQ(fragment.GetParamType(), ParamInteger);
    EXPECT_EQ(fragment.GetParam(), "-100");
    EXPECT_EQ(fragment.GetImage(), 3);
    EXPECT_TRUE(fragment.GetUseSlider());
    EXPECT_EQ(fragment.SetParam("101"), IDS_INTEGER_OUT_OF_RANGE);

    definition.SetCustomImage(true);
    definition.SetStoredImage(9);
    definition.SetUseSlider(false);
    fragment.CopyFromDefinition(definition);
    EXPECT_EQ(fragment.GetImage(), 9);
    EXPECT_FALSE(fragment.GetUseSlider());
}

TEST(CCmdFrag, GetRealParam) {
    auto fragment = Bound(ParamReal, 0, 0, -1, 1);
    float value = 7;
    fragment->SetParam(" 0.25 junk");
    EXPECT_TRUE(fragment->GetRealParam(value));
    EXPECT_EQ(value, 0.25f);
    fragment->SetParamType(ParamUser);
    fragment->SetParam("5");
    fragment->SetParamType(ParamReal); // reset to the minimum
    EXPECT_TRUE(fragment->GetRealParam(value));
    EXPECT_EQ(value, -1.0f);
    fragment->SetParamType(ParamUser);
    fragment->SetParam("2");
    value = 7;
    EXPECT_FALSE(fragment->GetRealParam(value)); // out of range
    fragment->SetParam("x");
    EXPECT_FALSE(fragment->GetRealParam(value));
    EXPECT_EQ(value, 7.0f);
}

TEST(CCmdFrag, FormatCommandByTypeAndPlace) {
    struct Case {
        const char* command;
        int type;
        const char* param;
        bool standAlone, inBind;
        const char* expected; // null: cannot be written
    };
    const Case cases[] = {
        {"", 1, "", true, false, nullptr},
        {"wait", 1, "", false, false, "wait"},
        {"attack", 2, "+", false, false, "+attack"},
        {"attack", 2, "-", true, true, "-attack"},
        {"attack", 2, "2", true, true, "attack"},
        {"attack", 2, "2", true, false, nullptr},
        {"attack", 2, "2", false, true, nullptr},
        {"crouch", 3, "1", false, false, "crouch 1"},
        {"crouch", 3, "0", false, false, "crouch 0"},
        {"crouch", 3, "2", false, false, "crouch"},
        {"say", 6, "hello", true, false, "say \"hello\""},
        {"say", 6, "hello", true, true, "say hello"},
        {"say", 6, "hello", false, false, "say hello"},
        {"say", 6, "", false, false, "say "},
        {"fov", 4, "90", true, false, "fov 90"},
        {"sens", 5, "0.5", false, false, "sens 0.5"},
        {"exec", 7, "a.cfg", false, false, "exec a.cfg"},
        {"bind_x", 8, "", false, false, "bind_x"},
        {"bind_x", 8, "a b", false, false, "bind_x a b"},
        {"fresh", 0, "", true, false, "fresh"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + c.param);
        auto fragment = Frag(c.command, c.type, c.param);
        std::string out = "untouched";
        EXPECT_EQ(fragment->FormatCommand(out, c.standAlone, c.inBind), c.expected != nullptr);
        EXPECT_EQ(out, c.expected ? c.expected : "untouched");
    }
}

TEST(CCmdFrag, UpdateTextShowsTheStandAloneForm) {
    RecordingObserver library;
    CVConfig module;
    module.SetLibrary(&library);
    CVObList& startups = *module.GetList(TypeStartupList);
    startups.AddCommand(std::make_unique<CCmdFrag>());
    CCmdFrag& fragment = *startups.GetCommand(0);
    EXPECT_EQ(fragment.GetText(), "???");

    fragment.SetCommand("say");
    fragment.SetParamType(ParamString);
    fragment.SetParam("hi");
    EXPECT_EQ(fragment.GetText(), "???"); // only UpdateText recomputes it
    fragment.UpdateText();
    EXPECT_EQ(fragment.GetText(), "say \"hi\"");

    // An Action toggle has no stand-alone form: the old text stays.
    fragment.SetCommand("attack");
    fragment.SetParamType(ParamAction);
    fragment.SetParam("2");
    fragment.UpdateText();
    EXPECT_EQ(fragment.GetText(), "say \"hi\"");
    fragment.SetParam("+");
    fragment.UpdateText();
    EXPECT_EQ(fragment.GetText(), "+attack");

    fragment.SetCommand("");
    fragment.UpdateText();
    EXPECT_EQ(fragment.GetText(), "???");
    EXPECT_EQ(std::count(library.events.begin(), library.events.end(), "fragment ???"), 1);
    EXPECT_EQ(library.events.back(), "fragment ???");
}

TEST(CCmdFrag, BuildCommandText) {
    const std::string q = "\"";
    struct Case {
        const char* what;
        int nodeType;
        std::vector<std::tuple<const char*, int, const char*>> fragments;
        const char* expected; // null: fails
    };
    const Case cases[] = {
        {"alias", TypeAlias, {{"attack", 2, "+"}, {"wait", 1, ""}}, "\"+attack;wait\""},
        {"bind, one string", TypeBind, {{"say", 6, "hello"}}, "\"say hello\""},
        {"alias, one string", TypeAlias, {{"say", 6, "hello"}}, "\"say \"hello\"\""},
        {"bind, one toggle", TypeBind, {{"attack", 2, "2"}}, "\"attack\""},
        {"alias, one toggle", TypeAlias, {{"attack", 2, "2"}}, nullptr},
        {"bind, toggle and more", TypeBind, {{"attack", 2, "2"}, {"wait", 1, ""}}, nullptr},
        {"three", TypeActionHalf, {{"a", 1, ""}, {"b", 1, ""}, {"c", 1, ""}}, "\"a;b;c\""},
        {"strings among others", TypeAlias, {{"say", 6, "hi"}, {"wait", 1, ""}}, "\"say hi;wait\""},
        {"empty command", TypeAlias, {{"wait", 1, ""}, {"", 1, ""}}, nullptr},
        {"nothing", TypeAlias, {}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TypedNode node(c.nodeType);
        for (const auto& [command, type, param] : c.fragments)
            node.AddCommand(Frag(command, type, param));
        std::string out = "untouched";
        EXPECT_EQ(node.BuildCommandText(out), c.expected != nullptr);
        EXPECT_EQ(out, c.expected ? c.expected : "untouched");
    }
}

} // namespace
} // namespace vantor
