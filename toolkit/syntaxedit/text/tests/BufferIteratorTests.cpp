// The buffer iterator: streaming, seeking forward and back, look-back and cancelling.
#include <gtest/gtest.h>

#include "KTSyntaxEditBufferIterator.h"
#include "TextTestHelpers.h"

#include <memory>
#include <string>

using kttest::BufferPtr;
using kttest::NewBuffer;
using kttest::SetRows;

namespace
{
// An event handle that closes itself.
class EventHandle
{
public:
    explicit EventHandle(BOOL bSignalled) : m_h(CreateEventA(NULL, TRUE, bSignalled, NULL)) {}
    ~EventHandle() { CloseHandle(m_h); }
    EventHandle(const EventHandle&) = delete;
    EventHandle& operator=(const EventHandle&) = delete;
    HANDLE Get() const { return m_h; }

private:
    HANDLE m_h;
};

// Row r of the long text: 3000 characters that tell the row and column apart.
std::string LongRow(int row)
{
    std::string text(3000, ' ');
    for (int i = 0; i < 3000; ++i)
        text[i] = char('a' + (row * 7 + i) % 26);
    return text;
}

class LongText : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::vector<std::string> rows;
        for (int row = 1; row <= 40; ++row)
            rows.push_back(LongRow(row));
        SetRows(*buffer, rows);
    }

    BufferPtr buffer = NewBuffer();
};

TEST(BufferIterator, StreamsRowsWithLineEndsAndAFinalLineEnd)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"ab", "c"});
    CKTSyntaxEditBufferIterator it(buffer);
    std::string streamed;
    while (!it.IsEOF())
    {
        streamed += *it.GetText(1);
        it.SeekNext(1);
    }
    EXPECT_EQ(streamed, "ab\r\nc\r\n\r\n");
    EXPECT_EQ(it.SeekNext(1), nullptr);
}

// A buffer that counts its deaths.
class CountedBuffer : public CKTSyntaxEditBufferManager
{
public:
    explicit CountedBuffer(int* pDeaths) : m_pDeaths(pDeaths) {}
    ~CountedBuffer() override { ++*m_pDeaths; }

private:
    int* m_pDeaths;
};

// A worker's iterator may outlive the document's reference to the buffer.
TEST(BufferIterator, KeepsItsBufferAliveUntilItGoes)
{
    int nDeaths = 0;
    BufferPtr buffer = KTMakeCounted<CountedBuffer>(&nDeaths);
    SetRows(*buffer, {"ab"});
    auto it = std::make_unique<CKTSyntaxEditBufferIterator>(buffer);
    buffer.Release();
    EXPECT_EQ(nDeaths, 0);
    EXPECT_EQ(*it->GetText(1), 'a');
    it.reset();
    EXPECT_EQ(nDeaths, 1);
}

TEST(BufferIterator, PositionFollowsTheStream)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"ab", "c"});
    CKTSyntaxEditBufferIterator it(buffer);
    EXPECT_EQ(it.GetPosition(), KT_EDIT_TEXTPOS(1, 0));
    it.SeekNext(3);
    EXPECT_EQ(it.GetPosition(), KT_EDIT_TEXTPOS(1, 3));
    it.SeekNext(1);
    EXPECT_EQ(it.GetPosition(), KT_EDIT_TEXTPOS(2, 0));
    KT_EDIT_TEXTPOS pos = it.GetPosition();
    it.StepBack(pos);
    EXPECT_EQ(pos, KT_EDIT_TEXTPOS(1, 3));
    it.StepForward(pos, 2);
    EXPECT_EQ(pos, KT_EDIT_TEXTPOS(2, 1));
    KT_EDIT_TEXTPOS start(1, 0);
    it.StepBack(start);
    EXPECT_EQ(start, KT_EDIT_TEXTPOS(1, 0));
}

TEST(BufferIterator, SeekLandsOnTheLineEndAfterTheLastCharacter)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"ab", "c"});
    CKTSyntaxEditBufferIterator it(buffer);
    EXPECT_TRUE(it.SeekPos(KT_EDIT_TEXTPOS(2, 1)));
    EXPECT_EQ(*it.GetText(1), '\r');
}

TEST(BufferIterator, EmptyBufferIsAtItsEnd)
{
    BufferPtr buffer = NewBuffer();
    CKTSyntaxEditBufferIterator it(buffer);
    EXPECT_TRUE(it.IsEOF());
    EXPECT_FALSE(it.SeekPos(KT_EDIT_TEXTPOS(1, 0)));
    EXPECT_STREQ(it.GetEOL(), "\r\n");
}

TEST(BufferIterator, LookBackSeesTheLineEndBeforeRowOne)
{
    BufferPtr buffer = NewBuffer();
    SetRows(*buffer, {"xyz"});
    CKTSyntaxEditBufferIterator it(buffer);
    it.SetStep(-2);
    EXPECT_EQ(std::string(it.GetText(1), 3), "\r\nx");
    it.SetStep(0);
    EXPECT_EQ(*it.GetText(1), 'x');
}

