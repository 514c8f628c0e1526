// The configuration in a temporary program folder with texts that parse in
// their worker threads: completion, scheme rewrites, removal and reloads.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <filesystem>
#include <future>
#include <optional>
#include <random>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

#include "AllocationFault.h"
#include "KTSyntaxEditConfigurationManager.h"
#include "KTSyntaxEditLexParser.h"
#include "KTLexStrings.h"
#include "TestFolder.h"
#include "TestText.h"
#include "WatchLoss.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#endif

namespace
{

using Clock = std::chrono::steady_clock;
const int kPeriodMs = 1000;

// Collects the configuration's notifications as a text's owner would.
class CReceiver : public IKTSyntaxEditConfigEvents
{
public:
    void OnConfigEvent(int code, int change, const std::string& name, const CKTSyntaxEditLexTextSchema::Ptr& schema,
                       const CKTSyntaxEditThemeSet::ThemePtr& theme) override
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_events.push_back({code, change, name, schema, theme});
        m_signal.notify_all();
    }

    struct Event
    {
        int code;
        int change;
        std::string name;
        CKTSyntaxEditLexTextSchema::Ptr schema;
        CKTSyntaxEditThemeSet::ThemePtr theme;
    };

    // The first event of a code within the time, or code 0.
    Event Wait(int code, int timeoutMs)
    {
        std::unique_lock<std::mutex> lock(m_lock);
        Event found{0, 0, std::string(), CKTSyntaxEditLexTextSchema::Ptr(), nullptr};
        m_signal.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                          [&]
                          {
                              for (auto it = m_events.begin(); it != m_events.end(); ++it)
                              {
                                  if (it->code == code)
                                  {
                                      found = *it;
                                      m_events.erase(it);
                                      return true;
                                  }
                              }
                              return false;
                          });
        return found;
    }

private:
    std::mutex m_lock;
    std::condition_variable m_signal;
    std::deque<Event> m_events;
};

// One open text with its parser, as a buffer holds them.
struct CBuffer
{
    CBuffer(const std::string& text, const std::string& fileType) : text(text, fileType) {}
    ~CBuffer() { parser->Close(); }

    void Install(const CKTSyntaxEditLexTextSchema::Ptr& schema)
    {
        parser->SetTextSchema(schema.GetInterface());
        parser->TakeEvents();
        parser->ParseAll(&text);
    }

    // Waits for the end of a run, taking the events as the owner's thread would.
    bool WaitParsed(int timeoutMs)
    {
        auto until = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (Clock::now() < until)
        {
            parser->WaitForEvents(50);
            for (const KT_EDIT_LEXPARSEREVENT& event : parser->TakeEvents())
                if (event.nCode == CKTSyntaxEditLexParser::ktEditOnParserEnded)
                    return true;
        }
        return false;
    }

    std::string Row(int row)
    {
        CKTSyntaxEditLexTextSchema* schema = parser->GetTextSchema();
        if (!schema)
        {
            CKTSyntaxEditLexTextSchema::Ptr none = KTMakeCounted<CKTSyntaxEditLexTextSchema>("none");
            return DescribeRow(*none, text, row);
        }
        return DescribeRow(*schema, text, row);
    }

    CTestText text;
    CKTSmartPtr<CKTSyntaxEditLexParser> parser = KTMakeCounted<CKTSyntaxEditLexParser>();
};

// The C scheme of the test configuration with each of its settings replaced as given.
CKTSyntaxEditLexTextSchema::Ptr EditedCScheme(const std::vector<std::pair<std::string, std::string>>& edits)
{
    std::string scheme = ReadTestFile(ConfigPath("schemes/c.scheme"));
    for (const auto& [from, to] : edits)
        ktlex::ReplaceAll(scheme, from, to);
    CKTSyntaxEditLexClassInfoArray infos;
    CKTSyntaxEditSchemaReader().ParseSource(scheme, infos);
    auto schema = KTMakeCounted<CKTSyntaxEditLexTextSchema>("C");
    schema->LoadClasses(infos);
    return schema;
}

class ConfigParserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::filesystem::copy(KT_TEST_CONFIG_DIR, m_folder.Path("config"), std::filesystem::copy_options::recursive);
        m_config->Advise(&m_receiver);
        m_config->SetConfigFile(m_folder.Path("config/SyntaxEdit.ini"));
        ASSERT_NE(m_receiver.Wait(IKTSyntaxEditConfigEvents::ktReloaded, 0).code, 0);
    }

    void TearDown() override
    {
        m_config->Close();
        m_config->Unadvise(&m_receiver);
    }

    std::string Scheme(const std::string& name) { return m_folder.Path("config/schemes/" + name); }

    CTestFolder m_folder{"config"};
    CReceiver m_receiver;
    CKTSmartPtr<CKTSyntaxEditConfigurationManager> m_config =
        KTMakeCounted<CKTSyntaxEditConfigurationManager>(kPeriodMs);
};

