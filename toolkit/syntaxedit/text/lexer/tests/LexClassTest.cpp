// Lex classes from scheme text: properties, attributes, trees and tag matching.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <thread>

#include "KTSyntaxEditLexTextSchema.h"
#include "TestText.h"

namespace
{

CKTSyntaxEditLexTextSchema::Ptr Schema(const std::string& body)
{
    CKTSyntaxEditLexClassInfoArray infos;
    CKTSyntaxEditSchemaReader().ParseSource(body, infos);
    auto schema = KTMakeCounted<CKTSyntaxEditLexTextSchema>("test");
    schema->LoadClasses(infos);
    return schema;
}

// The class of the full tree with that name, depth first.
CKTSyntaxEditLexClass* TreeClass(const CKTSyntaxEditLexClass::List& list, const std::string& name)
{
    for (const auto& cls : list)
    {
        if (cls->GetName() == name)
            return cls.GetInterface();
        if (auto* found = TreeClass(cls->GetChildren(), name))
            return found;
        if (auto* found = TreeClass(cls->GetChildrenOfSecondKind(), name))
            return found;
    }
    return nullptr;
}

const char* const kFile = "lexClass:\nname = file\nparent:file = <*.TXT|*.t>\n";

// Blocks of a parse as "class start.row:start.col-end.row:end.col".
std::vector<std::string> Parse(CKTSyntaxEditLexTextSchema& schema, const std::string& text)
{
    CTestText source(text, ".t");
    CKTSyntaxEditLexCursor cursor(source);
    schema.RunParseUpdate(true, cursor, nullptr, nullptr, false);
    std::vector<std::string> out;
    for (const auto& b : schema.GetBlocks())
        if (b.nDepth > 0)
            out.push_back(b.strClass + " " + std::to_string(b.posStart.nRow) + ":" + std::to_string(b.posStart.nCol) +
                          "-" + std::to_string(b.posEnd.nRow) + ":" + std::to_string(b.posEnd.nCol));
    return out;
}

TEST(LexClass, NamesOfPropertiesAndAttributesIgnoreCase)
{
    auto schema = Schema(std::string(kFile) + "lexClass:\nname = c\nparent = file\nEND:Tag = 'x'\nCASESENSITIVE = 1\n");
    auto* c = TreeClass(schema->GetClassSet().GetClassTree(false), "c");
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->GetProperty("end:tag")->TakesPart());
    EXPECT_TRUE(c->IsCaseSensitive());
    EXPECT_TRUE(c->IsPropertyKnown("Token:Start:Separators"));
    EXPECT_FALSE(c->IsPropertyKnown("token:middle"));
}

TEST(LexClass, AttributeValuesAreTyped)
{
    auto schema = Schema(std::string(kFile) +
                         "lexClass:\nname = c\nparent = file\ntxt:colorFG = 0xFF0000\ntxt:colorBK = 255\n"
                         "RecurrenceDepth = 010\ntxt:Bold = bold\nCollapsedText = '{..}'\nEnd:Class:Parent = This\n");
    auto* c = TreeClass(schema->GetClassSet().GetClassTree(false), "c");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->GetTextAttributes().clrText, 0x0000FFu);
    EXPECT_EQ(c->GetTextAttributes().clrBack, 0xFF0000u);
    EXPECT_EQ(c->GetAttributeInt("RecurrenceDepth", false, 0), 8);
    EXPECT_EQ(c->GetTextAttributes().nWeight, 255);
    EXPECT_EQ(c->GetAttribute("collapsedtext", false)->GetString(), "{..}");
    EXPECT_TRUE(c->IsEndClassParentThis());
}

// "RestartRunLoop" is the class's own and true unless written otherwise; a
// working tag list written in a file is no attribute and is built anew.
TEST(LexClass, RestartRunLoopAndWrittenActiveTags)
{
    auto schema = Schema("lexClass:\nname = file\nparent:file = <*.t>\nRestartRunLoop = 0\n"
                         "lexClass:\nname = c\nparent = file\nstart:tag = 'a'\n_active_tags = 'zz'\n");
    auto& tree = schema->GetClassSet().GetClassTree(false);
    auto* c = TreeClass(tree, "c");
    ASSERT_NE(c, nullptr);
    EXPECT_FALSE(TreeClass(tree, "file")->IsRestartRunLoop());
    EXPECT_TRUE(c->IsRestartRunLoop());
    EXPECT_EQ(c->GetAttribute("_active_tags", false), nullptr);
    CKTSyntaxEditLexValue active;
    ASSERT_TRUE(c->GetPropertyValue("_active_tags", active));
    EXPECT_EQ(active.GetList().size(), 1u);
    EXPECT_EQ(active.GetList()[0].GetStrings(), std::vector<std::string>{"a"});
}

TEST(LexClass, CloseLeavesAnEmptyClass)
{
    auto schema =
        Schema(std::string(kFile) + "lexClass:\nname = c\nparent = file\nstart:tag = 'a'\nDisplayName = 'C'\n");
    CKTSyntaxEditLexClass::Ptr file = schema->GetClassSet().GetClassTree(false).at(0);
    CKTSyntaxEditLexClass::Ptr c = file->GetChildren().at(0);
    file->Close();
    c->Close();
    EXPECT_TRUE(file->GetChildren().empty());
    EXPECT_EQ(c->GetParent(), nullptr);
    EXPECT_FALSE(c->GetProperty(CKTSyntaxEditLexClass::ktStartTag).TakesPart());
    EXPECT_TRUE(c->GetAttributes().empty());
}

TEST(LexClass, QuotedEndClassParentIsStoredWithoutItsQuotes)
{
    auto schema = Schema(std::string(kFile) + "lexClass:\nname = c\nparent = file\nEnd:Class:Parent = 'this'\n");
    auto* c = TreeClass(schema->GetClassSet().GetClassTree(false), "c");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->GetAttribute("end:class:parent", false)->GetString(), "this");
    EXPECT_TRUE(c->IsEndClassParentThis());
}

TEST(LexClass, CaseSensitivityAndColoursComeFromTheParent)
{
    auto schema = Schema("lexClass:\nname = file\nparent:file = <*.t>\nCaseSensitive = 1\ntxt:colorFG = 0x010203\n"
                         "lexClass:\nname = c\nparent = file\n");
    auto* c = TreeClass(schema->GetClassSet().GetClassTree(false), "c");
    EXPECT_TRUE(c->IsCaseSensitive());
    EXPECT_EQ(c->GetTextAttributes().clrText, 0x030201u);
}

