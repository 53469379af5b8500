#include "model/ScriptTokenizer.h"

#include "model/AsciiText.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

using namespace vantor;

namespace {

struct Case {
    std::string_view input;
    std::vector<std::string> tokens;
    std::string_view restAtEnd; // the rest once Next has returned false
};

template <class Tokenizer> void ExpectTokens(const Case& c) {
    SCOPED_TRACE(std::string("input: [") + std::string(c.input) + "]");
    Tokenizer tokenizer(c.input);
    std::vector<std::string> tokens;
    while (tokenizer.Next())
        tokens.emplace_back(tokenizer.Token());
    EXPECT_EQ(tokens, c.tokens);
    EXPECT_EQ(tokenizer.Token(), "");
    EXPECT_EQ(tokenizer.Rest(), c.restAtEnd);
}

} // namespace

TEST(AsciiText, UsesTheCLocaleRulesOnEveryByte) {
    for (int i = 0; i < 256; ++i) {
        const char c = static_cast<char>(i);
        const bool space = i == ' ' || (i >= '\t' && i <= '\r');
        EXPECT_EQ(ascii::IsSpace(c), space) << i;
        const char upper = (i >= 'a' && i <= 'z') ? static_cast<char>(i - 32) : c;
        const char lower = (i >= 'A' && i <= 'Z') ? static_cast<char>(i + 32) : c;
        EXPECT_EQ(ascii::ToUpper(c), upper) << i;
        EXPECT_EQ(ascii::ToLower(c), lower) << i;
    }
    EXPECT_EQ(ascii::ToLower("MOUSE2 \xC4_Z"), "mouse2 \xC4_z");
    EXPECT_EQ(ascii::ToUpper("bind \xE4z"), "BIND \xE4Z");
    EXPECT_EQ(ascii::Trim(" \t\v\f\r\n a b \n"), "a b");
    EXPECT_EQ(ascii::Trim("\xA0x\xA0"), "\xA0x\xA0");
    EXPECT_EQ(ascii::Trim(" \t "), "");
    EXPECT_TRUE(ascii::EqualsNoCase("ALias", "alIAS"));
    EXPECT_FALSE(ascii::EqualsNoCase("alias", "aliases"));
    EXPECT_FALSE(ascii::EqualsNoCase("\xC4", "\xE4"));
}

TEST(ScriptTokenizer, WordTokenizerSplitsAtWhiteSpaceAndQuotes) {
    const Case cases[] = {
        {"", {}, ""},
        {" \t\r\n ", {}, ""},
        {"alias zoom fov 30", {"alias", "zoom", "fov", "30"}, ""},
        {"  bind\tmouse1\v+attack\f;x\r\n", {"bind", "mouse1", "+attack", ";x"}, ""},
        {R"(alias zoom "fov 30; sensitivity 2")",
         {"alias", "zoom", R"("fov 30; sensitivity 2")"},
         ""},
        {R"(say "no closing quote  )", {"say", R"("no closing quote)"}, ""},
        {R"("a b"c d)", {R"("a b")", "c", "d"}, ""},
        {R"(echo "" next)", {"echo", R"("")", "next"}, ""},
        {R"(")", {R"(")"}, ""},
        {"bind x attack // fire", {"bind", "x", "attack"}, "// fire"},
        {"  // whole line", {}, "// whole line"},
        {"a//b / c//", {"a//b", "/", "c//"}, ""},
        {"x\xA0y", {"x\xA0y"}, ""},
    };
    for (const Case& c : cases)
        ExpectTokens<WordTokenizer>(c);
}

TEST(ScriptTokenizer, WordTokenizerRestIsTheTextAfterTheWord) {
    WordTokenizer words("alias   zoom \t \"fov 30\"  // keep ");
    ASSERT_TRUE(words.Next());
    EXPECT_EQ(words.Rest(), "zoom \t \"fov 30\"  // keep");
    ASSERT_TRUE(words.Next());
    EXPECT_EQ(words.Token(), "zoom");
    EXPECT_EQ(words.Rest(), "\"fov 30\"  // keep");

    // The tokenizer owns its text: a temporary argument does not dangle.
    WordTokenizer fromTemporary(std::string("bind ") + "mouse1 +attack");
    ASSERT_TRUE(fromTemporary.Next());
    EXPECT_EQ(fromTemporary.Rest(), "mouse1 +attack");
}

TEST(ScriptTokenizer, CommandSplitterSplitsAtSemicolons) {
    const Case cases[] = {
        {"", {}, ""},
        {"  \t", {}, ""},
        {"unbindall", {"unbindall"}, ""},
        {"fov 30; sensitivity 2", {"fov 30", " sensitivity 2"}, ""},
        {R"(  "fov 30;sensitivity 2"  )", {"fov 30", "sensitivity 2"}, ""},
        {R"("say "x;y"")", {"say "}, ""},
        {R"("open; x)", {"open", " x"}, ""},
        {R"(a "b;c")", {R"(a "b)", R"(c")"}, ""},
        {"a;;b", {"a", "", "b"}, ""},
        {"a;", {"a"}, ""},
        {";", {""}, ""},
        {";;", {"", ""}, ""},
        {"\t a ;b \t", {"a ", "b"}, ""},
        {"wait; // done", {"wait", " // done"}, ""},
        {R"("")", {}, ""},
    };
    for (const Case& c : cases)
        ExpectTokens<CommandSplitter>(c);
}

TEST(ScriptTokenizer, QuoteStripCutsAtTheNextQuote) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {R"("mouse1")", "mouse1"},
        {R"("say "x;y"")", "say "},
        {R"("open)", "open"},
        {R"("")", ""},
        {R"(")", ""},
        {"", ""},
        {R"(abc")", R"(abc")"},
        {R"( "a")", R"( "a")"},
        {R"(a"b"c)", R"(a"b"c)"},
    };
    for (const auto& [input, expected] : cases)
        EXPECT_EQ(QuoteStrip(input), expected) << input;
}

TEST(ScriptTokenizer, LongLinesAreSplitInLinearTime) {
    // A quadratic tokenizer (copying the rest at each step) would not finish here.
    constexpr std::size_t kPieces = 400000;
    std::string commands;
    std::string words;
    for (std::size_t i = 0; i < kPieces; ++i) {
        commands += "x;";
        words += "w ";
    }

    CommandSplitter splitter(commands);
    std::size_t pieces = 0;
    while (splitter.Next())
        pieces += splitter.Token() == "x";
    EXPECT_EQ(pieces, kPieces);

    WordTokenizer tokenizer(words);
    std::size_t count = 0;
    while (tokenizer.Next())
        count += tokenizer.Token() == "w";
    EXPECT_EQ(count, kPieces);
}
