// Buffers of the text engine coloured through their parser link: the
// configuration of a program folder, events on the buffer's own thread, and
// a prompt end of every thread when the last buffer closes.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "KTSyntaxEditLexParserAdapter.h"
#include "TestFolder.h"
#include "TestText.h"

namespace
{

using Clock = std::chrono::steady_clock;

bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 10000)
{
    auto until = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done() && Clock::now() < until)
    {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
    return done();
}

class CParseWatcher : public CKTNotificationSink
{
public:
    void OnEvent(DWORD dwCode, WPARAM, LPARAM, DWORD) override
    {
        if (GetCurrentThreadId() != m_dwThread)
            ++m_nForeign;
        if (dwCode == CKTSyntaxEditLexParser::ktEditOnParserEnded)
            ++m_nEnded;
    }

    DWORD m_dwThread = GetCurrentThreadId();
    int m_nEnded = 0;
    int m_nForeign = 0;
};

std::string RowColors(CKTSyntaxEditBufferManager* buffer, int row)
{
    auto* link = CKTSyntaxEditLexParserAdapter::FromBuffer(buffer);
    CKTSyntaxEditLexTextSchema* schema = link ? link->GetParser()->GetTextSchema() : nullptr;
    CTestText text;
    std::string line;
    link->GetText().GetRowText(row, line);
    text.SetText(std::string(size_t(row - 1), '\n') + line);
    CKTSyntaxEditLexTextSchema::Ptr none = KTMakeCounted<CKTSyntaxEditLexTextSchema>("none");
    return DescribeRow(schema ? *schema : *none, text, row);
}

TEST(LexParserAdapter, BuffersParseOnTheirOwnThreadAndTheLastOneClosesTheConfiguration)
{
    CTestFolder folder("link");
    std::filesystem::copy(KT_TEST_CONFIG_DIR, folder.Path("config"), std::filesystem::copy_options::recursive);
    CKTSyntaxEditLexParserAdapter::Install();

    auto source = KTMakeCounted<CKTSyntaxEditBufferManager>();
    auto diagram = KTMakeCounted<CKTSyntaxEditBufferManager>();
    ASSERT_NE(CKTSyntaxEditLexParserAdapter::GetConfiguration(), nullptr);
    CKTSyntaxEditLexParserAdapter::GetConfiguration()->SetConfigFile(folder.Path("config\\SyntaxEdit.ini"));

    CParseWatcher sourceWatcher;
    CParseWatcher diagramWatcher;
    sourceWatcher.Advise(source->GetConnection(), CKTSyntaxEditLexParser::ktEditOnParserEnded);
    diagramWatcher.Advise(diagram->GetConnection(), CKTSyntaxEditLexParser::ktEditOnParserEnded);
    source->InsertText("int x; /* note */", 1, 1, FALSE);
    diagram->InsertText("Header: 6 bytes", 1, 1, FALSE);
    source->SetFileExt(".c");
    diagram->SetFileExt(".diagram");
    EXPECT_TRUE(PumpUntil([&] { return sourceWatcher.m_nEnded > 0 && diagramWatcher.m_nEnded > 0; }));
    EXPECT_EQ(sourceWatcher.m_nForeign + diagramWatcher.m_nForeign, 0);
    EXPECT_TRUE(PumpUntil([&] { return RowColors(source, 1) == "0-3:0000FF 3-7:- 7-17:008000"; }));
    // A configuration reload may select the schema again and parse once more.
    EXPECT_TRUE(PumpUntil([&] { return RowColors(diagram, 1) == "0-15:000080"; })) << RowColors(diagram, 1);

    sourceWatcher.UnadviseAll();
    diagramWatcher.UnadviseAll();
    source.Release();
    diagram.Release();
    EXPECT_EQ(CKTSyntaxEditLexParserAdapter::GetConfiguration(), nullptr);
    CKTSyntaxEditBufferManager::SetLexParserFactory(nullptr);
}

TEST(LexBufferText, RowsOfAnyLengthComeWithoutTheirLineEnds)
{
    auto buffer = KTMakeCounted<CKTSyntaxEditBufferManager>();
    std::string longRow(1000, 'a');
    buffer->InsertText((longRow + "\r\n\r\nshort").c_str(), 1, 1, FALSE);
    CKTSyntaxEditBufferText text(*buffer);
    std::string row = "left over";
    EXPECT_EQ(text.GetRowCount(), 3);
    EXPECT_TRUE(text.GetRowText(1, row));
    EXPECT_EQ(row, longRow);
    EXPECT_TRUE(text.GetRowText(2, row));
    EXPECT_EQ(row, "");
    EXPECT_TRUE(text.GetRowText(3, row));
    EXPECT_EQ(row, "short");
    EXPECT_FALSE(text.GetRowText(4, row));
    EXPECT_FALSE(text.GetRowText(0, row));
    EXPECT_EQ(text.GetLineEnd(), "\r\n");
}

// A worker reads whole rows while the owner makes one row grow past any
// first guess of its length: each read is one state of the row.
TEST(LexBufferText, AWorkerReadsWholeRowsWhileTheOwnerEdits)
{
    auto buffer = KTMakeCounted<CKTSyntaxEditBufferManager>();
    buffer->InsertText("x\r\nend", 1, 1, FALSE);
    CKTSyntaxEditBufferText text(*buffer);
    std::atomic<bool> done{false};
    int torn = 0;
    std::thread worker(
        [&]
        {
            std::string row;
            while (!done)
            {
                if (!text.GetRowText(1, row) || row.find_first_not_of('x') != std::string::npos)
                    ++torn;
                if (!text.GetRowText(2, row) || row != "end")
                    ++torn;
            }
        });
    for (int i = 0; i < 2000; ++i)
        buffer->InsertText("x", 1, 1, FALSE);
    done = true;
    worker.join();
    EXPECT_EQ(torn, 0);
    std::string row;
    EXPECT_TRUE(text.GetRowText(1, row));
    EXPECT_EQ(row.size(), 2001u);
}

}  // namespace