TEST(LexClass, ChildrenKindsAndParentLines)
{
    auto schema =
        Schema(std::string(kFile) + "lexClass:\nname = a\nparent = file\nchildren = 0\n"
                                    "lexClass:\nname = b\nparent = file\nchildren = x, y\nchildren = z\n"
                                    "lexClass:\nname = x\nparent = a, b\nlexClass:\nname = y\nparent:DYN = b\n"
                                    "lexClass:\nname = w\nparent:other = file\n");
    const auto& set = schema->GetClassSet();
    EXPECT_EQ(set.FindClass("a")->GetChildrenKind(), CKTSyntaxEditLexClass::ktChildrenNone);
    EXPECT_EQ(set.FindClass("b")->GetChildrenNames(), (std::vector<std::string>{"x", "y", "z"}));
    EXPECT_EQ(set.FindClass("y")->GetParentKind(), CKTSyntaxEditLexClass::ktParentDyn);
    EXPECT_EQ(set.FindClass("w")->GetParentKind(), CKTSyntaxEditLexClass::ktParentNone);
    auto* a = TreeClass(set.GetClassTree(false), "a");
    EXPECT_TRUE(a->GetChildren().empty());  // "children = 0" refuses x
    auto* b = TreeClass(set.GetClassTree(false), "b");
    ASSERT_EQ(b->GetChildren().size(), 1u);
    EXPECT_EQ(b->GetChildren()[0]->GetName(), "x");
    ASSERT_EQ(b->GetChildrenOfSecondKind().size(), 1u);
    EXPECT_EQ(b->GetChildrenOfSecondKind()[0]->GetName(), "y");
}

TEST(LexClass, OnScreenClassesStayOutOfTheBackgroundTreeButKeepTheirIDs)
{
    auto schema = Schema(std::string(kFile) + "lexClass:\nname = a\nparent = file\nParseOnScreen = 1\n"
                                              "lexClass:\nname = b\nparent = file\n");
    const auto& set = schema->GetClassSet();
    EXPECT_NE(TreeClass(set.GetClassTree(false), "a"), nullptr);
    EXPECT_EQ(TreeClass(set.GetClassTree(true), "a"), nullptr);
    int id = TreeClass(set.GetClassTree(true), "b")->GetAttributeInt("ClassID", false, 0);
    EXPECT_GT(id, 0);
    EXPECT_EQ(CKTSyntaxEditLexClassSet::FindClassByID(set.GetClassTree(false), id)->GetName(), "b");
}

TEST(LexClass, SelfContainingClassesNest)
{
    auto schema =
        Schema(std::string(kFile) + "lexClass:\nname = br\nparent = file, br\nstart:tag = '{'\nend:tag = '}'\n"
                                    "RecurrenceDepth = 2\n");
    auto* outer = TreeClass(schema->GetClassSet().GetClassTree(false), "br");
    EXPECT_TRUE(outer->HasSelfChild());
    EXPECT_EQ(Parse(*schema, "{a{b}c}"), (std::vector<std::string>{"br 1:0-1:6", "br 1:2-1:4"}));
}

// Blocks nest as deep as real texts need; a text that nests deeper ends the
// parse where the limit is reached instead of overflowing the stack.
TEST(LexNesting, DeepNestingParsesAndDeeperEndsTheParse)
{
    auto schema =
        Schema(std::string(kFile) + "lexClass:\nname = br\nparent = file, br\nstart:tag = '{'\nend:tag = '}'\n");
    auto run = [&](const std::string& text)
    {
        CTestText source(text, ".t");
        CKTSyntaxEditLexCursor cursor(source);
        return schema->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    };
    auto deepest = [&]
    {
        int depth = 0;
        for (const auto& b : schema->GetBlocks())
            depth = std::max(depth, b.nDepth);
        return depth;
    };

    EXPECT_EQ(run(std::string(150, '{') + std::string(150, '}')), CKTSyntaxEditLexClass::ktRangeDone);
    EXPECT_EQ(deepest(), 150);
    for (const auto& b : schema->GetBlocks())
        EXPECT_TRUE(b.posEnd.IsValid()) << b.strClass << " " << b.posStart.nCol;

    EXPECT_EQ(run(std::string(100000, '{')), CKTSyntaxEditLexClass::ktRangeDone);
    EXPECT_LT(deepest(), 300);

    // The next run starts afresh.
    EXPECT_EQ(Parse(*schema, "{a}"), (std::vector<std::string>{"br 1:0-1:2"}));
}

// Classes that open without taking text and contain themselves.
TEST(LexNesting, EmptyStartsThatContainThemselvesEndTheParse)
{
    auto schema = Schema(std::string(kFile) + "lexClass:\nname = any\nparent = file, any\nend:tag = '}'\n");
    CTestText source("a}\nb", ".t");
    CKTSyntaxEditLexCursor cursor(source);
    EXPECT_EQ(schema->RunParseUpdate(true, cursor, nullptr, nullptr, false), CKTSyntaxEditLexClass::ktRangeDone);
    std::vector<KT_EDIT_LEXPIECE> pieces;
    schema->GetRowColors(1, 2, KT_EDIT_LEXSTYLE(), pieces);
}

int CountClasses(const CKTSyntaxEditLexClass::List& list, int depth, int& deepest)
{
    int count = 0;
    deepest = std::max(deepest, depth);
    for (const auto& cls : list)
        count += 1 + CountClasses(cls->GetChildren(), depth + 1, deepest) +
                 CountClasses(cls->GetChildrenOfSecondKind(), depth + 1, deepest);
    return count;
}

// Classes that contain one another would grow a tree beyond any memory or
// stack: the tree stops at a bounded size and depth, and the text still parses.
TEST(LexClass, ClassesContainingOneAnotherGrowABoundedTree)
{
    std::string names = "file";
    for (int i = 0; i < 12; ++i)
        names += ", c" + std::to_string(i);
    std::string body = kFile;
    for (int i = 0; i < 12; ++i)
        body += "lexClass:\nname = c" + std::to_string(i) + "\nparent = " + names + "\nstart:tag = '" + char('a' + i) +
                "'\nend:tag = ';'\nRecurrenceDepth = 100000\n";
    auto schema = Schema(body);
    int deepest = 0;
    int count = CountClasses(schema->GetClassSet().GetClassTree(false), 0, deepest);
    EXPECT_LE(count, 5100);
    EXPECT_LE(deepest, 40);
    EXPECT_EQ(Parse(*schema, "ab;;").size(), 2u);
}