TEST_F(ConfigParserTest, LoadsThemesAndSchemesOfTheProgramFolder)
{
    EXPECT_EQ(m_config->GetSchemeNames(), (std::vector<std::string>{"Diagram", "C"}));
    EXPECT_EQ(m_config->GetThemeNames(), (std::vector<std::string>{"Default"}));
    EXPECT_EQ(m_config->GetSchemaForFileType(".c")->GetSchName(), "C");
    EXPECT_EQ(m_config->GetSchemaForFileType(".H")->GetSchName(), "C");
    EXPECT_EQ(m_config->GetSchemaForFileType(".diagram")->GetSchName(), "Diagram");
    EXPECT_FALSE(m_config->GetSchemaForFileType(".txt"));
    auto entries = m_config->GetSchemeEntries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].strComment, "C sources and headers");
    EXPECT_TRUE(KTLexFileExists(entries[1].strValue));
}

TEST_F(ConfigParserTest, TwoTextsParseInTheirWorkersAndFollowSchemeChanges)
{
    CBuffer source("/* note */\r\nint main(void) { return 0; }", ".c");
    CBuffer diagram("Header: 6 bytes\r\n0  8  1  version  unsigned char", ".diagram");
    source.Install(m_config->GetSchemaForFileType(".c"));
    diagram.Install(m_config->GetSchemaForFileType(".diagram"));
    ASSERT_TRUE(source.WaitParsed(5000));
    ASSERT_TRUE(diagram.WaitParsed(5000));
    EXPECT_TRUE(source.parser->IsWorkerRunning());
    EXPECT_EQ(source.Row(2), "0-3:0000FF 3-9:- 9-13:0000FF 13-17:- 17-23:0000FF 23-24:- 24-25:09885A 25-28:-");
    EXPECT_EQ(diagram.Row(1), "0-15:000080");

    // Rewriting the scheme reaches the configuration within the monitor's period.
    std::string scheme = ReadTestFile(Scheme("c.scheme"));
    ktlex::ReplaceAll(scheme, "txt:colorFG = 0x0000FF", "txt:colorFG = 0xC000C0 // changed");
    WriteTestFile(Scheme("c.scheme"), scheme);
    CReceiver::Event changed = m_receiver.Wait(IKTSyntaxEditConfigEvents::ktSchemeChanged, 3 * kPeriodMs);
    ASSERT_EQ(changed.code, IKTSyntaxEditConfigEvents::ktSchemeChanged);
    ASSERT_TRUE(changed.schema);
    source.Install(changed.schema);
    ASSERT_TRUE(source.WaitParsed(5000));
    EXPECT_EQ(source.Row(2), "0-3:C000C0 3-9:- 9-13:C000C0 13-17:- 17-23:C000C0 23-24:- 24-25:09885A 25-28:-");

    // Without its scheme file the text falls back to the default colours.
    std::filesystem::remove(Scheme("c.scheme"));
    CReceiver::Event removed = m_receiver.Wait(IKTSyntaxEditConfigEvents::ktSchemeChanged, 3 * kPeriodMs);
    ASSERT_EQ(removed.change, CKTSyntaxEditFileChangesMonitor::ktRemoved);
    EXPECT_FALSE(removed.schema);
    source.Install(removed.schema);
    EXPECT_EQ(source.Row(2), "0-28:-");
    EXPECT_FALSE(m_config->GetSchemaForFileType(".c"));

    // A scheme that appears again is loaded again.
    WriteTestFile(Scheme("c.scheme"), scheme);
    CReceiver::Event back = m_receiver.Wait(IKTSyntaxEditConfigEvents::ktSchemeChanged, 3 * kPeriodMs);
    EXPECT_EQ(back.change, CKTSyntaxEditFileChangesMonitor::ktAppeared);
    EXPECT_TRUE(back.schema);
}

// The owner takes every queued event per wake: waking it once per parsed
// block would flood its message queue while a long text parses. Each
// parsed block is announced all the same.
TEST_F(ConfigParserTest, OneWakeAnnouncesEachBatchOfEvents)
{
    std::atomic<int> wakes{0};
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "/* note */ int x = 1;\r\n";
    CBuffer source(text, ".c");
    source.parser->SetWakeFunction([&wakes] { ++wakes; });
    source.Install(m_config->GetSchemaForFileType(".c"));
    int takes = 0;
    bool ended = false;
    size_t parsed = 0;
    for (auto until = Clock::now() + std::chrono::seconds(10); !ended && Clock::now() < until; ++takes)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        for (const KT_EDIT_LEXPARSEREVENT& event : source.parser->TakeEvents())
        {
            ended = ended || event.nCode == CKTSyntaxEditLexParser::ktEditOnParserEnded;
            parsed += event.nCode == CKTSyntaxEditLexParser::ktEditOnTextBlockParsed ? 1 : 0;
        }
    }
    ASSERT_TRUE(ended);
    EXPECT_LE(wakes.load(), takes + 1);
    EXPECT_EQ(parsed, source.parser->GetTextSchema()->GetBlocks().size());
}

