// Buffers of the text engine coloured through their parser link: the
// configuration of a program folder, events on the buffer's own thread, and
// a prompt end of every thread when the last buffer closes.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>
#include <utility>
#include <vector>

#include "KTLexFiles.h"
#include "KTLexStrings.h"
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

// Counts what a buffer tells its subscribers of the configuration.
class CConfigWatcher : public CKTNotificationSink
{
public:
    explicit CConfigWatcher(CKTSyntaxEditBufferManager* buffer)
    {
        for (DWORD dwCode = 10; dwCode <= 12; ++dwCode)
            Advise(buffer->GetConnection(), dwCode);
    }
    void OnEvent(DWORD dwCode, WPARAM, LPARAM, DWORD) override { ++m_nEvents[dwCode - 10]; }
    int Count(DWORD dwCode) const { return m_nEvents[dwCode - 10]; }

private:
    int m_nEvents[3] = {};
};

// Handles what the buffers' hidden windows were sent so far.
void PumpQueued()
{
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Two open texts, one of C and one diagram, coloured from a configuration of their own.
class LexConfigEvents : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::filesystem::copy(KT_TEST_CONFIG_DIR, m_folder.Path("config"), std::filesystem::copy_options::recursive);
        CKTSyntaxEditLexParserAdapter::Install();
        m_source = KTMakeCounted<CKTSyntaxEditBufferManager>();
        m_diagram = KTMakeCounted<CKTSyntaxEditBufferManager>();
        ASSERT_TRUE(m_source->SetConfigFile(m_folder.Path("config\\SyntaxEdit.ini").c_str()));
        m_source->InsertText("int x; /* note */", 1, 1, FALSE);
        m_diagram->InsertText("Header: 6 bytes", 1, 1, FALSE);
        m_source->SetFileExt(".c");
        m_diagram->SetFileExt(".diagram");
        ASSERT_TRUE(PumpUntil([&] { return RowColors(m_source, 1) == "0-3:0000FF 3-7:- 7-17:008000"; }));
        ASSERT_TRUE(PumpUntil([&] { return RowColors(m_diagram, 1) == "0-15:000080"; }));
        PumpQueued();
    }

    void TearDown() override
    {
        m_source.Release();
        m_diagram.Release();
        CKTSyntaxEditBufferManager::SetLexParserFactory(nullptr);
    }

    // Rewrites the C scheme and reports it as the monitor would, on this thread.
    void ChangeCScheme(const std::vector<std::pair<std::string, std::string>>& edits)
    {
        CKTSyntaxEditConfigurationManager* config = CKTSyntaxEditLexParserAdapter::GetConfiguration();
        std::string path;
        for (const KT_EDIT_INI_ENTRY& entry : config->GetSchemeEntries())
            if (entry.strKey == "C")
                path = entry.strValue;
        std::string scheme = ReadTestFile(path);
        for (const auto& [from, to] : edits)
            ktlex::ReplaceAll(scheme, from, to);
        WriteTestFile(path, scheme);
        config->OnFileChanged(path, CKTSyntaxEditConfigurationManager::ktKindScheme,
                              CKTSyntaxEditFileChangesMonitor::ktChanged);
        PumpQueued();
    }

    CTestFolder m_folder{"events"};
    CKTSmartPtr<CKTSyntaxEditBufferManager> m_source;
    CKTSmartPtr<CKTSyntaxEditBufferManager> m_diagram;
};

TEST_F(LexConfigEvents, ASchemeChangeReachesOnlyTheBuffersOfItsFileType)
{
    EXPECT_EQ(m_source->GetConfigFile(), CString(m_folder.Path("config\\SyntaxEdit.ini").c_str()));
    EXPECT_EQ(m_diagram->GetSchemaForFileType(".h")->GetSchName(), "C");
    CConfigWatcher source(m_source);
    CConfigWatcher diagram(m_diagram);

    // The theme in force reaches every buffer's classes, without a parse.
    std::string theme = KTLexFullPath(m_folder.Path("config\\themes\\default.ini"));
    WriteTestFile(theme, ReadTestFile(theme) + "\r\n[cKeyword]\r\ntxt:colorFG = 00A000\r\n");
    CKTSyntaxEditLexParserAdapter::GetConfiguration()->OnFileChanged(
        theme, CKTSyntaxEditConfigurationManager::ktKindTheme, CKTSyntaxEditFileChangesMonitor::ktChanged);
    PumpQueued();
    EXPECT_GE(source.Count(11), 1);
    EXPECT_GE(diagram.Count(11), 1);
    EXPECT_EQ(RowColors(m_source, 1), "0-3:00A000 3-7:- 7-17:008000");

    // Parsed at once, as the scheme now says: the new colours stand when the event arrives.
    ChangeCScheme(
        {{"txt:colorFG = 0x008000", "txt:colorFG = 0xC000C0"},
         {"global:ConfigChangedReparceInSeparateThread = 1", "global:ConfigChangedReparceInSeparateThread = 0"}});
    EXPECT_GE(source.Count(10), 1);  // the monitor may report the same change later
    EXPECT_EQ(diagram.Count(10), 0);
    EXPECT_EQ(RowColors(m_source, 1), "0-3:00A000 3-7:- 7-17:C000C0");

    // The scheme the buffer used no longer serves its type: the buffer goes without.
    ChangeCScheme({{"<*.c|*.h>", "<*.cc>"}});
    EXPECT_GE(source.Count(10), 2);
    EXPECT_EQ(diagram.Count(10), 0);
    EXPECT_EQ(RowColors(m_source, 1), "0-17:-");

    // A reload reaches every buffer.
    CKTSyntaxEditLexParserAdapter::GetConfiguration()->ReloadConfig();
    PumpQueued();
    EXPECT_GE(source.Count(12), 1);
    EXPECT_GE(diagram.Count(12), 1);
}