TEST(LexClass, FileClassAnswersForItsExtensions)
{
    auto schema = Schema(kFile);
    EXPECT_TRUE(schema->IsFileSupported(".txt"));
    EXPECT_TRUE(schema->IsFileSupported(".T"));
    EXPECT_FALSE(schema->IsFileSupported(".c"));
}

TEST(LexMatching, TokensTakeTheLongestTagAndHonourCase)
{
    auto insensitive =
        Schema(std::string(kFile) + "lexClass:\nname = k\nparent = file\ntoken:tag = 'ab', 'abcd', 'Begin'\n");
    EXPECT_EQ(Parse(*insensitive, "abcx"), (std::vector<std::string>{"k 1:0-1:1"}));
    EXPECT_EQ(Parse(*insensitive, "abcd"), (std::vector<std::string>{"k 1:0-1:3"}));
    EXPECT_EQ(Parse(*insensitive, "BEGIN"), (std::vector<std::string>{"k 1:0-1:4"}));
    auto sensitive =
        Schema(std::string(kFile) + "CaseSensitive = 1\nlexClass:\nname = k\nparent = file\ntoken:tag = 'Begin'\n");
    EXPECT_TRUE(Parse(*sensitive, "BEGIN").empty());
    EXPECT_EQ(Parse(*sensitive, "Begin"), (std::vector<std::string>{"k 1:0-1:4"}));
}

TEST(LexMatching, StartTagsPreferTheLongest)
{
    auto schema = Schema(std::string(kFile) + "lexClass:\nname = op\nparent = file\nstart:tag = '<', '<<=', '<='\n"
                                              "end:separators = ' '\n");
    EXPECT_EQ(Parse(*schema, "<<= 1"), (std::vector<std::string>{"op 1:0-1:2"}));
    EXPECT_EQ(Parse(*schema, "<= 1"), (std::vector<std::string>{"op 1:0-1:1"}));
    EXPECT_EQ(Parse(*schema, "< 1"), (std::vector<std::string>{"op 1:0-1:0"}));
}

TEST(LexMatching, SpecialTokensAndNegation)
{
    auto schema = Schema(std::string(kFile) + "lexClass:\nname = word\nparent = file\nstart:tag = @alpha\n"
                                              "end:separators = @alpha:not\n");
    // The line end streamed after the last row ends the last word as any separator would.
    EXPECT_EQ(Parse(*schema, "ab 7c+d"), (std::vector<std::string>{"word 1:0-1:1", "word 1:4-1:4", "word 1:6-1:6"}));
    auto unknown = Schema(std::string(kFile) + "lexClass:\nname = u\nparent = file\nstart:tag = @nothing\n");
    EXPECT_TRUE(Parse(*unknown, "abc").empty());
}

// Tags of one character each, matched backwards: a line end stands before
// the text, and case folds as the class says.
TEST(LexMatching, SingleCharacterTagsBeforeThePosition)
{
    auto schema = Schema(std::string(kFile) + "lexClass:\nname = n\nparent = file\nprevious:tag = 'X', @eol\n"
                                              "start:tag = @digit\nend:separators = @digit:not\n");
    EXPECT_EQ(Parse(*schema, "1 x2 X3\n4"),
              (std::vector<std::string>{"n 1:0-1:0", "n 1:3-1:3", "n 1:6-1:6", "n 2:0-2:0"}));
    auto exact = Schema(std::string(kFile) + "CaseSensitive = 1\nlexClass:\nname = n\nparent = file\n"
                                             "previous:tag = 'X'\nstart:tag = @digit\nend:separators = @digit:not\n");
    EXPECT_EQ(Parse(*exact, "1 x2 X3"), (std::vector<std::string>{"n 1:6-1:6"}));
}

// The start of the text reads as a row start: a line end stands before it,
// so line-end tags and negated classes match there as on any later row.
TEST(LexMatching, ALineEndStandsBeforeTheText)
{
    for (const char* tag : {"'\\n'", "'\\r\\n'", "@digit:not", "@eol"})
    {
        auto schema = Schema(std::string(kFile) + "lexClass:\nname = n\nparent = file\nprevious:tag = " + tag +
                             "\nstart:tag = @digit\nend:separators = @digit:not\n");
        EXPECT_EQ(Parse(*schema, "1\n23"), (std::vector<std::string>{"n 1:0-1:0", "n 2:0-2:1"})) << tag;
    }
    auto spaced = Schema(std::string(kFile) + "lexClass:\nname = w\nparent = file\ntoken:tag = 'if'\n"
                                              "token:start:separators = ' '\n");
    EXPECT_EQ(Parse(*spaced, "if if\nif"), (std::vector<std::string>{"w 1:3-1:4"}));
}

TEST(LexMatching, PreviousTagsAndClassesGateTheStart)
{
    auto schema =
        Schema(std::string(kFile) +
               "lexClass:\nname = ret\nparent = file\ntoken:tag = 'return'\n"
               "lexClass:\nname = val\nparent = file\nprevious:tag = 'return'\nprevious:tag:separators = ' '\n"
               "start:tag = @digit\nend:separators = ' ', @eol\n"
               "lexClass:\nname = after\nparent = file\nprevious:class = ret\nstart:tag = ' '\nend:tag = ' '\n");
    EXPECT_EQ(Parse(*schema, "return  5 x 6"),
              (std::vector<std::string>{"ret 1:0-1:5", "after 1:6-1:7", "val 1:8-1:8"}));
}

// "previous:tag" looks back over earlier rows, as far as the look-back
// allows; a re-parse that starts on a later row sees the same text.
TEST(LexMatching, PreviousTagsStandOnEarlierRows)
{
    const std::string classes = std::string(kFile) + "txt:colorFG = 0x000001\n" +
                                "lexClass:\nname = val\nparent = file\nprevious:tag = 'return'\n"
                                "previous:tag:separators = ' ', @eol\nstart:tag = @digit\n"
                                "end:separators = ' ', @eol\ntxt:colorFG = 0x0000FF\n";
    auto schema = Schema(classes);
    EXPECT_EQ(Parse(*schema, "return\n\n  5 x\n6"), (std::vector<std::string>{"val 3:2-3:2"}));
    std::string far = "return" + std::string(60, '\n') + "5";
    EXPECT_EQ(Parse(*schema, far), std::vector<std::string>{});  // past the look-back

    CTestText text("return\n\n  x 7\n", ".t");
    auto edited = Schema(classes);
    CKTSyntaxEditLexCursor first(text);
    edited->RunParseUpdate(true, first, nullptr, nullptr, false);
    KT_EDIT_LEXPOS start{3, 2};
    KT_EDIT_LEXPOS end{3, 4};
    text.Delete(start, end);
    edited->UpdateTextBlocks(start, end, CKTSyntaxEditLexTextSchema::ktDelete);
    CKTSyntaxEditLexCursor again(text);
    edited->RunParseUpdate(true, again, &start, &end, false);
    auto fresh = Schema(classes);
    CKTSyntaxEditLexCursor whole(text);
    fresh->RunParseUpdate(true, whole, nullptr, nullptr, false);
    EXPECT_EQ(DescribeParse(*edited, text), DescribeParse(*fresh, text));
    EXPECT_EQ(DescribeRow(*edited, text, 3), "0-2:000001 2-3:0000FF");
}