TEST_F(ConfigParserTest, TouchingTheConfigurationReloadsIt)
{
    std::string ini = ReadTestFile(m_folder.Path("config/SyntaxEdit.ini"));
    ktlex::ReplaceAll(ini, "Diagram = schemes\\diagram.scheme ; Packet layout diagram\r\n", "");
    WriteTestFile(m_folder.Path("config/SyntaxEdit.ini"), ini);
    EXPECT_EQ(m_receiver.Wait(IKTSyntaxEditConfigEvents::ktReloaded, 3 * kPeriodMs).code,
              IKTSyntaxEditConfigEvents::ktReloaded);
    EXPECT_EQ(m_config->GetSchemeNames(), (std::vector<std::string>{"C"}));
    EXPECT_FALSE(m_config->GetSchemaForFileType(".diagram"));
}

TEST_F(ConfigParserTest, AnUnreadableOrMissingSchemeLeavesNoSchema)
{
    std::filesystem::remove(Scheme("diagram.scheme"));
    std::filesystem::create_directory(Scheme("diagram.scheme"));  // a folder cannot be read as a file
    m_config->ReloadConfig();
    EXPECT_FALSE(m_config->GetSchemaForFileType(".diagram"));
    EXPECT_TRUE(m_config->GetSchemaForFileType(".c"));
}

TEST_F(ConfigParserTest, ReloadsRequestedDuringAReloadAreNotLost)
{
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(m_config->ReloadConfigAsync());
    int reloads = 0;
    while (m_receiver.Wait(IKTSyntaxEditConfigEvents::ktReloaded, 2000).code)
        ++reloads;
    EXPECT_GE(reloads, 2);
    EXPECT_TRUE(m_config->GetSchemaForFileType(".c"));
}

// The theme comes with its notice and stays as it was read, whatever the set does meanwhile.
TEST_F(ConfigParserTest, AThemeChangeCarriesTheThemeOrNoneWhenRemoved)
{
    std::string path = m_folder.Path("config/themes/default.ini");
    WriteTestFile(path, "[main]\r\nDisplayName = Default\r\n[cKeyword]\r\ntxt:colorFG = 00FF00\r\n");
    CReceiver::Event changed = m_receiver.Wait(IKTSyntaxEditConfigEvents::ktThemeChanged, 3 * kPeriodMs);
    ASSERT_EQ(changed.name, "Default");
    ASSERT_TRUE(changed.theme);
    EXPECT_EQ(changed.theme->GetSection("ckeyword")->GetValue("txt:colorFG"), "00FF00");

    std::filesystem::remove(path);
    CReceiver::Event removed = m_receiver.Wait(IKTSyntaxEditConfigEvents::ktThemeChanged, 3 * kPeriodMs);
    EXPECT_EQ(removed.name, "Default");
    EXPECT_FALSE(removed.theme);
    EXPECT_EQ(changed.theme->GetSection("ckeyword")->GetValue("txt:colorFG"), "00FF00");
}

// A schema the configuration does not hold takes the theme when it is handed over.
TEST_F(ConfigParserTest, SetThemeAlsoColoursAGivenSchema)
{
    WriteTestFile(m_folder.Path("config/themes/default.ini"), "[cKeyword]\r\ntxt:colorFG = 00FF00\r\n");
    m_config->ReloadConfig();
    auto own = LoadTestSchema("schemes/c.scheme");
    m_config->SetTheme("Default", own);
    CTestText text("int x;");
    CKTSyntaxEditLexCursor cursor(text);
    own->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    EXPECT_EQ(DescribeRow(*own, text, 1), "0-3:00FF00 3-6:-");
}

#ifdef _WIN32
class CPriorityReceiver : public IKTSyntaxEditConfigEvents
{
public:
    void OnConfigEvent(int code, int, const std::string&, const CKTSyntaxEditLexTextSchema::Ptr&,
                       const CKTSyntaxEditThemeSet::ThemePtr&) override
    {
        if (code == ktReloaded)
            m_nPriority = GetThreadPriority(GetCurrentThread());
    }
    std::atomic<int> m_nPriority{THREAD_PRIORITY_ERROR_RETURN};
};