// The configuration file need not exist yet: it is watched until it appears.
TEST_F(LexConfigEvents, AConfigurationFileThatAppearsLaterIsLoaded)
{
    std::string later = m_folder.Path("later\\SyntaxEdit.ini");
    EXPECT_TRUE(m_source->SetConfigFile(later.c_str()));
    EXPECT_EQ(m_source->GetConfigFile(), CString(later.c_str()));
    EXPECT_FALSE(m_source->GetSchemaForFileType(".c"));
    CConfigWatcher source(m_source);
    PumpQueued();
    std::filesystem::copy(KT_TEST_CONFIG_DIR, m_folder.Path("later"), std::filesystem::copy_options::recursive);
    EXPECT_TRUE(PumpUntil([&] { return bool(m_source->GetSchemaForFileType(".c")); }, 20000));
    EXPECT_TRUE(PumpUntil([&] { return RowColors(m_source, 1) == "0-3:0000FF 3-7:- 7-17:008000"; }, 20000));
}

// Counts the parsed blocks handed over, and on the first one puts a message
// of its own in the thread's queue, as input arriving during a long parse.
class CBlockCounter : public CKTNotificationSink
{
public:
    static const UINT kInput = WM_APP + 80;

    void OnEvent(DWORD dwCode, WPARAM, LPARAM, DWORD) override
    {
        if (dwCode == CKTSyntaxEditLexParser::ktEditOnParserEnded)
            ++m_nEnded;
        if (dwCode != CKTSyntaxEditLexParser::ktEditOnTextBlockParsed)
            return;
        if (m_nBlocks++ == 0)
            EXPECT_TRUE(PostThreadMessageA(GetCurrentThreadId(), kInput, 0, 0));
    }

    int m_nBlocks = 0;
    int m_nEnded = 0;
    int m_nBlocksAtInput = -1;  // handed over when the message was handled
};

// The whole text parsed before the window's thread looks: its first wake
// finds every block queued, and still hands over only its share.
TEST(LexParserAdapter, AWakeHandsOverABoundedShareOfTheBlocksAndQueuedMessagesGoBetween)
{
    CTestFolder folder("slices");
    std::filesystem::copy(KT_TEST_CONFIG_DIR, folder.Path("config"), std::filesystem::copy_options::recursive);
    CKTSyntaxEditLexParserAdapter::Install();
    auto buffer = KTMakeCounted<CKTSyntaxEditBufferManager>();
    ASSERT_TRUE(buffer->SetConfigFile(folder.Path("config\\SyntaxEdit.ini").c_str()));
    std::string text;
    for (int row = 0; row < 2000; ++row)
        text += "int a; /* note */\r\n";
    buffer->InsertText(text.c_str(), 1, 1, FALSE);
    auto* link = CKTSyntaxEditLexParserAdapter::FromBuffer(buffer);
    ASSERT_NE(link, nullptr);
    const int kShare = 50;
    link->SetEventsPerWake(kShare);
    CBlockCounter counter;
    for (DWORD dwCode = CKTSyntaxEditLexParser::ktEditOnParserStarted;
         dwCode <= CKTSyntaxEditLexParser::ktEditOnParserEnded; ++dwCode)
        counter.Advise(buffer->GetConnection(), dwCode);

    buffer->SetFileExt(".c");
    auto until = Clock::now() + std::chrono::seconds(20);
    while (link->GetParser()->HasWork() && Clock::now() < until)
        Sleep(5);
    ASSERT_FALSE(link->GetParser()->HasWork());
    EXPECT_EQ(counter.m_nBlocks, 0);

    until = Clock::now() + std::chrono::seconds(20);
    int nMostPerMessage = 0;
    while (counter.m_nEnded == 0 && Clock::now() < until)
    {
        MSG msg;
        if (!PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            EXPECT_NE(MsgWaitForMultipleObjects(0, NULL, FALSE, 100, QS_ALLINPUT), WAIT_FAILED);
            continue;
        }
        if (msg.message == CBlockCounter::kInput)
            counter.m_nBlocksAtInput = counter.m_nBlocks;
        const int nBefore = counter.m_nBlocks;
        DispatchMessageA(&msg);
        nMostPerMessage = std::max(nMostPerMessage, counter.m_nBlocks - nBefore);
    }
    EXPECT_GT(counter.m_nEnded, 0);
    EXPECT_GE(counter.m_nBlocks, 2000);
    EXPECT_LE(nMostPerMessage, kShare);
    EXPECT_GT(counter.m_nBlocksAtInput, 0);
    EXPECT_LT(counter.m_nBlocksAtInput, counter.m_nBlocks / 2);
    counter.UnadviseAll();
    buffer.Release();
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