TEST_F(LongText, SeeksForwardAndBackAcrossLongRows)
{
    CKTSyntaxEditBufferIterator it(buffer, 64);
    for (KT_EDIT_TEXTPOS target : {KT_EDIT_TEXTPOS(40, 2999), KT_EDIT_TEXTPOS(3, 1500), KT_EDIT_TEXTPOS(1, 0),
                                   KT_EDIT_TEXTPOS(25, 7), KT_EDIT_TEXTPOS(2, 2999)})
    {
        ASSERT_TRUE(it.SeekPos(target)) << target.nLine << "," << target.nCol;
        EXPECT_EQ(it.GetPosition(), target);
        EXPECT_EQ(*it.GetText(1), LongRow(target.nLine)[target.nCol]);
    }
}

TEST_F(LongText, WalksAcrossRowEndsAndLooksBackOverThem)
{
    CKTSyntaxEditBufferIterator it(buffer, 64);
    ASSERT_TRUE(it.SeekPos(KT_EDIT_TEXTPOS(10, 2998)));
    it.SeekNext(4);
    EXPECT_EQ(it.GetPosition(), KT_EDIT_TEXTPOS(11, 0));
    EXPECT_EQ(*it.GetText(1), LongRow(11)[0]);
    it.SetStep(-3);
    EXPECT_EQ(std::string(it.GetText(1), 3), LongRow(10).substr(2999) + "\r\n");
    it.SetStep(0);
    // Walk far enough that consumed text is dropped from the window.
    for (int i = 0; i < 5000; ++i)
        it.SeekNext(1);
    EXPECT_EQ(it.GetPosition(), KT_EDIT_TEXTPOS(12, 1998));
    it.SetStep(-64);
    EXPECT_EQ(std::string(it.GetText(1), 64), LongRow(12).substr(1998 - 64, 64));
}

TEST_F(LongText, LookBackNeverReachesBeforeTheWindow)
{
    CKTSyntaxEditBufferIterator it(buffer, 64);
    ASSERT_TRUE(it.SeekPos(KT_EDIT_TEXTPOS(30, 1000)));
    it.SetStep(0);
    LPCSTR pszCurrent = it.GetText(1);
    it.SetStep(-1000000);
    LPCSTR pszBack = it.GetText(1);
    EXPECT_LE(pszBack, pszCurrent);
    EXPECT_GE(pszCurrent - pszBack, 64);
    // Every byte from there to the current character is text of rows 29 and 30.
    for (LPCSTR p = pszBack; p < pszCurrent; ++p)
        EXPECT_TRUE((*p >= 'a' && *p <= 'z') || *p == '\r' || *p == '\n');
}

// A parser whose schema asks the given look-back of every reader of the text.
class CLookBackLink : public CKTSyntaxEditLexParserLink
{
public:
    static constexpr int kBackOffset = 2000;
    static CKTSyntaxEditLexParserLink* Create(CKTSyntaxEditBufferManager*) { return new CLookBackLink; }

    int GetMaxBackParseOffset() override { return kBackOffset; }
    void BreakParsing() override {}
    void Close() override {}
    void OnEditChanged(const KT_EDIT_TEXTPOS&, const KT_EDIT_TEXTPOS&, int, CKTSyntaxEditBufferManager*) override {}
    void OnFileTypeChanged(CKTSyntaxEditBufferManager*) override {}
    void OnSyntaxColorChanged(CKTSyntaxEditBufferManager*, BOOL) override {}
    BOOL OnConfigManagerEvent(CKTSyntaxEditBufferManager*, DWORD, WPARAM, LPARAM) override { return FALSE; }
    CString GetConfigFile() const override { return CString(); }
    BOOL SetConfigFile(LPCSTR) override { return FALSE; }
    void ReleaseLink() override { delete this; }
};

TEST(BufferIterator, KeepsTheLookBackTheFileTypeAsks)
{
    CKTSyntaxEditBufferManager::SetLexParserFactory(CLookBackLink::Create);
    BufferPtr buffer = NewBuffer();
    CKTSyntaxEditBufferManager::SetLexParserFactory(NULL);
    SetRows(*buffer, {LongRow(1), LongRow(2)});
    CKTSyntaxEditBufferIterator it(buffer);
    ASSERT_TRUE(it.SeekPos(KT_EDIT_TEXTPOS(2, 1000)));
    LPCSTR pszCurrent = it.GetText(1);
    it.SetStep(-1000000);
    EXPECT_GE(pszCurrent - it.GetText(1), CLookBackLink::kBackOffset);
    EXPECT_EQ(NewBuffer()->GetMaxBackParseOffset(), CKTSyntaxEditBufferManager::kDefaultBackParseOffset);
}

TEST_F(LongText, SetCancelEventStopsTheSeek)
{
    CKTSyntaxEditBufferIterator it(buffer, 64);
    EventHandle cancel(TRUE);
    EXPECT_FALSE(it.SeekPos(KT_EDIT_TEXTPOS(40, 10), cancel.Get()));
    EXPECT_LT(it.GetPosition().nLine, 40);
    EventHandle idle(FALSE);
    EXPECT_TRUE(it.SeekPos(KT_EDIT_TEXTPOS(40, 10), idle.Get()));
}

TEST_F(LongText, RowLengthsInCharactersAndBytes)
{
    CKTSyntaxEditBufferIterator it(buffer);
    EXPECT_EQ(it.GetLineLenChars(5, TRUE), 3002);
    EXPECT_EQ(it.GetLineLenChars(5, FALSE), 3000);
    EXPECT_EQ(it.GetLineLenBytes(5, TRUE), 3002);
    EXPECT_EQ(it.GetLineLenChars(41, TRUE), 0);
}
}  // namespace