TEST(LexMatching, EndTagsSetTheEndAtTheirLastCharacter)
{
    auto schema = Schema(std::string(kFile) + "lexClass:\nname = cm\nparent = file\nstart:tag = '/*'\nend:tag = '*/'\n"
                                              "Collapsable = 1\n");
    EXPECT_EQ(Parse(*schema, "a /* b\nc */ d"), (std::vector<std::string>{"cm 1:2-2:3"}));
    std::vector<KT_EDIT_LEXFOLD> folds;
    schema->GetCollapsableBlocks(-1, folds);
    ASSERT_EQ(folds.size(), 1u);
    EXPECT_EQ(folds[0].strCollapsedText, "[..]");
    // Open at the end of the text: it runs over the line ends streamed after the last row.
    EXPECT_EQ(Parse(*schema, "/* open"), (std::vector<std::string>{"cm 1:0-1:11"}));
}

// After the last row come its own line end and one more, so that a word
// whose end must be followed by a separator ends there as on any other row.
TEST(LexCursor, StreamsTheLastRowsLineEndAndOneMore)
{
    CTestText text("ab\nc", ".t");
    CKTSyntaxEditLexCursor cursor(text);
    std::string streamed;
    for (int guard = 0; !cursor.IsEnd() && guard < 20; ++guard, cursor.SeekNextChar())
        streamed += cursor.GetChar();
    EXPECT_EQ(streamed, "ab\r\nc\r\n\r\n");
    EXPECT_EQ(cursor.GetPosition(), (KT_EDIT_LEXPOS{2, 5}));
}

// A seek says whether it reached the very position, so that a caller can tell
// a column past the row's end (the cursor stops at the row's end) from a hit.
TEST(LexCursor, SeekReportsWhetherItReachedThePosition)
{
    CTestText text("ab\nc", ".t");
    CKTSyntaxEditLexCursor cursor(text);
    EXPECT_TRUE(cursor.Seek({2, 1}));
    EXPECT_EQ(cursor.GetChar(), '\r');
    EXPECT_FALSE(cursor.Seek({1, 9}));
    EXPECT_EQ(cursor.GetPosition(), (KT_EDIT_LEXPOS{1, 4}));
    EXPECT_FALSE(cursor.Seek({3, 0}));
    std::atomic<bool> cancel{true};
    EXPECT_FALSE(cursor.Seek({2, 0}, &cancel));
    EXPECT_EQ(cursor.GetPosition(), (KT_EDIT_LEXPOS{1, 4}));
}

TEST(LexMatching, TagsMatchAcrossTheEndOfTheRow)
{
    auto schema = Schema(std::string(kFile) + "lexClass:\nname = pair\nparent = file\n"
                                              "token:tag = 'a\\r\\nb'\n");
    EXPECT_EQ(Parse(*schema, "xa\nb\na"), (std::vector<std::string>{"pair 1:1-2:0"}));
    // Seeking reads ahead as walking does.
    CTestText text("xa\nb", ".t");
    CKTSyntaxEditLexCursor cursor(text);
    ASSERT_TRUE(cursor.Seek({1, 1}));
    EXPECT_STREQ(cursor.GetText(), "a\r\nb\r\n\r\n");
}

// Tags that reach far into later rows match wherever they begin: the
// list matcher's start, skip and end tags, and a character table's tokens.
TEST(LexMatching, TagsReachFarIntoLaterRows)
{
    const std::string row(90, 'r');
    auto tag = [&](char first, char last)
    { return std::string(1, first) + "\\r\\n" + row + "\\r\\n" + row + "\\r\\n" + last; };
    auto text = [&](char first, char last) { return std::string(1, first) + "\n" + row + "\n" + row + "\n" + last; };
    auto schema = Schema(std::string(kFile) + "lexClass:\nname = long\nparent = file\nstart:tag = '" + tag('<', '<') +
                         "'\nskip:tag = '" + tag('(', ')') + "'\nend:tag = '" + tag('>', '>') + "'\n" +
                         "lexClass:\nname = big\nparent = file\ntoken:tag = '[\\r\\n" + row + "\\r\\n]'\n");
    EXPECT_EQ(Parse(*schema, text('<', '<') + text('(', ')') + text('>', '>') + "\n[\n" + row + "\n]"),
              (std::vector<std::string>{"long 1:0-10:0", "big 11:0-13:0"}));
    CTestText source("a\n" + row + "\n" + row, ".t");
    CKTSyntaxEditLexCursor cursor(source);
    ASSERT_TRUE(cursor.Seek({1, 0}));
    EXPECT_EQ(std::string(cursor.GetText(200)), "a\r\n" + row + "\r\n" + row + "\r\n\r\n");
}

}  // namespace

namespace
{

TEST(LexColours, InnermostBlockWinsWhereBlocksMeet)
{
    auto schema =
        Schema(std::string(kFile) +
               "txt:colorFG = 0x000001\n"
               "lexClass:\nname = br\nparent = file\nstart:tag = '{'\nend:tag = '}'\ntxt:colorFG = 0x0000AA\n"
               "lexClass:\nname = str\nparent = br\nstart:tag = '\"'\nend:tag = '\"'\ntxt:colorFG = 0x0000BB\n");
    CTestText text("x{a\"b\"c}y", ".t");
    CKTSyntaxEditLexCursor cursor(text);
    schema->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    EXPECT_EQ(DescribeRow(*schema, text, 1), "0-1:000001 1-3:0000AA 3-6:0000BB 6-8:0000AA 8-9:000001");
}

TEST(LexColours, ClassIDsCountFromOne)
{
    auto schema = Schema(std::string(kFile) + "lexClass:\nname = a\nparent = file\n");
    const auto& tree = schema->GetClassSet().GetClassTree(false);
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_EQ(tree[0]->GetAttributeInt("ClassID", false, 0), 1);
    EXPECT_EQ(tree[0]->GetChildren().at(0)->GetAttributeInt("ClassID", false, 0), 2);
}

}  // namespace

