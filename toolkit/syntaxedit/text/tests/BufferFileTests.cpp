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

namespace
{
// Saves as a document does: into a file beside the target that takes its place once written. The
// message of a refused save, "" when it was saved.
std::string SaveOver(CKTSyntaxEditBufferManager& buffer, const std::string& path)
{
    const std::string aside = path + ".new";
    try
    {
        CFile target(aside.c_str(), CFile::modeCreate | CFile::modeWrite);
        target.SetFilePath(path.c_str());
        CArchive ar(&target, CArchive::store);
        buffer.Serialize(ar);
        ar.Close();
        target.Close();
    }
    catch (CException* e)
    {
        char szWhy[512] = "";
        e->GetErrorMessage(szWhy, sizeof szWhy);
        e->Delete();
        ::DeleteFileA(aside.c_str());
        return szWhy[0] ? szWhy : "refused without a message";
    }
    EXPECT_TRUE(::MoveFileExA(aside.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING));
    return "";
}

void LoadFile(CKTSyntaxEditBufferManager& buffer, const std::string& path)
{
    CFile source(path.c_str(), CFile::modeRead | CFile::shareDenyNone);
    buffer.Load(&source);
}

// Characters code page 1252 has no form for: one it has nothing like, one it would give a look-alike
// for, one outside the 16-bit range; with and without the mark, and with mixed line ends, which a
// save of the rows would make one style.
const std::wstring kLossyTexts[] = {L"\xFEFF// \x4e2d\r\nint a;\r\n", L"\xFEFFint \x0101;\nb\r\n",
                                    L"\xFEFF\xD83D\xDE00 x\r\ny", L"// \x4e2d\x6587\r\nint a;\r\n"};

TEST(BufferFileLossyUnicode, AnUnchangedTextIsSavedBackByteForByte)
{
    for (const std::wstring& text : kLossyTexts)
    {
        const std::string bytes = kttest::Utf16(text);
        kttest::TempFile file("wide.c");
        file.Write(bytes);
        BufferPtr buffer = NewBuffer();
        LoadFile(*buffer, file.Path());
        ASSERT_TRUE(buffer->IsUnicodeFile());
        EXPECT_EQ(SaveOver(*buffer, file.Path()), "");
        EXPECT_EQ(file.Read(), bytes);
        // An edit undone leaves the rows as they were read.
        buffer->InsertText("x", 1, 1, TRUE);
        KT_EDIT_TEXTPOS from, to;
        buffer->GetUndoRedoManager()->DoUndo(from, to, NULL);
        EXPECT_EQ(StoreBytes(*buffer), bytes);
    }
}

TEST(BufferFileLossyUnicode, AChangedTextIsNotSavedOverItsFile)
{
    const std::string bytes = kttest::Utf16(kLossyTexts[0]);
    kttest::TempFile file("wide.c");
    file.Write(bytes);
    BufferPtr buffer = NewBuffer();
    LoadFile(*buffer, file.Path());
    buffer->InsertText("int b;", 2, 7, TRUE);

    const std::string why = SaveOver(*buffer, file.Path());
    EXPECT_NE(why.find("not saved over " + file.Path()), std::string::npos) << why;
    EXPECT_NE(why.find("Undo the changes"), std::string::npos) << why;
    EXPECT_EQ(file.Read(), bytes);
    EXPECT_TRUE(buffer->IsModified());

    CString strWhy;
    std::string written;
    EXPECT_FALSE(buffer->Store([&written](const void* p, size_t n) { written.append(static_cast<const char*>(p), n); },
                               file.Path().c_str(), &strWhy));
    EXPECT_EQ(written, "");
    EXPECT_EQ(std::string(strWhy), why);

    // Another file gets the text as the editor shows it, and the original keeps its characters.
    const std::string stored = StoreBytes(*buffer, "copy.c");
    EXPECT_EQ(stored.substr(0, 2), "\xFF\xFE");
    EXPECT_NE(stored.find(kttest::Utf16(L"int a;int b;")), std::string::npos);
    EXPECT_EQ(file.Read(), bytes);
}

// Saves as the designer does: the bytes go to a file beside the target, renamed over it, then the
// buffer hears where they went. FALSE when refused.
bool SaveByRename(CKTSyntaxEditBufferManager& buffer, const std::string& path)
{
    const std::string aside = path + ".tmp";
    std::string bytes;
    if (!buffer.Store([&bytes](const void* p, size_t n) { bytes.append(static_cast<const char*>(p), n); }, path.c_str(),
                      NULL))
        return false;
    {
        CFile target(aside.c_str(), CFile::modeCreate | CFile::modeWrite);
        target.Write(bytes.data(), UINT(bytes.size()));
    }
    EXPECT_TRUE(::MoveFileExA(aside.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING));
    buffer.MarkStored(path.c_str());
    return true;
}

// A save of the text as it was read writes a new file over the old: it is still the file that holds
// the characters, and a changed text is refused over it, whichever way the save went.
TEST(BufferFileLossyUnicode, AChangedTextIsNotSavedOverItsFileAfterAnUnchangedSaveReplacedIt)
{
    const std::string bytes = kttest::Utf16(kLossyTexts[0]);
    for (const bool bByArchive : {false, true})
    {
        kttest::TempFile file("wide.c");
        file.Write(bytes);
        BufferPtr buffer = NewBuffer();
        LoadFile(*buffer, file.Path());
        // Typed and taken back: modified, with the rows as they were read. One save: a second may get
        // the first file's number back from the file system.
        buffer->InsertText("x", 1, 1, TRUE);
        buffer->DeleteText(1, 1, 1, 2, TRUE, FALSE);
        ASSERT_TRUE(buffer->IsModified());
        if (bByArchive)
            EXPECT_EQ(SaveOver(*buffer, file.Path()), "");
        else
            EXPECT_TRUE(SaveByRename(*buffer, file.Path()));
        EXPECT_EQ(file.Read(), bytes);
        buffer->InsertText("y", 2, 7, TRUE);
        if (bByArchive)
            EXPECT_NE(SaveOver(*buffer, file.Path()).find("not saved over"), std::string::npos);
        else
            EXPECT_FALSE(SaveByRename(*buffer, file.Path()));
        EXPECT_EQ(file.Read(), bytes) << "by archive: " << bByArchive;
    }
}

// Saved elsewhere, the changed text is what that file holds: saving it there again is no loss. The
// original keeps its characters, and so does a copy of the unchanged text.
TEST(BufferFileLossyUnicode, OnlyAFileThatGotTheOriginalBytesIsKeptFromAChangedText)
{
    const std::string bytes = kttest::Utf16(kLossyTexts[0]);
    kttest::TempFile file("wide.c");
    kttest::TempFile copy("copy.c");
    kttest::TempFile changed("changed.c");
    file.Write(bytes);
    BufferPtr buffer = NewBuffer();
    LoadFile(*buffer, file.Path());
    EXPECT_TRUE(SaveByRename(*buffer, copy.Path()));
    buffer->InsertText("y", 2, 7, TRUE);
    EXPECT_TRUE(SaveByRename(*buffer, changed.Path()));
    buffer->InsertText("z", 2, 8, TRUE);
    EXPECT_TRUE(SaveByRename(*buffer, changed.Path()));
    EXPECT_NE(changed.Read().find(kttest::Utf16(L"int a;yz")), std::string::npos);
    EXPECT_FALSE(SaveByRename(*buffer, copy.Path()));
    EXPECT_FALSE(SaveByRename(*buffer, file.Path()));
    EXPECT_EQ(copy.Read(), bytes);
    EXPECT_EQ(file.Read(), bytes);
}

// A whole new text keeps none of the file's characters: it is saved over the file in UTF-16. Undone,
// the rows are those read again, and the file's own bytes are what is saved; redone, the new text.
TEST(BufferFileLossyUnicode, AWholeNewTextIsSavedOverItsFileAndUndoBringsTheFilesBytesBack)
{
    const std::string bytes = kttest::Utf16(kLossyTexts[0]);
    kttest::TempFile file("wide.c");
    file.Write(bytes);
    BufferPtr buffer = NewBuffer();
    LoadFile(*buffer, file.Path());
    KT_EDIT_TEXTPOS oldEnd, newEnd;
    ASSERT_TRUE(buffer->ReplaceAllText("int b;\r\n", oldEnd, newEnd));
    const std::string replaced = "\xFF\xFE" + kttest::Utf16(L"int b;\r\n");
    EXPECT_EQ(SaveOver(*buffer, file.Path()), "");
    EXPECT_EQ(file.Read(), replaced);

    KT_EDIT_TEXTPOS from, to;
    buffer->GetUndoRedoManager()->DoUndo(from, to, NULL);
    EXPECT_EQ(SaveOver(*buffer, file.Path()), "");
    EXPECT_EQ(file.Read(), bytes);
    buffer->GetUndoRedoManager()->DoRedo(from, to, NULL);
    EXPECT_EQ(StoreBytes(*buffer), replaced);
}

TEST(BufferFileLossyUnicode, AFileThatConvertsWholeIsEditedAndSavedAsBefore)
{
    const std::string bytes = "\xFF\xFE" + kttest::Utf16(L"caf\xe9\r\nx");
    kttest::TempFile file("latin.c");
    file.Write(bytes);
    BufferPtr buffer = NewBuffer();
    LoadFile(*buffer, file.Path());
    buffer->InsertText("!", 2, 2, TRUE);
    EXPECT_EQ(SaveOver(*buffer, file.Path()), "");
    EXPECT_EQ(file.Read(), "\xFF\xFE" + kttest::Utf16(L"caf\xe9\r\nx!"));
}
}  // namespace