TEST_F(ConfigParserTest, TheReloadThreadRunsAtThePriorityAskedFor)
{
    CPriorityReceiver probe;
    m_config->Advise(&probe);
    ASSERT_TRUE(m_config->ReloadConfigAsync(THREAD_PRIORITY_BELOW_NORMAL));
    ASSERT_NE(m_receiver.Wait(IKTSyntaxEditConfigEvents::ktReloaded, 5000).code, 0);
    m_config->Unadvise(&probe);  // waits for the notice to end
    EXPECT_EQ(probe.m_nPriority.load(), THREAD_PRIORITY_BELOW_NORMAL);
}
#endif

// Advised after the fixture's receiver, so an event it has taken has reached every receiver: only then does the
// test arm the next fault, which the event still being delivered cannot take. It fails once on the next event
// of the armed code, as a fault inside a thread's work would.
class CFailingReceiver : public CReceiver
{
public:
    void FailOn(int code) { m_nFailOn = code; }
    void OnConfigEvent(int code, int change, const std::string& name, const CKTSyntaxEditLexTextSchema::Ptr& schema,
                       const CKTSyntaxEditThemeSet::ThemePtr& theme) override
    {
        int armed = code;
        const bool fail = m_nFailOn.compare_exchange_strong(armed, 0);
        CReceiver::OnConfigEvent(code, change, name, schema, theme);
        if (fail)
            throw std::runtime_error("fault");
    }

private:
    std::atomic<int> m_nFailOn{0};
};

// The thread ends, not the program; the owners hear a reload ended, and the files are watched again.
TEST_F(ConfigParserTest, AFaultInsideTheReloadOrTheMonitorEndsOnlyItsThread)
{
    CFailingReceiver failing;
    m_config->Advise(&failing);
    failing.FailOn(IKTSyntaxEditConfigEvents::ktReloaded);
    ASSERT_TRUE(m_config->ReloadConfigAsync());
    EXPECT_NE(failing.Wait(IKTSyntaxEditConfigEvents::ktReloaded, 5000).code, 0) << "the reload";
    EXPECT_NE(failing.Wait(IKTSyntaxEditConfigEvents::ktReloaded, 5000).code, 0) << "its fault";
    std::string scheme = ReadTestFile(Scheme("c.scheme"));
    WriteTestFile(Scheme("c.scheme"), scheme + "\r\n// changed\r\n");
    EXPECT_NE(failing.Wait(IKTSyntaxEditConfigEvents::ktSchemeChanged, 3 * kPeriodMs).code, 0);

    failing.FailOn(IKTSyntaxEditConfigEvents::ktSchemeChanged);
    WriteTestFile(Scheme("c.scheme"), scheme);
    EXPECT_NE(failing.Wait(IKTSyntaxEditConfigEvents::ktSchemeChanged, 3 * kPeriodMs).code, 0);
    EXPECT_NE(failing.Wait(IKTSyntaxEditConfigEvents::ktReloaded, 5000).code, 0) << "read anew after the fault";
    WriteTestFile(Scheme("c.scheme"), scheme + "\r\n// again\r\n");
    EXPECT_NE(failing.Wait(IKTSyntaxEditConfigEvents::ktSchemeChanged, 3 * kPeriodMs).code, 0);
    EXPECT_TRUE(m_config->ReloadConfigAsync());
    EXPECT_NE(failing.Wait(IKTSyntaxEditConfigEvents::ktReloaded, 5000).code, 0);
    m_config->Unadvise(&failing);
}

// A reload thread that cannot be made leaves the manager as it was, and a later request reloads.
TEST_F(ConfigParserTest, AReloadThreadThatCannotBeMadeLeavesTheManagerAsItWas)
{
    {
        AllocationFault fault(0);
        EXPECT_FALSE(m_config->ReloadConfigAsync());
    }
    EXPECT_EQ(m_config->GetSchemeNames(), (std::vector<std::string>{"Diagram", "C"}));
    ASSERT_TRUE(m_config->ReloadConfigAsync());
    EXPECT_NE(m_receiver.Wait(IKTSyntaxEditConfigEvents::ktReloaded, 5000).code, 0);
}