namespace
{

// Keywords parsed only on screen: the background parse leaves them out, the
// on-screen parse of the visible rows colours them, inside open blocks too.
TEST(LexOnScreen, ParsesVisibleRowsWithOnScreenClasses)
{
    auto schema = Schema(std::string(kFile) +
                         "lexClass:\nname = br\nparent = file\nstart:tag = '{'\nend:tag = '}'\ntxt:colorFG = 0x0000AA\n"
                         "lexClass:\nname = kw\nparent = file, br\ntoken:tag = 'if'\ntoken:start:separators = ' '\n"
                         "token:end:separators = ' '\nParseOnScreen = 1\ntxt:colorFG = 0x0000BB\n");
    CTestText text("x if y\n{\n a if b\n}\nif z", ".t");
    CKTSyntaxEditLexCursor cursor(text);
    schema->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    EXPECT_EQ(DescribeRow(*schema, text, 3), "0-7:0000AA");

    CKTLexBlockChain screen;
    ASSERT_TRUE(schema->RunOnScreen(cursor, 3, 4, screen));
    std::vector<KT_EDIT_LEXPIECE> pieces;
    schema->GetRowColors(3, 7, KT_EDIT_LEXSTYLE(), pieces, &screen);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[1].nStart, 3);
    EXPECT_EQ(pieces[1].nEnd, 5);
    EXPECT_EQ(pieces[1].style.clrText, 0xBB0000u);
    EXPECT_EQ(pieces[2].style.clrText, 0xAA0000u);
    EXPECT_FALSE(schema->RunOnScreen(cursor, 0, 2, screen));
}

// Before the first background pass has made a block, the first screen is
// coloured from the class that starts the text.
TEST(LexOnScreen, TheFirstScreenOfATextNotParsedYetIsColoured)
{
    auto schema = Schema(std::string(kFile) +
                         "lexClass:\nname = kw\nparent = file\ntoken:tag = 'if'\ntoken:start:separators = ' '\n"
                         "token:end:separators = ' '\nParseOnScreen = 1\ntxt:colorFG = 0x0000BB\n");
    CTestText text("x if y\nz if w", ".t");
    CKTSyntaxEditLexCursor cursor(text);
    CKTLexBlockChain screen;
    ASSERT_TRUE(schema->RunOnScreen(cursor, 1, 1, screen));
    std::vector<KT_EDIT_LEXPIECE> pieces;
    schema->GetRowColors(1, 6, KT_EDIT_LEXSTYLE(), pieces, &screen);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[1].nStart, 2);
    EXPECT_EQ(pieces[1].nEnd, 4);
    EXPECT_EQ(pieces[1].style.clrText, 0xBB0000u);
    EXPECT_FALSE(schema->RunOnScreen(cursor, 2, 2, screen));  // only the text's start is known without a parse
}

// A parsed text of 200 rows whose next background pass stops at row 150 until released.
class LexOnScreenHeld : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_schema->RunParseUpdate(true, m_cursor, nullptr, nullptr, false);
        m_pass = std::thread(
            [this]
            {
                CKTSyntaxEditLexCursor reader(m_held);
                m_schema->RunParseUpdate(true, reader, nullptr, nullptr, false);
            });
        ASSERT_TRUE(m_held.WaitUntilHolding());
    }
    void TearDown() override { ReleasePass(); }
    void ReleasePass()
    {
        m_held.Release();
        if (m_pass.joinable())
            m_pass.join();
    }
    static std::string Rows()
    {
        std::string rows;
        for (int i = 0; i < 200; ++i)
            rows += "{ a }\n";
        return rows;
    }

    CKTSyntaxEditLexTextSchema::Ptr m_schema =
        Schema(std::string(kFile) + "lexClass:\nname = br\nparent = file\nstart:tag = '{'\nend:tag = '}'\n");
    CTestText m_text{Rows(), ".t"};
    CKTSyntaxEditLexCursor m_cursor{m_text};
    CHeldText m_held{Rows(), 150};
    std::thread m_pass;
    CKTLexBlockChain m_screen;
};

TEST_F(LexOnScreenHeld, APaintDoesNotWaitForABackgroundPassToEnd)
{
    EXPECT_FALSE(m_schema->RunOnScreen(m_cursor, 3, 10, m_screen));
    EXPECT_FALSE(m_held.HasTimedOut()) << "the paint waited for the pass";
    ReleasePass();
    EXPECT_TRUE(m_schema->RunOnScreen(m_cursor, 3, 10, m_screen)) << "once the pass is over the screen is parsed";
}

// A file whose own class ends before the text: a re-parse after an edit
// there, or before the end with the rest taken back, equals a fresh parse,
// and its range is done (kept queued, the worker would parse it again and again).
TEST(LexReparse, AnEditAfterTheFilesClassEndedIsDone)
{
    const std::string classes = "lexClass:\nname = file\nparent:file = <*.t>\nend:tag = 'END'\n"
                                "lexClass:\nname = br\nparent = file\nstart:tag = '{'\nend:tag = '}'\n";
    auto schema = Schema(classes);
    CTestText text("x { a }\n{ b }\n{ c }\nEND\n{ d }\n{ e }\n{ f }\n", ".t");
    CKTSyntaxEditLexCursor first(text);
    schema->RunParseUpdate(true, first, nullptr, nullptr, false);
    auto reparsed = [&](KT_EDIT_LEXPOS at, const std::string& what)
    {
        KT_EDIT_LEXPOS end = text.Insert(at, what);
        schema->UpdateTextBlocks(at, end, CKTSyntaxEditLexTextSchema::ktInsert);
        CKTSyntaxEditLexCursor cursor(text);
        EXPECT_EQ(schema->RunParseUpdate(true, cursor, &at, &end, false), CKTSyntaxEditLexClass::ktRangeDone);
        auto fresh = Schema(classes);
        CKTSyntaxEditLexCursor whole(text);
        fresh->RunParseUpdate(true, whole, nullptr, nullptr, false);
        return schema->GetBlocks() == fresh->GetBlocks();
    };
    EXPECT_TRUE(reparsed({5, 1}, "x")) << "after the file's class ended";
    EXPECT_TRUE(reparsed({3, 1}, "y")) << "before its end, the rest taken back after it";
    EXPECT_TRUE(reparsed({2, 1}, "y")) << "before its end, the rest taken back before it";
    EXPECT_TRUE(reparsed({2, 1}, "\n")) << "a row more before its end";
    EXPECT_TRUE(reparsed({5, 1}, "N")) << "inside the end tag";
}

