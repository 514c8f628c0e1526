// The designer's long work timed in its real frame under Wine: Generate Code into the open editors,
// Save All after it and Close with nothing changed, on the chat example and on a design of
// 1,000 packets of 30 fields; the program's start-up to its frame and to its full tree painted,
// beside the system's notepad to its window and to its text; and the memory the designer holds
// with the big design open and after Generate Code.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "Generator.h"
#include "KTSyntaxEditCtrl.h"
#include "KTSyntaxEditDoc.h"
#include "KTSyntaxEditLexParser.h"
#include "KTSyntaxEditLexParserAdapter.h"
#include "MainFrame.h"
#include "MessagePump.h"
#include "ProjectTreeItems.h"
#include "SampleDesigns.h"
#include "TestFolder.h"
#include "WorkspaceRes.h"
#include "TreeView.h"
#include "WrenfoldApp.h"
#include "project/ProjectFile.h"

namespace
{

class CBenchApp : public CwrenfoldApp
{
public:
    int DoMessageBox(LPCTSTR, UINT, UINT) override { return IDOK; }
};

CBenchApp theApp;

const int kBigPackets = 1000;
const int kBigFields = 30;

std::string ExampleText()
{
    std::ifstream file(std::string(CKTSyntaxEditCtrl::GetModuleFolder()) + "example\\chat.kvs", std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The project file of the benchmark's design in the folder; its path.
std::string WriteDesign(const CTestFolder& folder, bool bBig)
{
    const std::string strPath = folder.Path(bBig ? "Large.kvs" : "chat.kvs");
    if (!bBig)
        folder.Write("chat.kvs", ExampleText());
    CString strError;
    if (bBig && !WriteProjectFile(LargeProject(kBigPackets, kBigFields), strPath.c_str(), &strError))
        return std::string();
    return strPath;
}

// The program's frame as the user has it: shown, the project loaded and selected, its editors open.
class CDesignerFrame
{
public:
    explicit CDesignerFrame(const std::string& strProject)
    {
        theApp.AfxInitApplicationState(::GetModuleHandle(nullptr), (LPTSTR) "", SW_SHOW);
        if (!theApp.GetEditorTemplate())
            theApp.CreateEditorTemplate();
        m_pFrame = new CMainFrame;
        if (!m_pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, nullptr))
        {
            m_pFrame = nullptr;
            return;
        }
        theApp.m_pMainWnd = m_pFrame;
        m_pFrame->ShowWindow(SW_SHOW);
        m_pFrame->UpdateWindow();
        PumpMessages();
        if (!strProject.empty())
            Open(strProject);
    }
    ~CDesignerFrame()
    {
        if (m_pFrame)
            m_pFrame->DestroyWindow();
        theApp.m_pMainWnd = nullptr;
        PumpMessages();
    }
    CDesignerFrame(const CDesignerFrame&) = delete;
    CDesignerFrame& operator=(const CDesignerFrame&) = delete;

    bool Loaded() const { return m_pFrame && m_pFrame->CurrentProject(); }
    CMainFrame* Frame() const { return m_pFrame; }
    void Open(const std::string& strProject)
    {
        m_pFrame->ReadSolutionFile(strProject.c_str());
        COfficeTreeCtrl& tree = m_pFrame->m_wndProjectTree.m_wndTree;
        tree.SelectItem(tree.GetChildItem(m_pFrame->m_wndProjectTree.m_hRoot));
        Settle();
    }
    // The command as the menu sends it, and what it leaves queued, painting included.
    void Run(UINT nId)
    {
        m_pFrame->SendMessage(WM_COMMAND, nId);
        Settle();
    }
    static void Settle()
    {
        PumpMessages();
        ::RedrawWindow(AfxGetMainWnd()->GetSafeHwnd(), nullptr, nullptr,
                       RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_ERASENOW);
    }

private:
    CMainFrame* m_pFrame = nullptr;
};

// The first Generate Code after the project was opened, as the user meets it: its editors hold the
// files as they were.
void GenerateCode(benchmark::State& state, bool bBig)
{
    CTestFolder folder(bBig ? "bench-generate-big" : "bench-generate-chat");
    const std::string strPath = WriteDesign(folder, bBig);
    for (auto _ : state)
    {
        state.PauseTiming();
        auto pFrame = std::make_unique<CDesignerFrame>(strPath);
        if (!pFrame->Loaded())
            return state.SkipWithError("the design did not load");
        state.ResumeTiming();
        pFrame->Run(ID_BUILD_GENERATE_CODE);
        state.PauseTiming();
        pFrame.reset();
        state.ResumeTiming();
    }
}

void BM_GenerateCodeIntoOpenEditorsChat(benchmark::State& state) { GenerateCode(state, false); }
BENCHMARK(BM_GenerateCodeIntoOpenEditorsChat)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_GenerateCodeIntoOpenEditorsBig(benchmark::State& state) { GenerateCode(state, true); }
BENCHMARK(BM_GenerateCodeIntoOpenEditorsBig)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The yardstick: the generator alone on the same design, under Wine.
void GeneratorAlone(benchmark::State& state, bool bBig)
{
    CTestFolder folder("bench-generator");
    ProjectRecord project;
    CString strMessage;
    if (!ReadProjectFile(WriteDesign(folder, bBig).c_str(), &project, &strMessage))
        return state.SkipWithError("the design did not load");
    for (auto _ : state)
    {
        codegen::GeneratedCode code;
        std::string error;
        codegen::GenerateCode(project, code, error);
        benchmark::DoNotOptimize(code.source.size());
    }
}

void BM_GeneratorAloneChat(benchmark::State& state) { GeneratorAlone(state, false); }
BENCHMARK(BM_GeneratorAloneChat)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_GeneratorAloneBig(benchmark::State& state) { GeneratorAlone(state, true); }
BENCHMARK(BM_GeneratorAloneBig)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_SaveAllAfterGenerateBig(benchmark::State& state)
{
    CTestFolder folder("bench-save-all");
    CDesignerFrame frame(WriteDesign(folder, true));
    if (!frame.Loaded())
        return state.SkipWithError("the design did not load");
    for (auto _ : state)
    {
        state.PauseTiming();
        frame.Run(ID_BUILD_GENERATE_CODE);
        state.ResumeTiming();
        frame.Run(ID_PROJECT_SAVE_ALL);
    }
}
BENCHMARK(BM_SaveAllAfterGenerateBig)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_CloseWithNothingChangedBig(benchmark::State& state)
{
    CTestFolder folder("bench-close");
    const std::string strPath = WriteDesign(folder, true);
    CDesignerFrame frame(strPath);
    if (!frame.Loaded())
        return state.SkipWithError("the design did not load");
    for (auto _ : state)
    {
        frame.Run(ID_PROJECT_CLOSE);
        state.PauseTiming();
        frame.Open(strPath);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CloseWithNothingChangedBig)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The project tree filled with a design of so many packets of two fields, as opening fills it: the
// time should grow with the packets, not with their square.
void BM_FillTree(benchmark::State& state)
{
    CDesignerFrame frame("");
    if (!frame.Frame())
        return state.SkipWithError("no frame");
    ProjectRecord project = LargeProject(int(state.range(0)), 2);
    COfficeTreeCtrl& tree = frame.Frame()->m_wndProjectTree.m_wndTree;
    const HTREEITEM hRoot = frame.Frame()->m_wndProjectTree.m_hRoot;
    for (auto _ : state)
    {
        const HTREEITEM hProject = InsertProjectItems(tree, hRoot, &project);
        state.PauseTiming();
        if (!hProject)
            return state.SkipWithError("the project was not inserted");
        DeleteItemsWithData(tree, hProject);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FillTree)
    ->Arg(32768)
    ->Arg(65536)
    ->Arg(131072)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime();

// The program started on the design, timed until its frame shows and until what it shows of the
// design is on the screen: the designer's tree holding every item, the yardstick's text, each painted.
struct StartupTimes
{
    double dFrameSeconds = -1;
    double dContentSeconds = -1;
};

// The designer's frame, of the process started; or the yardstick's window, of whichever process
// the system runs it in.
struct ShownFrame
{
    DWORD dwProcessId;
    bool bMdiFrame;
    HWND hFound;
};

BOOL CALLBACK MatchFrame(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<ShownFrame*>(lParam);
    DWORD dwOwner = 0;
    ::GetWindowThreadProcessId(hWnd, &dwOwner);
    char szClass[64] = "";
    ::GetClassName(hWnd, szClass, sizeof szClass);
    const bool bMatch = pSearch->bMdiFrame
                            ? dwOwner == pSearch->dwProcessId && ::FindWindowEx(hWnd, nullptr, "MDIClient", nullptr)
                            : lstrcmp(szClass, "Notepad") == 0;
    if (!bMatch || !::IsWindowVisible(hWnd))
        return TRUE;
    pSearch->hFound = hWnd;
    return FALSE;
}

// What a window of another process answers to the message; 0 when it does not answer in time.
LRESULT AnswerOf(HWND hWnd, UINT nMessage)
{
    DWORD_PTR dwAnswer = 0;
    return ::SendMessageTimeout(hWnd, nMessage, 0, 0, SMTO_NORMAL, 1000, &dwAnswer) ? LRESULT(dwAnswer) : 0;
}

// The window holds at least the items or characters counted by the message, and they are painted.
bool ShowsContent(HWND hWnd, UINT nCountMessage, UINT nAtLeast)
{
    return hWnd && UINT(AnswerOf(hWnd, nCountMessage)) >= nAtLeast && !::GetUpdateRect(hWnd, nullptr, FALSE);
}

// Without tree items to wait for, the program is the yardstick and its content the file's text.
StartupTimes StartProgram(const std::string& strProgram, const std::string& strProject, UINT nTreeItems)
{
    StartupTimes times;
    std::string strCommand = strProgram + " \"" + strProject + "\"";
    STARTUPINFO startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    const auto start = std::chrono::steady_clock::now();
    if (!::CreateProcess(nullptr, &strCommand[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return times;
    const auto since = [&start]
    { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
    ShownFrame search = {process.dwProcessId, nTreeItems > 0, nullptr};
    PumpUntil([&] { return !::EnumWindows(MatchFrame, reinterpret_cast<LPARAM>(&search)) && search.hFound; }, 60000);
    times.dFrameSeconds = search.hFound ? since() : -1;
    const auto contentShown = [&]
    {
        if (!search.hFound)
            return false;
        if (nTreeItems == 0)
            return ShowsContent(::FindWindowEx(search.hFound, nullptr, "Edit", nullptr), WM_GETTEXTLENGTH, 1);
        return ShowsContent(TreeViewOf(search.hFound), TVM_GETCOUNT, nTreeItems);
    };
    if (PumpUntil(contentShown, 60000))
        times.dContentSeconds = since();
    // Gone before the next start, which must not find it.
    if (search.hFound && ::PostMessage(search.hFound, WM_CLOSE, 0, 0))
        PumpUntil([&] { return !::IsWindow(search.hFound); }, 60000);
    if (::WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0)
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return times;
}

// Every item of a design: the root, the project, "Head" and "Packet", the header fields, the packets
// and their fields.
UINT TreeItemsOf(const std::string& strProject)
{
    ProjectRecord project;
    CString strMessage;
    if (!ReadProjectFile(strProject.c_str(), &project, &strMessage))
        return 0;
    UINT nItems = 4 + UINT(project.headerFields.GetSize()) + UINT(project.packets.GetSize());
    for (int i = 0; i < project.packets.GetSize(); i++)
        nItems += UINT(project.packets[i].fields.GetSize());
    return nItems;
}

void Startup(benchmark::State& state, bool bBig, bool bToTree)
{
    CTestFolder folder(bBig ? "bench-startup-big" : "bench-startup-chat");
    const std::string strPath = WriteDesign(folder, bBig);
    const UINT nItems = TreeItemsOf(strPath);
    for (auto _ : state)
    {
        const StartupTimes times = StartProgram("kestova.exe", strPath, nItems);
        const double dSeconds = bToTree ? times.dContentSeconds : times.dFrameSeconds;
        if (dSeconds < 0)
            return state.SkipWithError("the program did not show it");
        state.SetIterationTime(dSeconds);
    }
}

void BM_StartupToFrameChat(benchmark::State& state) { Startup(state, false, false); }
BENCHMARK(BM_StartupToFrameChat)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

void BM_StartupToTreeChat(benchmark::State& state) { Startup(state, false, true); }
BENCHMARK(BM_StartupToTreeChat)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

void BM_StartupToFrameBig(benchmark::State& state) { Startup(state, true, false); }
BENCHMARK(BM_StartupToFrameBig)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

void BM_StartupToTreeBig(benchmark::State& state) { Startup(state, true, true); }
BENCHMARK(BM_StartupToTreeBig)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

// The yardstick of start-up: the system's notepad on the same file, to its window and to its text.
void StartupNotepad(benchmark::State& state, bool bToText)
{
    CTestFolder folder("bench-startup-notepad");
    const std::string strPath = WriteDesign(folder, false);
    for (auto _ : state)
    {
        const StartupTimes times = StartProgram("notepad.exe", strPath, 0);
        const double dSeconds = bToText ? times.dContentSeconds : times.dFrameSeconds;
        if (dSeconds < 0)
            return state.SkipWithError("notepad did not show it");
        state.SetIterationTime(dSeconds);
    }
}

void BM_StartupNotepadChat(benchmark::State& state) { StartupNotepad(state, false); }
BENCHMARK(BM_StartupNotepadChat)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

void BM_StartupNotepadChatToText(benchmark::State& state) { StartupNotepad(state, true); }
BENCHMARK(BM_StartupNotepadChatToText)->Unit(benchmark::kMillisecond)->Iterations(5)->UseManualTime();

// Whether some open editor's colouring is still being worked out in the background.
bool EditorsParsing()
{
    CMultiDocTemplate* pTemplate = theApp.GetEditorTemplate();
    for (POSITION pos = pTemplate->GetFirstDocPosition(); pos;)
    {
        const auto* pDoc = static_cast<CKTSyntaxEditDoc*>(pTemplate->GetNextDoc(pos));
        const CKTSyntaxEditLexParserAdapter* pLink = CKTSyntaxEditLexParserAdapter::FromBuffer(pDoc->GetDataManager());
        if (pLink && pLink->GetParser()->HasWork())
            return true;
    }
    return false;
}

// What the process holds once the editors' colouring has settled: its working set, in MB. (Wine
// answers 0 for the private bytes.)
void ReportMemory(benchmark::State& state, const std::string& strWhen)
{
    if (!PumpUntil([] { return !EditorsParsing(); }, 60000))
        return state.SkipWithError("the editors' colouring did not end");
    CDesignerFrame::Settle();
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters))
        return state.SkipWithError("the process's memory cannot be read");
    const double dMegabyte = 1024.0 * 1024.0;
    state.counters[strWhen + "_resident_MB"] = double(counters.WorkingSetSize) / dMegabyte;
}

// The big design open in the frame with its editors, then Generate Code into them. Run alone
// (--benchmark_filter=Memory): what earlier benchmarks left in the heap would count too.
void BM_MemoryOfTheBigDesign(benchmark::State& state)
{
    CTestFolder folder("bench-memory-big");
    const std::string strPath = WriteDesign(folder, true);
    for (auto _ : state)
    {
        CDesignerFrame frame(strPath);
        if (!frame.Loaded())
            return state.SkipWithError("the design did not load");
        ReportMemory(state, "open");
        frame.Run(ID_BUILD_GENERATE_CODE);
        ReportMemory(state, "generated");
    }
}
BENCHMARK(BM_MemoryOfTheBigDesign)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