// A watch the system cannot start is said, not passed over; what was read stays, and the next reload
// that can start it follows the files again.
TEST_F(ConfigParserTest, AWatchTheSystemCannotStartIsReportedAndTheNextReloadStartsIt)
{
    m_config->Unadvise(&m_receiver);  // its queue would make each reload's allocations differ
    EXPECT_TRUE(ReloadLosingTheWatch(*m_config, [] {}));
    m_config->Advise(&m_receiver);
    EXPECT_EQ(m_config->GetSchemeNames(), (std::vector<std::string>{"Diagram", "C"}));
    EXPECT_TRUE(m_config->ReloadConfig());
    EXPECT_FALSE(m_config->IsWatchLost());
    WriteTestFile(Scheme("c.scheme"), ReadTestFile(Scheme("c.scheme")) + "\r\n// changed\r\n");
    EXPECT_NE(m_receiver.Wait(IKTSyntaxEditConfigEvents::ktSchemeChanged, 3 * kPeriodMs).code, 0);
}

// A fault that ends the watch when no reload thread can be made leaves the watch lost, and says so.
TEST_F(ConfigParserTest, AWatchEndedByAFaultWithoutAReloadIsReportedLost)
{
    class CFaultOutOfMemory : public IKTSyntaxEditConfigEvents
    {
    public:
        void OnConfigEvent(int code, int, const std::string&, const CKTSyntaxEditLexTextSchema::Ptr&,
                           const CKTSyntaxEditThemeSet::ThemePtr&) override
        {
            if (code != ktSchemeChanged || m_fault)
                return;
            std::runtime_error fault("fault");
            m_fault.emplace(0, AllocationFault::Threads::ThisOne);  // the next on this thread: the reload thread
            throw fault;
        }
        std::optional<AllocationFault> m_fault;
    } failing;
    m_config->Advise(&failing);
    WriteTestFile(Scheme("c.scheme"), ReadTestFile(Scheme("c.scheme")) + "\r\n// changed\r\n");
    const auto until = Clock::now() + std::chrono::seconds(10);
    while (!m_config->IsWatchLost() && Clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(m_config->IsWatchLost());
    m_config->Unadvise(&failing);
    failing.m_fault.reset();
    EXPECT_TRUE(m_config->ReloadConfig());
    EXPECT_FALSE(m_config->IsWatchLost());
}

// Edits land anywhere while the worker waits or parses; once it is done, the
// chain equals a fresh parse of the final text.
TEST(LexParserThread, EditsDuringParsingEndLikeAFreshParse)
{
    auto schema = LoadTestSchema("schemes/c.scheme");
    std::string code = ReadTestFile(std::string(KT_TEST_DATA_DIR) + "/chat_api.c");
    CBuffer buffer(code + code + code, ".c");
    buffer.Install(schema);
    std::mt19937 random(3);
    const char* const pieces[] = {"/* open ", "int x; ", "*/", "\"", "\n", "// c", "'"};
    for (int step = 0; step < 60; ++step)
    {
        int row = 1 + int(random() % unsigned(buffer.text.GetRowCount()));
        std::string line;
        buffer.text.GetRowText(row, line);
        KT_EDIT_LEXPOS at{row, int(random() % (line.size() + 1))};
        if (step % 4 == 3 && !line.empty())
        {
            KT_EDIT_LEXPOS end{row, at.nCol + int(random() % (line.size() - at.nCol + 1))};
            buffer.text.Delete(at, end);
            buffer.parser->OnEditChanged(at, end, CKTSyntaxEditLexTextSchema::ktDelete, &buffer.text);
        }
        else
        {
            KT_EDIT_LEXPOS end = buffer.text.Insert(at, pieces[random() % 7]);
            buffer.parser->OnEditChanged(at, end, CKTSyntaxEditLexTextSchema::ktInsert, &buffer.text);
        }
        if (step % 10 == 9)
        {  // let a parse start, so that later edits break into it
            buffer.parser->StartParseInThread(&buffer.text, nullptr, nullptr, true);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    buffer.parser->StartParseInThread(&buffer.text, nullptr, nullptr, true);
    ASSERT_TRUE(buffer.WaitParsed(5000));
    while (buffer.WaitParsed(800))
    {
    }
    auto fresh = schema->Clone();
    CKTSyntaxEditLexCursor cursor(buffer.text);
    fresh->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    EXPECT_EQ(buffer.parser->GetTextSchema()->GetBlocks(), fresh->GetBlocks());
}

// An edit while painting holds the blocks past the update's wait leaves
// them where they were: the parse after it is a whole one, not one built on them.
TEST(LexParserThread, BlocksThatCouldNotFollowAnEditAreParsedAnew)
{
    auto schema = EditedCScheme({{"EditReparceInSeparateThread = 1", "EditReparceInSeparateThread = 0"}});
    std::string rows;
    for (int i = 0; i < 40; ++i)
        rows += "int x;\n";
    CBuffer buffer(rows, ".c");
    buffer.parser->SetTextSchema(schema.GetInterface());
    CKTSyntaxEditLexCursor first(buffer.text);
    buffer.parser->GetTextSchema()->RunParseUpdate(true, first, nullptr, nullptr, false);
    std::promise<void> holding;
    std::thread painter(
        [&]
        {
            auto data = buffer.parser->GetTextSchema()->LockData();
            holding.set_value();
            std::this_thread::sleep_for(std::chrono::milliseconds(5500));
        });
    holding.get_future().wait();
    KT_EDIT_LEXPOS at{10, 0};
    KT_EDIT_LEXPOS end = buffer.text.Insert(at, "\n\n\n");
    buffer.parser->OnEditChanged(at, end, CKTSyntaxEditLexTextSchema::ktInsert, &buffer.text);
    painter.join();
    auto fresh = schema->Clone();
    CKTSyntaxEditLexCursor cursor(buffer.text);
    fresh->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    EXPECT_EQ(buffer.parser->GetTextSchema()->GetBlocks(), fresh->GetBlocks());
}

// A text saved right after opening breaks into the first parse; the parse
// must still finish, or the editor would stay uncoloured until the next edit.
TEST(LexParserThread, ABrokenParseResumesWithoutAnEdit)
{
    auto schema = LoadTestSchema("schemes/c.scheme");
    std::string code = ReadTestFile(std::string(KT_TEST_DATA_DIR) + "/chat_api.c");
    std::string text;
    for (int i = 0; i < 30; ++i)
        text += code;
    CBuffer buffer(text, ".c");
    buffer.Install(schema);
    ASSERT_TRUE(buffer.parser->WaitForEvents(5000));  // the worker is under way
    buffer.parser->BreakParsing();
    while (buffer.WaitParsed(800))
    {
    }
    auto fresh = schema->Clone();
    CKTSyntaxEditLexCursor cursor(buffer.text);
    fresh->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    EXPECT_EQ(buffer.parser->GetTextSchema()->GetBlocks(), fresh->GetBlocks());
}

// A save that lands just as the edit's pass starts breaks it before its
// first character; the edited rows must still be coloured again.
TEST(LexParserThread, APassBrokenBeforeItStartsRunsLater)
{
    CBuffer buffer("int x;\r\nint y;", ".c");
    buffer.Install(LoadTestSchema("schemes/c.scheme"));
    ASSERT_TRUE(buffer.WaitParsed(5000));
    KT_EDIT_LEXPOS at{1, 0};
    KT_EDIT_LEXPOS end = buffer.text.Insert(at, "/* ");
    buffer.parser->OnEditChanged(at, end, CKTSyntaxEditLexTextSchema::ktInsert, &buffer.text);
    // The worker sits in the edit delay: the break is what it meets first, and no pass runs through it.
    {
        CKTSyntaxEditLexTextSchema::CBreak save(*buffer.parser->GetTextSchema());
        EXPECT_FALSE(buffer.WaitParsed(1500));
    }
    ASSERT_TRUE(buffer.WaitParsed(5000));
    EXPECT_EQ(buffer.Row(2), "0-6:008000");
}

// A text whose rows do not fit in the memory left: the worker gives the pass
// up and says so, the program goes on, and the next edit is coloured.
TEST(LexParserThread, MemoryRunningOutEndsThePassAndTheWorkerStaysReady)
{
    CBuffer buffer("int x;\r\n" + std::string(8 << 20, 'a'), ".c");
    {
        AllocationLimit limit(4 << 20);
        buffer.Install(LoadTestSchema("schemes/c.scheme"));
        ASSERT_TRUE(buffer.WaitParsed(20000));
    }
    KT_EDIT_LEXPOS at{1, 0};
    KT_EDIT_LEXPOS end = buffer.text.Insert(at, "/* ");
    buffer.parser->OnEditChanged(at, end, CKTSyntaxEditLexTextSchema::ktInsert, &buffer.text);
    ASSERT_TRUE(buffer.WaitParsed(20000));
    EXPECT_EQ(buffer.Row(1).substr(0, 10), "0-9:008000");
}

// The parser's cursor keeps as much earlier text as the scheme's option says.
TEST(LexParserThread, TheLookBackReachesAsFarAsTheSchemeSays)
{
    CKTSyntaxEditLexClassInfoArray infos;
    CKTSyntaxEditSchemaReader().ParseSource(
        "lexClass:\nname = file\nparent:file = <*.t>\nglobal:FirstParseInSeparateThread = 0\n"
        "global:MaxBackParseOffset = 200\nlexClass:\nname = val\nparent = file\nprevious:tag = 'return'\n"
        "previous:tag:separators = @eol\nstart:tag = @digit\nend:separators = @eol\n",
        infos);
    auto schema = KTMakeCounted<CKTSyntaxEditLexTextSchema>("t");
    schema->LoadClasses(infos);
    CBuffer buffer("return" + std::string(60, '\n') + "5", ".t");
    buffer.Install(schema);  // parses at once
    std::vector<KT_EDIT_LEXBLOCKINFO> blocks = buffer.parser->GetTextSchema()->GetBlocks();
    EXPECT_TRUE(std::any_of(blocks.begin(), blocks.end(),
                            [](const KT_EDIT_LEXBLOCKINFO& block) { return block.strClass == "val"; }));
}

// A scheme whose classes nest without end (found by the fuzzer): the
// worker's parse ends and reports so, and the worker stays ready for edits.
TEST(LexParserThread, SchemesThatNestWithoutEndEndTheParse)
{
    CKTSyntaxEditLexClassInfoArray infos;
    CKTSyntaxEditSchemaReader().ParseSource(
        ReadTestFile(std::string(KT_TEST_CORPUS_DIR) + "/nesting-without-end.scheme"), infos);
    auto schema = KTMakeCounted<CKTSyntaxEditLexTextSchema>("deep");
    schema->LoadClasses(infos);
    CBuffer buffer("/* a */ int x = 0x1F; // b\n\"s\\\"\" 'c' #if 12\n{ return; }", ".diagram");
    buffer.Install(schema);
    ASSERT_TRUE(buffer.WaitParsed(5000));
    KT_EDIT_LEXPOS at{2, 0};
    KT_EDIT_LEXPOS end = buffer.text.Insert(at, "12 ");
    buffer.parser->OnEditChanged(at, end, CKTSyntaxEditLexTextSchema::ktInsert, &buffer.text);
    buffer.parser->StartParseInThread(&buffer.text, nullptr, nullptr, true);
    EXPECT_TRUE(buffer.WaitParsed(5000));
    EXPECT_FALSE(buffer.parser->GetTextSchema()->GetBlocks().empty());
}

// After a configuration change the text parses at once on the calling
// thread when the scheme says so, and in the worker otherwise.
TEST(LexParserThread, ConfigurationChangesParseWhereTheSchemeSays)
{
    for (const char* inThread : {"0", "1"})
    {
        auto schema = EditedCScheme({{"ConfigChangedReparceInSeparateThread = 1",
                                      std::string("ConfigChangedReparceInSeparateThread = ") + inThread},
                                     {"FirstParseInSeparateThread = 1", "FirstParseInSeparateThread = 0"}});
        CBuffer buffer("int a; /* b */", ".c");
        buffer.parser->SetTextSchema(schema.GetInterface());
        buffer.parser->ParseAll(&buffer.text, true);
        bool atOnce = *inThread == '0';
        EXPECT_EQ(buffer.parser->IsWorkerRunning(), !atOnce) << inThread;
        if (atOnce)
            EXPECT_EQ(buffer.Row(1), "0-3:0000FF 3-7:- 7-14:008000");
        else
            EXPECT_TRUE(buffer.WaitParsed(5000));
    }
}

// What waits for the colouring to settle relies on this: work is seen from the request to the end of
// its pass, through the edit delay, and not after.
TEST(LexParserThread, WorkIsSeenFromTheRequestUntilItsPassEnds)
{
    auto schema = EditedCScheme({{"EditReparceTimeout_ms = 500", "EditReparceTimeout_ms = 60000"}});
    std::string code = ReadTestFile(std::string(KT_TEST_DATA_DIR) + "/chat_api.c");
    CBuffer buffer(code, ".c");
    EXPECT_FALSE(buffer.parser->HasWork());
    buffer.parser->SetTextSchema(schema.GetInterface());
    buffer.parser->TakeEvents();
    {
        // A loaded machine may run the whole pass before the test looks; holding the blocks holds the pass.
        auto blocks = buffer.parser->GetTextSchema()->LockData();
        buffer.parser->ParseAll(&buffer.text);
        EXPECT_TRUE(buffer.parser->HasWork());
    }
    ASSERT_TRUE(buffer.WaitParsed(5000));
    const auto settled = [&]
    {
        auto until = Clock::now() + std::chrono::seconds(5);
        while (buffer.parser->HasWork() && Clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return !buffer.parser->HasWork();
    };
    EXPECT_TRUE(settled());
    KT_EDIT_LEXPOS at{2, 0};
    KT_EDIT_LEXPOS end = buffer.text.Insert(at, "int b; ");
    buffer.parser->OnEditChanged(at, end, CKTSyntaxEditLexTextSchema::ktInsert, &buffer.text);
    EXPECT_TRUE(buffer.parser->HasWork());  // held by the edit delay
    buffer.parser->StartParseInThread(&buffer.text, nullptr, nullptr, true);
    ASSERT_TRUE(buffer.WaitParsed(5000));
    EXPECT_TRUE(settled());
}

// Edits apart in the text are parsed each in a pass of its own, the newest
// first, and end like a fresh parse.
TEST(LexParserThread, RangesApartAreParsedNewestFirst)
{
    auto schema = EditedCScheme({{"EditReparceTimeout_ms = 500", "EditReparceTimeout_ms = 60000"}});
    CBuffer buffer(ReadTestFile(std::string(KT_TEST_DATA_DIR) + "/chat_api.c"), ".c");
    buffer.Install(schema);
    ASSERT_TRUE(buffer.WaitParsed(5000));
    for (int row : {10, 70})
    {  // held in the edit delay, both wait together
        KT_EDIT_LEXPOS at{row, 0};
        KT_EDIT_LEXPOS end = buffer.text.Insert(at, "/* c */ int q; ");
        buffer.parser->OnEditChanged(at, end, CKTSyntaxEditLexTextSchema::ktInsert, &buffer.text);
    }
    buffer.parser->StartParseInThread(&buffer.text, nullptr, nullptr, true);
    std::vector<int> parsedRows;  // of the last block each pass announced
    int lastRow = 0;
    for (auto until = Clock::now() + std::chrono::seconds(5); parsedRows.size() < 2 && Clock::now() < until;)
    {
        buffer.parser->WaitForEvents(50);
        for (const KT_EDIT_LEXPARSEREVENT& event : buffer.parser->TakeEvents())
        {
            if (event.nCode == CKTSyntaxEditLexParser::ktEditOnTextBlockParsed)
                lastRow = event.block->m_posStart.nRow;
            if (event.nCode == CKTSyntaxEditLexParser::ktEditOnParserEnded)
                parsedRows.push_back(lastRow);
        }
    }
    ASSERT_EQ(parsedRows.size(), 2u);
    auto until = Clock::now() + std::chrono::seconds(5);
    while (buffer.parser->HasWork() && Clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    for (const KT_EDIT_LEXPARSEREVENT& event : buffer.parser->TakeEvents())
        EXPECT_NE(event.nCode, CKTSyntaxEditLexParser::ktEditOnParserEnded) << "a third pass";
    EXPECT_GE(parsedRows[0], 70);
    EXPECT_LT(parsedRows[1], 70);
    auto fresh = schema->Clone();
    CKTSyntaxEditLexCursor cursor(buffer.text);
    fresh->RunParseUpdate(true, cursor, nullptr, nullptr, false);
    EXPECT_EQ(buffer.parser->GetTextSchema()->GetBlocks(), fresh->GetBlocks());
}

#ifndef _WIN32
// Bytes of address space the process uses now.
rlim_t UsedAddressSpace()
{
    unsigned long pages = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm)
    {
        if (std::fscanf(statm, "%lu", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    return rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE));
}

// With no address space left for a thread's stack the request keeps its work
// and says nothing; the next request makes the worker, which parses it.
TEST(LexParserThreadDeathTest, AWorkerTheSystemCannotMakeIsMadeOnTheNextRequest)
{
    const auto run = []
    {
        CBuffer buffer("int a;", ".c");
        buffer.parser->SetTextSchema(LoadTestSchema("schemes/c.scheme").GetInterface());
        rlimit old{};
        getrlimit(RLIMIT_AS, &old);
        rlimit tight{UsedAddressSpace() + (1 << 20), old.rlim_max};
        setrlimit(RLIMIT_AS, &tight);
        KT_EDIT_LEXPOS start{1, 0};
        buffer.parser->StartParseInThread(&buffer.text, &start, nullptr, true);
        bool running = buffer.parser->IsWorkerRunning();
        setrlimit(RLIMIT_AS, &old);
        buffer.parser->StartParseInThread(&buffer.text, nullptr, nullptr, true);
        bool parsed = buffer.WaitParsed(5000) && buffer.Row(1) == "0-3:0000FF 3-6:-";
        std::exit(!running && parsed ? 0 : 1);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "");
}
#endif

TEST(LexParserThread, IdleWorkersEndAndStartAgain)
{
    auto schema = EditedCScheme({{"ParserThreadIdleLifeTime_sec = 60", "ParserThreadIdleLifeTime_sec = 1"}});
    CBuffer buffer("int a;", ".c");
    buffer.Install(schema);
    ASSERT_TRUE(buffer.WaitParsed(5000));
    auto until = Clock::now() + std::chrono::seconds(5);
    while (buffer.parser->IsWorkerRunning() && Clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(buffer.parser->IsWorkerRunning());
    buffer.parser->ParseAll(&buffer.text);
    EXPECT_TRUE(buffer.WaitParsed(5000));
}

}  // namespace