// A deletion that empties a later block of the file's class: the re-parse
// makes that block again, and taking the old chain back inside it does not
// give it the emptied block's end.
TEST(LexReparse, AFileBlockThatAnEditEmptiedKeepsAnEndOfItsOwn)
{
    const std::string classes = "lexClass:\nname = file\nparent:file = <*.t>\nend:tag = 'END'\n"
                                "lexClass:\nname = br\nparent = file\nstart:tag = '{'\nend:tag = '}'\n";
    auto schema = Schema(classes);
    CTestText text("x { a }\nq END\nz\nw\n{ c }\nv\n", ".t");
    CKTSyntaxEditLexCursor first(text);
    schema->RunParseUpdate(true, first, nullptr, nullptr, false);
    KT_EDIT_LEXPOS start{2, 5};
    KT_EDIT_LEXPOS end{3, 0};
    text.Delete(start, end);
    schema->UpdateTextBlocks(start, end, CKTSyntaxEditLexTextSchema::ktDelete);
    CKTSyntaxEditLexCursor cursor(text);
    schema->RunParseUpdate(true, cursor, &start, &end, false);
    auto fresh = Schema(classes);
    CKTSyntaxEditLexCursor whole(text);
    fresh->RunParseUpdate(true, whole, nullptr, nullptr, false);
    EXPECT_EQ(schema->GetBlocks(), fresh->GetBlocks());
}

// Parses the text, types into it, and runs the re-parse on a copy that holds
// it at a row, where it is broken off as a key would; the pass's result.
int ReparseBrokenOff(CKTSyntaxEditLexTextSchema& schema, CTestText& text, int heldRow, KT_EDIT_LEXPOS at,
                     const std::string& typed)
{
    CKTSyntaxEditLexCursor first(text);
    schema.RunParseUpdate(true, first, nullptr, nullptr, false);
    CHeldText held(text.GetText(), heldRow);
    KT_EDIT_LEXPOS end = held.Insert(at, typed);
    text.Insert(at, typed);
    schema.UpdateTextBlocks(at, end, CKTSyntaxEditLexTextSchema::ktInsert);
    int result = 0;
    std::thread pass(
        [&]
        {
            CKTSyntaxEditLexCursor cursor(held);
            result = schema.RunParseUpdate(true, cursor, &at, &end, false);
        });
    EXPECT_TRUE(held.WaitUntilHolding());
    CKTSyntaxEditLexTextSchema::CBreak key(schema);
    held.Release();
    pass.join();
    return result;
}

// A break of the owner and one of a save overlap: runs go on only once both have ended.
TEST(LexReparse, OverlappingBreaksHoldUntilTheLastEnds)
{
    auto schema = Schema(kFile);
    auto save = std::make_unique<CKTSyntaxEditLexTextSchema::CBreak>(*schema);
    {
        CKTSyntaxEditLexTextSchema::CBreak edit(*schema);
        save.reset();
        EXPECT_TRUE(schema->IsBreakRequested());
    }
    EXPECT_FALSE(schema->IsBreakRequested());
}

// A re-parse broken off keeps what it linked and the old chain after the
// place it reached, so rows below keep their colours; run again, it ends
// like a fresh parse.
TEST(LexReparse, ABreakKeepsTheOldChainBehindTheNewBlocks)
{
    const std::string classes = std::string(kFile) +
                                "lexClass:\nname = br\nparent = file\nstart:tag = '{'\nend:tag = '}'\n"
                                "txt:colorFG = 0x0000AA\n"
                                "lexClass:\nname = cm\nparent = file\nstart:tag = '/*'\nend:tag = '*/'\n";
    auto schema = Schema(classes);
    std::string rows;
    for (int i = 0; i < 200; ++i)
        rows += "{ a }\n";
    CTestText text(rows, ".t");
    KT_EDIT_LEXPOS at{5, 0};
    int result = ReparseBrokenOff(*schema, text, 150, at, "/*");
    KT_EDIT_LEXPOS end{5, 2};
    EXPECT_TRUE(result & CKTSyntaxEditLexClass::ktBroken);
    std::vector<KT_EDIT_LEXBLOCKINFO> blocks = schema->GetBlocks();
    EXPECT_TRUE(std::is_sorted(blocks.begin(), blocks.end(),
                               [](const KT_EDIT_LEXBLOCKINFO& a, const KT_EDIT_LEXBLOCKINFO& b)
                               { return a.posStart < b.posStart; }));
    EXPECT_EQ(std::count_if(blocks.begin(), blocks.end(),
                            [](const KT_EDIT_LEXBLOCKINFO& b) { return b.strClass == "cm" && b.posStart.nRow == 5; }),
              1);
    EXPECT_EQ(std::count_if(blocks.begin(), blocks.end(),
                            [](const KT_EDIT_LEXBLOCKINFO& b) { return b.strClass == "br" && b.posStart.nRow >= 160; }),
              41);
    EXPECT_EQ(DescribeRow(*schema, text, 180), "0-5:0000AA");

    CKTSyntaxEditLexCursor again(text);
    EXPECT_EQ(schema->RunParseUpdate(true, again, &at, &end, false), CKTSyntaxEditLexClass::ktRangeDone);
    auto fresh = Schema(classes);
    CKTSyntaxEditLexCursor whole(text);
    fresh->RunParseUpdate(true, whole, nullptr, nullptr, false);
    EXPECT_EQ(schema->GetBlocks(), fresh->GetBlocks());
}

