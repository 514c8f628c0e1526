// Loading and storing real files: line ends, encodings, round trips, saved state.
#include <gtest/gtest.h>

#include "KTSyntaxEditTextFile.h"
#include "TextTestHelpers.h"

using kttest::BufferPtr;
using kttest::LoadBytes;
using kttest::NewBuffer;
using kttest::Rows;
using kttest::StoreBytes;
using Strings = std::vector<std::string>;

namespace
{
struct LineEndCase
{
    const char* name;
    std::string bytes;
    Strings rows;
    int style;
    std::string stored;
};

class LineEndFiles : public ::testing::TestWithParam<LineEndCase>
{
};

TEST_P(LineEndFiles, LoadsRowsAndStyleAndStoresOneStyle)
{
    const LineEndCase& c = GetParam();
    BufferPtr buffer = NewBuffer();
    LoadBytes(*buffer, c.bytes);
    EXPECT_EQ(Rows(*buffer), c.rows);
    EXPECT_EQ(buffer->GetLineEndStyle(), c.style);
    EXPECT_FALSE(buffer->IsUnicodeFile());
    EXPECT_EQ(StoreBytes(*buffer), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LineEndFiles,
    ::testing::Values(LineEndCase{"CrLf", "a\r\nb\r\n", {"a", "b", ""}, 0, "a\r\nb\r\n"},
                      LineEndCase{"CrLfThenLf", "a\r\nb\n", {"a", "b", ""}, 0, "a\r\nb\r\n"},
                      LineEndCase{"Lf", "one\ntwo", {"one", "two"}, 2, "one\ntwo"},
                      LineEndCase{"LfCr", "x\n\ry\n\r", {"x", "y", ""}, 1, "x\n\ry\n\r"},
                      LineEndCase{"LoneCr", "a\rb", {"a", "b"}, 0, "a\r\nb"},
                      LineEndCase{"Mixed", "l1\nl2\r\nl3\rl4", {"l1", "l2", "l3", "l4"}, 2, "l1\nl2\nl3\nl4"},
                      LineEndCase{"OddLength", "abc\r\nde", {"abc", "de"}, 0, "abc\r\nde"},
                      LineEndCase{"ZeroEndsRow", std::string("ab\0cd", 5), {"ab", "cd"}, 0, "ab\r\ncd"},
                      LineEndCase{"Empty", "", {}, 0, ""}),
    [](const ::testing::TestParamInfo<LineEndCase>& info) { return std::string(info.param.name); });

TEST(BufferFile, UnicodeWithMarkRoundTrips)
{
    std::string bytes = "\xFF\xFE" + kttest::Utf16(L"int a;\r\n\x00e9t\xe9\r\n");
    BufferPtr buffer = NewBuffer();
    LoadBytes(*buffer, bytes);
    EXPECT_TRUE(buffer->IsUnicodeFile());
    EXPECT_EQ(Rows(*buffer), (Strings{"int a;", "\xe9t\xe9", ""}));
    EXPECT_EQ(StoreBytes(*buffer), bytes);
}

TEST(BufferFile, UnicodeWithoutMarkIsRecognisedByItsContent)
{
    std::string bytes = kttest::Utf16(L"void f(void) { return; }\n}");
    BufferPtr buffer = NewBuffer();
    LoadBytes(*buffer, bytes);
    EXPECT_TRUE(buffer->IsUnicodeFile());
    EXPECT_EQ(Rows(*buffer), (Strings{"void f(void) { return; }", "}"}));
    EXPECT_EQ(buffer->GetLineEndStyle(), 2);
    // Stored with the mark, as every UTF-16 text is.
    EXPECT_EQ(StoreBytes(*buffer), "\xFF\xFE" + bytes);
}

TEST(BufferFile, ShortAnsiFilesStayAnsiAndSurviveAStore)
{
    for (const char* text : {"x = 1;", "ab", "if(a)b;c", "{}"})
    {
        BufferPtr buffer = NewBuffer();
        LoadBytes(*buffer, text);
        EXPECT_FALSE(buffer->IsUnicodeFile()) << text;
        EXPECT_EQ(StoreBytes(*buffer), text);
    }
}

// A regular ANSI text can have byte halves as unbalanced as UTF-16's; read as
// UTF-16 it would turn into one row of foreign characters and be stored so.
TEST(BufferFile, RegularAsciiTextStaysAnsi)
{
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "x = x + 1;\r\n";
    BufferPtr buffer = NewBuffer();
    LoadBytes(*buffer, text);
    EXPECT_FALSE(buffer->IsUnicodeFile());
    EXPECT_EQ(buffer->GetRowCount(), 201);
    EXPECT_EQ(StoreBytes(*buffer), text);
}

TEST(BufferFile, UnicodeOfAnotherScriptWithoutMarkIsRecognised)
{
    std::string bytes = kttest::Utf16(L"\x4e00\x4e8c\x4e09\x56db\x4e94\x516d\x4e03\x516b\x4e5d\x5341\x767e\x5343");
    EXPECT_TRUE(
        CKTSyntaxEditTextReader::LooksLikeUnicode(reinterpret_cast<const BYTE*>(bytes.data()), int(bytes.size())));
}

// Below ten characters no high byte need be near zero: more varied low bytes
// than high ones speak for UTF-16 too.
TEST(BufferFile, ShortUnicodeOfAnotherScriptIsRecognised)
{
    std::string bytes = kttest::Utf16(L"\x4e00\x4e8c\x4e09");
    EXPECT_TRUE(
        CKTSyntaxEditTextReader::LooksLikeUnicode(reinterpret_cast<const BYTE*>(bytes.data()), int(bytes.size())));
}

TEST(BufferFile, ShortUnicodeWithoutLineEndIsStillFound)
{
    std::string bytes = kttest::Utf16(L"abc");
    BufferPtr buffer = NewBuffer();
    LoadBytes(*buffer, bytes);
    EXPECT_TRUE(buffer->IsUnicodeFile());
    EXPECT_EQ(Rows(*buffer), Strings{"abc"});
}

TEST(BufferFile, EncodingGuessOnTwoBytes)
{
    const BYTE crZero[] = {'\r', 0};
    const BYTE letters[] = {'a', 'b'};
    EXPECT_TRUE(CKTSyntaxEditTextReader::LooksLikeUnicode(crZero, 2));
    EXPECT_FALSE(CKTSyntaxEditTextReader::LooksLikeUnicode(letters, 2));
    EXPECT_FALSE(CKTSyntaxEditTextReader::LooksLikeUnicode(letters, 0));
}

TEST(BufferFile, BigEndianMarkIsLeftToTheContentTest)
{
    std::string bytes = "\xFE\xFF" + std::string("\0a\0b\0c\0d\0e\0f\0g\0h\0i\0j", 20);
    BufferPtr buffer = NewBuffer();
    LoadBytes(*buffer, bytes);
    // High bytes vary and low bytes are all zero: the content test says ANSI.
    EXPECT_FALSE(buffer->IsUnicodeFile());
}

TEST(BufferFile, FileTypeComesFromTheName)
{
    BufferPtr buffer = NewBuffer();
    LoadBytes(*buffer, "int x;", "main.C");
    EXPECT_STREQ(buffer->GetFileExt(), ".C");
    StoreBytes(*buffer, "api.h");
    EXPECT_STREQ(buffer->GetFileExt(), ".h");
    LoadBytes(*buffer, "text", "noext");
    EXPECT_STREQ(buffer->GetFileExt(), "");
}

TEST(BufferFile, LoadedBufferIsAtItsSavedState)
{
    BufferPtr buffer = NewBuffer();
    buffer->InsertText("stale", 1, 1, TRUE);
    ASSERT_TRUE(buffer->IsModified());
    LoadBytes(*buffer, "fresh\r\n");
    EXPECT_FALSE(buffer->IsModified());
    EXPECT_FALSE(buffer->GetUndoRedoManager()->CanUndo());
    LoadBytes(*buffer, "again");
    EXPECT_FALSE(buffer->IsModified());
    buffer->InsertText("!", 1, 6, TRUE);
    EXPECT_TRUE(buffer->IsModified());
}

TEST(BufferFile, LongRowsCrossTheReadChunks)
{
    std::string row(10000, 'q');
    BufferPtr buffer = NewBuffer();
    LoadBytes(*buffer, row + "\r\n" + row);
    EXPECT_EQ(Rows(*buffer), (Strings{row, row}));
    EXPECT_EQ(StoreBytes(*buffer), row + "\r\n" + row);
}
}  // namespace