// A comment typed above a long block, the pass broken off halfway down it:
// the comment shows its fold end, and the rows left behind show the comment
// around them, in the background colours and on a screen parsed there, as a
// parse from scratch does.
TEST(LexReparse, ABreakEndsTheNewBlocksAndMovesTheOldOnesIntoThem)
{
    const std::string classes = std::string(kFile) +
                                "lexClass:\nname = br\nparent = file\nstart:tag = '{'\nend:tag = '}'\n"
                                "txt:colorFG = 0x0000AA\nCollapsable = 1\n"
                                "lexClass:\nname = kw\nparent = br\ntoken:tag = 'if'\ntoken:start:separators = ' '\n"
                                "token:end:separators = ' '\ntxt:colorFG = 0x0000BB\n"
                                "lexClass:\nname = cm\nparent = file\nstart:tag = '/*'\nend:tag = '*/'\n"
                                "txt:colorFG = 0x0000CC\nCollapsable = 1\n";
    auto schema = Schema(classes);
    std::string rows = "{ a }\n{ a }\n{ a }\n{ a }\nx\ny\nx\nx\nx\n{\n";
    for (int row = 11; row < 200; ++row)
        rows += " a if b\n";
    rows += "}\n{ a }\n{ a }\n";
    CTestText text(rows, ".t");
    int result = ReparseBrokenOff(*schema, text, 100, {6, 0}, "/*");
    ASSERT_TRUE(result & CKTSyntaxEditLexClass::ktBroken);

    auto fresh = Schema(classes);
    CKTSyntaxEditLexCursor whole(text);
    fresh->RunParseUpdate(true, whole, nullptr, nullptr, false);
    auto folds = [&](const CKTSyntaxEditLexTextSchema& parsed)
    {
        std::vector<KT_EDIT_LEXFOLD> found;
        parsed.GetCollapsableBlocks(-1, found);
        std::string out;
        for (const KT_EDIT_LEXFOLD& fold : found)
            out += std::to_string(fold.posStart.nRow) + ":" + std::to_string(fold.posStart.nCol) + "-" +
                   std::to_string(fold.posEnd.nRow) + ":" + std::to_string(fold.posEnd.nCol) + " ";
        return out;
    };
    EXPECT_EQ(folds(*schema), folds(*fresh));
    EXPECT_EQ(DescribeRow(*schema, text, 150), "0-3:0000CC 3-5:0000BB 5-7:0000CC") << "an old keyword in the comment";
    CKTLexBlockChain screen;
    CKTLexBlockChain freshScreen;
    CKTSyntaxEditLexCursor cursor(text);
    ASSERT_TRUE(schema->RunOnScreen(cursor, 150, 155, screen));
    ASSERT_TRUE(fresh->RunOnScreen(cursor, 150, 155, freshScreen));
    for (int row = 150; row <= 155; ++row)
        EXPECT_EQ(DescribeRow(*schema, text, row, &screen), DescribeRow(*fresh, text, row, &freshScreen)) << row;
}

// The screens of one paint share its deadline: once it has passed, a pass
// still running is not waited for again, and a free schema is still parsed.
TEST_F(LexOnScreenHeld, AScreenPastThePaintsDeadlineDoesNotWaitForAPass)
{
    const auto passed = std::chrono::steady_clock::now() - std::chrono::seconds(1);
    // A screen that waited 30 ms each would outlast the held row's own limit, and the pass would end.
    for (int i = 0; i < 400; ++i)
        ASSERT_FALSE(m_schema->RunOnScreen(m_cursor, 3 + i % 180, 13 + i % 180, m_screen, passed)) << i;
    EXPECT_FALSE(m_held.HasTimedOut()) << "the screens waited for the pass";
    ReleasePass();
    EXPECT_TRUE(m_schema->RunOnScreen(m_cursor, 3, 10, m_screen, passed)) << "no pass holds the schema";
}

}  // namespace

namespace
{

// Edits applied to a text and its schema; after each, the re-parse must
// give what a parse from scratch gives.
class LexEdits : public ::testing::Test
{
protected:
    void Load(const std::string& scheme, const std::string& text)
    {
        m_schema = Schema(std::string(kFile) + scheme);
        m_text.SetText(text);
        Reparse(nullptr, nullptr);
    }

    void Insert(KT_EDIT_LEXPOS at, const std::string& what)
    {
        KT_EDIT_LEXPOS end = m_text.Insert(at, what);
        m_schema->UpdateTextBlocks(at, end, CKTSyntaxEditLexTextSchema::ktInsert);
        Reparse(&at, &end);
    }

    void Delete(KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end)
    {
        m_text.Delete(start, end);
        m_schema->UpdateTextBlocks(start, end, CKTSyntaxEditLexTextSchema::ktDelete);
        Reparse(&start, &end);
    }

    // The edit and the blocks' update, without the re-parse; the update's flags.
    int Update(KT_EDIT_LEXPOS at, const std::string& what)
    {
        return m_schema->UpdateTextBlocks(at, m_text.Insert(at, what), CKTSyntaxEditLexTextSchema::ktInsert);
    }
    int Remove(KT_EDIT_LEXPOS start, KT_EDIT_LEXPOS end)
    {
        m_text.Delete(start, end);
        return m_schema->UpdateTextBlocks(start, end, CKTSyntaxEditLexTextSchema::ktDelete);
    }

    void Reparse(const KT_EDIT_LEXPOS* start, const KT_EDIT_LEXPOS* end)
    {
        CKTSyntaxEditLexCursor cursor(m_text);
        m_schema->RunParseUpdate(true, cursor, start, end, false);
    }

    void ExpectSameAsFreshParse(const std::string& step)
    {
        auto fresh = m_schema->Clone();
        CKTSyntaxEditLexCursor cursor(m_text);
        fresh->RunParseUpdate(true, cursor, nullptr, nullptr, false);
        EXPECT_EQ(m_schema->GetBlocks(), fresh->GetBlocks()) << step;
    }

    CKTSyntaxEditLexTextSchema::Ptr m_schema;
    CTestText m_text{std::string(), ".t"};
};

// A class that starts by class alone begins where the block before it
// began, so it covers a block that is not its child; both move with the
// edit before any re-parse, and the re-parse makes both again.
TEST_F(LexEdits, BlocksThatBeginWhereAnotherBeganFollowTheEdit)
{
    Load("lexClass:\nname = cm\nparent = file\nstart:tag = '/*'\nend:tag = '*/'\n"
         "lexClass:\nname = call\nparent = file\nstart:class = cm\nend:tag = ')'\n",
         "q\n/* a\nb */ x )\nw\n");
    KT_EDIT_LEXPOS at{3, 0};
    KT_EDIT_LEXPOS end = m_text.Insert(at, "k");
    m_schema->UpdateTextBlocks(at, end, CKTSyntaxEditLexTextSchema::ktInsert);
    std::vector<KT_EDIT_LEXBLOCKINFO> moved = m_schema->GetBlocks();
    ASSERT_EQ(moved.size(), 3u);
    EXPECT_EQ(moved[1].posEnd, (KT_EDIT_LEXPOS{3, 4})) << moved[1].strClass;
    EXPECT_EQ(moved[2].posEnd, (KT_EDIT_LEXPOS{3, 8})) << moved[2].strClass;
    Reparse(&at, &end);
    ExpectSameAsFreshParse("insert before the comment's end");
    Delete({3, 0}, {3, 1});
    ExpectSameAsFreshParse("delete it again");
    Insert({2, 3}, "\n");
    ExpectSameAsFreshParse("split the comment's first row");
}

// Only the blocks around an edit within one row move; blocks of later rows
// keep their places, those that hold the edit end further on.
TEST_F(LexEdits, AnEditWithinARowMovesTheBlocksThatHoldIt)
{
    Load("lexClass:\nname = br\nparent = file\nstart:tag = '{'\nend:tag = '}'\n"
         "lexClass:\nname = br\nparent = br\nstart:tag = '{'\nend:tag = '}'\n"
         "lexClass:\nname = num\nparent = br\ntoken:tag = '1', '2'\n",
         "a\n{ 1 { 2 } 1 }\nb { 2 }\n{\n}\n");
    Insert({2, 3}, "xy");
    ExpectSameAsFreshParse("insert inside the outer block");
    Insert({2, 7}, "{");
    ExpectSameAsFreshParse("open one more block");
    Delete({2, 1}, {2, 9});
    ExpectSameAsFreshParse("delete across blocks");
    Insert({4, 1}, " 1 ");
    ExpectSameAsFreshParse("insert in a block whose end is on a later row");
}

// Before the re-parse, which waits for the edit delay, the blocks that an
// edit breaks show it: a second pane repaints from them at once. Text
// inside a block moves its end only on the end's row; a broken end tag
// reopens the block; a deleted start tag empties it.
TEST_F(LexEdits, TheBlocksAnEditBreaksChangeBeforeTheReparse)
{
    std::string text;
    for (int row = 1; row <= 100; ++row)
        text += row == 10 ? "/* c\n" : row == 100 ? "c */ x\n" : "c\n";
    const std::string comment =
        "lexClass:\nname = cm\nparent = file\nstart:tag = '/*'\nend:tag = '*/'\ntxt:colorFG = 0x0000AA\n";
    Load(comment, text);
    auto ends = [&] { return m_schema->GetBlocks().at(1).posEnd; };
    // The block at the edit reopened or emptied.
    const int kChangedHere =
        CKTSyntaxEditLexTextSchema::ktEditMustReparse | CKTSyntaxEditLexTextSchema::ktEditFirstChanged;
    EXPECT_EQ(Update({100, 1}, "ab"), CKTSyntaxEditLexTextSchema::ktEditFirstChanged);
    EXPECT_EQ(ends(), (KT_EDIT_LEXPOS{100, 5}));
    EXPECT_EQ(Update({50, 0}, "ab"), CKTSyntaxEditLexTextSchema::ktEditFirstChanged);
    EXPECT_EQ(ends(), (KT_EDIT_LEXPOS{100, 5}));
    EXPECT_EQ(Update({100, 5}, "x"), kChangedHere);
    EXPECT_FALSE(ends().IsValid());
    EXPECT_EQ(DescribeRow(*m_schema, m_text, 50), "0-3:0000AA");

    Load(comment, text);
    EXPECT_EQ(Remove({10, 0}, {10, 2}), kChangedHere);
    EXPECT_LT(ends(), m_schema->GetBlocks().at(1).posStart);
    EXPECT_EQ(DescribeRow(*m_schema, m_text, 50), "0-1:-");
    KT_EDIT_LEXPOS at{10, 0};
    Reparse(&at, &at);
    ExpectSameAsFreshParse("the comment's start deleted");
}

// Columns past 4096 are columns like any other: an edit right of a block
// that ends on its row leaves it be, and an edit inside a block whose end
// tag stands past column 4096 moves that end.
TEST_F(LexEdits, AnEditInARowLongerThan4096ColumnsTouchesOnlyTheBlocksItReaches)
{
    const std::string braces = "lexClass:\nname = br\nparent = file\nstart:tag = '{'\nend:tag = '}'\n";
    Load(braces, "{" + std::string(299, ' ') + "}" + std::string(4000, 'a') + "\n");
    EXPECT_EQ(Update({1, 4200}, "x") & CKTSyntaxEditLexTextSchema::ktEditMustReparse, 0);
    EXPECT_EQ(m_schema->GetBlocks().at(1).posEnd, (KT_EDIT_LEXPOS{1, 300}));
    KT_EDIT_LEXPOS at{1, 4200};
    Reparse(&at, &at);
    ExpectSameAsFreshParse("typed right of the block");

    const std::string comment = "lexClass:\nname = cm\nparent = file\nstart:tag = '/*'\nend:tag = '*/'\n";
    Load(comment, "/* a\n" + std::string(4096, 'c') + "*/ x\n");
    ASSERT_EQ(m_schema->GetBlocks().at(1).posEnd, (KT_EDIT_LEXPOS{2, 4097}));
    EXPECT_EQ(Update({2, 1}, "x") & CKTSyntaxEditLexTextSchema::ktEditMustReparse, 0);
    EXPECT_EQ(m_schema->GetBlocks().at(1).posEnd, (KT_EDIT_LEXPOS{2, 4098}));
    at = {2, 1};
    Reparse(&at, &at);
    ExpectSameAsFreshParse("typed near the start of the comment's last row");
}

// A start tag that reaches into later rows is broken by an edit on any of
// its rows: the block is emptied at once, and the re-parse finds no block.
TEST_F(LexEdits, AnEditInsideAStartTagThatReachesIntoLaterRowsEmptiesItsBlock)
{
    const std::string heredoc = "lexClass:\nname = hd\nparent = file\nstart:tag = '<<\\r\\nab'\nend:tag = '>>'\n";
    const std::string text = "x\n<<\nab c >>\ny\n";
    Load(heredoc, text);
    ASSERT_EQ(m_schema->GetBlocks().at(1).posStart, (KT_EDIT_LEXPOS{2, 0}));
    EXPECT_NE(Update({3, 1}, "z") & 0x2, 0);
    EXPECT_LT(m_schema->GetBlocks().at(1).posEnd, m_schema->GetBlocks().at(1).posStart);
    KT_EDIT_LEXPOS at{3, 1};
    KT_EDIT_LEXPOS end{3, 2};
    Reparse(&at, &end);
    ExpectSameAsFreshParse("typed inside the start tag");

    Load(heredoc, text);
    EXPECT_NE(Remove({3, 1}, {3, 2}) & 0x2, 0);
    EXPECT_LT(m_schema->GetBlocks().at(1).posEnd, m_schema->GetBlocks().at(1).posStart);
    at = {3, 1};
    Reparse(&at, &at);
    ExpectSameAsFreshParse("deleted inside the start tag");
}

}  // namespace
