// Painting of a 50-row window over a coloured big generated C file, scrolled to its middle: a full repaint,
// the parse's announcement of a block on screen, a typed character until its row shows it, keys of a line of C,
// a whole new text until its first screen shows, and the parse of a whole new text delivered to the window.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "KTSyntaxEditCtrl.h"
#include "KTSyntaxEditLexParser.h"
#include "KTSyntaxEditLexParserAdapter.h"
#include "KTSyntaxEditNotify.h"
#include "KTSyntaxEditNewText.h"
#include "MessagePump.h"
#include "PixelImage.h"

namespace
{
const int kRows = 50000;
const size_t kBigFileBytes = 12 * 1000 * 1000;
const int kVisibleRows = 50;

CWinApp theApp("Syntax Edit Benchmark");

// Counts the parser's finished runs and the blocks it announced; answers 0 to every question.
class CBenchParent : public CWnd
{
public:
    CBenchParent()
    {
        LPCSTR pszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), HBRUSH(COLOR_WINDOW + 1));
        CreateEx(0, pszClass, "Kestova edit benchmark", WS_POPUP | WS_VISIBLE, CRect(0, 0, 800, 900), NULL, 0);
    }
    ~CBenchParent() override { DestroyWindow(); }
    int m_nParseEnds = 0;
    int m_nBlocks = 0;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override
    {
        const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
        auto* pEvent = reinterpret_cast<const KT_EDIT_NMHDR_PARSER*>(pHeader);
        if (int(pHeader->code) == KT_EDIT_NM_PARSEREVENT)
        {
            m_nParseEnds += pEvent->nCode == CKTSyntaxEditLexParser::ktEditOnParserEnded ? 1 : 0;
            m_nBlocks += pEvent->nCode == CKTSyntaxEditLexParser::ktEditOnTextBlockParsed ? 1 : 0;
        }
        *pResult = 0;
        return TRUE;
    }
};

// The generated C file repeated until it has at least the rows and the bytes.
std::string GeneratedFile(int nMinRows, size_t nMinBytes)
{
    std::ifstream file(std::string(KT_TEST_DATA_DIR) + "/chat_api.c", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    std::string strOne = text.str(), strAll;
    int nRowsOfOne = 0;
    for (char ch : strOne)
        nRowsOfOne += ch == '\n' ? 1 : 0;
    for (int nRows = 0; nRows < nMinRows || strAll.size() < nMinBytes; nRows += nRowsOfOne)
        strAll += strOne;
    return strAll;
}

// The control over the big file, parsed, scrolled to the middle.
struct CBenchEditor
{
    explicit CBenchEditor(std::string strText)
    {
        theApp.AfxInitApplicationState(::GetModuleHandle(NULL), const_cast<LPSTR>(""), SW_SHOW);
        CKTSyntaxEditLexParserAdapter::Install();
        ctrl.Create(&parent, TRUE, TRUE);
        ctrl.SetConfigFile(CKTSyntaxEditCtrl::GetModuleFolder() + "config\\SyntaxEdit.ini");
        ctrl.MoveWindow(0, 0, 780, kVisibleRows * ctrl.GetRowHeight() + ::GetSystemMetrics(SM_CYHSCROLL));
        CMemFile file(reinterpret_cast<BYTE*>(&strText[0]), UINT(strText.size()));
        ctrl.GetBuffer()->Load(&file, ".c");
        ctrl.RecalcScrollBars();
        ctrl.InvalidateRows();
        PumpUntil([this] { return parent.m_nParseEnds > 0; }, 120000);
        WaitForQuiet();
        ctrl.SetTopRow(ctrl.GetRowCount() / 2);
        ctrl.RecalcScrollBars();
        ctrl.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    }

    // A configuration reload may parse once more: the measurement starts
    // when the parser has been silent for two seconds.
    void WaitForQuiet()
    {
        int nSeen = -1;
        while (nSeen != parent.m_nParseEnds)
        {
            nSeen = parent.m_nParseEnds;
            PumpUntil([&] { return parent.m_nParseEnds != nSeen; }, 2000);
        }
    }

    CBenchParent parent;
    CKTSyntaxEditCtrl ctrl;
};

// Each lives to the process's end, as an editor would.
CBenchEditor& RowsEditor()
{
    static CBenchEditor* pEditor = new CBenchEditor(GeneratedFile(kRows, 0));
    return *pEditor;
}

CBenchEditor& BigEditor()
{
    static CBenchEditor* pEditor = new CBenchEditor(GeneratedFile(0, kBigFileBytes));
    return *pEditor;
}

void BM_RepaintMiddleOfLargeFile(benchmark::State& state)
{
    CBenchEditor* pEditor = &RowsEditor();
    CKTSyntaxEditCtrl& ctrl = pEditor->ctrl;
    for (auto _ : state)
        ctrl.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    state.counters["rows"] = ctrl.GetRowCount();
    state.counters["visible"] = ctrl.GetVisibleRows();
    state.counters["parsed"] = pEditor->parent.m_nParseEnds;
}
BENCHMARK(BM_RepaintMiddleOfLargeFile)->Unit(benchmark::kMillisecond);

// The control's share of a background parse: a run starts, then blocks parsed on screen
// arrive, each its own event; one iteration is one block.
void BM_ParsedBlockOnScreen(benchmark::State& state)
{
    CKTSyntaxEditCtrl& ctrl = RowsEditor().ctrl;
    CKTLexBlockPtr block = ctrl.GetTextSchema()->NewBlock();
    block->m_posStart = {ctrl.GetTopRow(), 0};
    block->m_posEnd = {ctrl.GetTopRow() + 1, 0};
    CKTNotificationConnection* pConnection = ctrl.GetBuffer()->GetConnection();
    pConnection->SendEvent(CKTSyntaxEditLexParser::ktEditOnParserStarted, 0, 0);
    for (auto _ : state)
        pConnection->SendEvent(CKTSyntaxEditLexParser::ktEditOnTextBlockParsed, WPARAM(block.GetInterface()), 0);
    pConnection->SendEvent(CKTSyntaxEditLexParser::ktEditOnParserEnded, 0, 0);
    PumpMessages();
}
BENCHMARK(BM_ParsedBlockOnScreen)->Unit(benchmark::kMicrosecond);

// The window's pixels of one character cell show more than the row's background.
bool CellShowsInk(CKTSyntaxEditCtrl& ctrl, const CRect& rcCell)
{
    CClientDC dc(&ctrl);
    CPixelImage image = CPixelImage::FromDC(dc.GetSafeHdc(), rcCell);
    return image.CountNear(RGB(255, 255, 255)) < image.Width() * image.Height();
}

// The caret at the end of a short row in the middle of the window, so that
// the typed characters stay in view without scrolling.
int PlaceCaretOnShortRow(CKTSyntaxEditCtrl& ctrl)
{
    int nRow = ctrl.GetTopRow() + kVisibleRows / 2;
    while (ctrl.GetBuffer()->GetLineLength(nRow) < 4 || ctrl.GetBuffer()->GetLineLength(nRow) > 30)
        ++nRow;
    int nEnd = ctrl.GetDisplayColumn(nRow, ctrl.GetBuffer()->GetLineLength(nRow) + 1);
    ctrl.SetCurrentPosition(nRow, nEnd, FALSE, TRUE);
    return nRow;
}

// From the key's handling to the moment the window's pixels show the
// character; the background re-parse may still be pending.
void TypeUntilShown(benchmark::State& state, CBenchEditor& editor)
{
    CKTSyntaxEditCtrl& ctrl = editor.ctrl;
    editor.parent.SetFocus();  // no blinking caret in the measured cells
    int nRow = PlaceCaretOnShortRow(ctrl);
    int y = (nRow - ctrl.GetTopRow()) * ctrl.GetRowHeight();
    int nMissed = 0;
    for (auto _ : state)
    {
        int x = ctrl.GetTextLeft() + (ctrl.GetCurrentDispCol() - 1 - ctrl.GetHorzPos()) * ctrl.GetCharWidth();
        CRect rcCell(x, y, x + ctrl.GetCharWidth(), y + ctrl.GetRowHeight());
        ctrl.SendMessage(WM_CHAR, 'x', 1);
        nMissed += PumpUntil([&] { return CellShowsInk(ctrl, rcCell); }, 10000) ? 0 : 1;
    }
    state.counters["rows"] = ctrl.GetRowCount();
    state.counters["missed"] = nMissed;
}

void BM_TypedCharacterShows_50000Rows(benchmark::State& state) { TypeUntilShown(state, RowsEditor()); }
BENCHMARK(BM_TypedCharacterShows_50000Rows)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void BM_TypedCharacterShows_12MB(benchmark::State& state) { TypeUntilShown(state, BigEditor()); }
BENCHMARK(BM_TypedCharacterShows_12MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
// Keys as the keyboard gives them, a key down and then its character, at the end of a row in the middle of the
// window, with the word list opening on the typed tags as it does for a user. One iteration is one key; the row
// is put back after each line. The letters alone are the yardstick: their keys open no list.
void TypeKeys(benchmark::State& state, const char* pszLine)
{
    CKTSyntaxEditCtrl& ctrl = BigEditor().ctrl;
    ctrl.SetFocus();
    const int nRow = PlaceCaretOnShortRow(ctrl);
    const int nEnd = ctrl.GetCurrentChar();
    const char* pszNext = pszLine;
    for (auto _ : state)
    {
        if (!*pszNext)
        {
            state.PauseTiming();
            ctrl.Select(nRow, ctrl.GetDisplayColumn(nRow, nEnd), nRow, ctrl.GetCurrentDispCol(), FALSE);
            ctrl.ReplaceSelection("", TRUE);
            PumpMessages();
            pszNext = pszLine;
            state.ResumeTiming();
        }
        const char ch = *pszNext++;
        ctrl.SendMessage(WM_KEYDOWN, LOBYTE(::VkKeyScanA(ch)), 1);
        ctrl.SendMessage(WM_CHAR, WPARAM(BYTE(ch)), 1);
        PumpMessages();
    }
}

void BM_TypedKeyOfCLine_12MB(benchmark::State& state)
{
    TypeKeys(state, "if (e) c = d; int x = a*b; return (s); /*T*/");
}
BENCHMARK(BM_TypedKeyOfCLine_12MB)->Unit(benchmark::kMillisecond)->Iterations(400);

void BM_TypedKeyOfLetters_12MB(benchmark::State& state) { TypeKeys(state, "ifecdintxabreturnsT"); }
BENCHMARK(BM_TypedKeyOfLetters_12MB)->Unit(benchmark::kMillisecond)->Iterations(400);

// The same lines typed ahead of the screen: each line's characters are all queued before any is handled, as a fast
// typist's are. One iteration is one line; the counter is the time per key.
void TypeQueuedKeys(benchmark::State& state, const char* pszLine)
{
    CKTSyntaxEditCtrl& ctrl = BigEditor().ctrl;
    ctrl.SetFocus();
    const int nRow = PlaceCaretOnShortRow(ctrl);
    const int nEnd = ctrl.GetCurrentChar();
    for (auto _ : state)
    {
        for (const char* psz = pszLine; *psz; ++psz)
            ctrl.PostMessage(WM_CHAR, WPARAM(BYTE(*psz)), 1);
        PumpMessages();
        state.PauseTiming();
        ctrl.Select(nRow, ctrl.GetDisplayColumn(nRow, nEnd), nRow, ctrl.GetCurrentDispCol(), FALSE);
        ctrl.ReplaceSelection("", TRUE);
        PumpMessages();
        state.ResumeTiming();
    }
    state.counters["per_key"] = benchmark::Counter(
        double(strlen(pszLine)), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_QueuedKeysOfCLine_12MB(benchmark::State& state)
{
    TypeQueuedKeys(state, "if (e) c = d; int x = a*b; return (s); /*T*/");
}
BENCHMARK(BM_QueuedKeysOfCLine_12MB)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_QueuedKeysOfLetters_12MB(benchmark::State& state) { TypeQueuedKeys(state, "ifecdintxabreturnsT"); }
BENCHMARK(BM_QueuedKeysOfLetters_12MB)->Unit(benchmark::kMillisecond)->Iterations(40);

// Rows of the same few words and commas, three quarters of the view wide, as an older generated file
// may hold; and as many short declarations beside them.
std::string WideRowsOfWords(int nRows, int nWidth)
{
    std::string strAll;
    for (int nRow = 0; nRow < nRows; ++nRow)
    {
        std::string strRow = "previous generation, row " + std::to_string(nRow);
        while (int(strRow.size()) < nWidth)
            strRow = "previous generation, " + strRow;
        strAll += strRow + "\r\n";
    }
    return strAll;
}

std::string Declarations(int nRows)
{
    std::string strAll;
    for (int nRow = 0; nRow < nRows; ++nRow)
        strAll += "int previous" + std::to_string(nRow) + ";\r\n";
    return strAll;
}

// Loading the rows into a shown control, laying it out as a new editor frame does, until it is
// painted and parsed.
void OpenRows(benchmark::State& state, const std::function<std::string(int nCols)>& makeText)
{
    static CBenchEditor* pEditor = new CBenchEditor(std::string("int a;\r\n"));
    CKTSyntaxEditCtrl& ctrl = pEditor->ctrl;
    const std::string strText = makeText(ctrl.GetVisibleColumns());
    CRect rc;
    ctrl.GetWindowRect(&rc);
    for (auto _ : state)
    {
        int nEnds = pEditor->parent.m_nParseEnds;
        CMemFile file(reinterpret_cast<BYTE*>(const_cast<char*>(strText.data())), UINT(strText.size()));
        ctrl.GetBuffer()->Load(&file, ".c");
        ctrl.InvalidateRows();
        ctrl.SetTopRow(1);
        ctrl.RecalcScrollBars();
        ctrl.SetCurrentPosition(1, 1, FALSE, TRUE);
        ctrl.MoveWindow(0, 0, rc.Width(), rc.Height() - 1);
        ctrl.MoveWindow(0, 0, rc.Width(), rc.Height());
        ctrl.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        PumpUntil([&] { return pEditor->parent.m_nParseEnds != nEnds; }, 120000);
    }
    state.counters["rows"] = ctrl.GetRowCount();
}

void BM_OpenWideRowsOfWordsAndCommas(benchmark::State& state)
{
    OpenRows(state, [&](int nCols) { return WideRowsOfWords(int(state.range(0)), nCols * 3 / 4); });
}
BENCHMARK(BM_OpenWideRowsOfWordsAndCommas)->Arg(5000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_OpenRowsOfDeclarations(benchmark::State& state)
{
    OpenRows(state, [&](int) { return Declarations(int(state.range(0))); });
}
BENCHMARK(BM_OpenRowsOfDeclarations)->Arg(5000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// A whole new text put into the parsed control, as Generate Code does, until its first screen is
// painted: the background parse of the new text has not run yet.
void BM_NewTextUntilPainted_12MB(benchmark::State& state)
{
    CBenchEditor& editor = BigEditor();
    CKTSyntaxEditCtrl& ctrl = editor.ctrl;
    const std::string strText = GeneratedFile(0, kBigFileBytes);
    for (auto _ : state)
    {
        CKTSyntaxEditNewText text(strText.data(), int(strText.size()));
        text.ReadAll();
        ctrl.ReplaceAllText(text);
        ctrl.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
        state.PauseTiming();
        const int nEnds = editor.parent.m_nParseEnds;
        PumpUntil([&] { return editor.parent.m_nParseEnds != nEnds; }, 120000);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NewTextUntilPainted_12MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Pumps until the condition holds or the time is up, timing each message: the longest is the longest time
// the window did not answer, in milliseconds.
double PumpTimedUntil(const std::function<bool()>& condition, DWORD dwTimeoutMs)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point until = Clock::now() + std::chrono::milliseconds(dwTimeoutMs);
    std::chrono::duration<double, std::milli> longest{0};
    while (!condition() && Clock::now() < until)
    {
        MSG msg;
        if (!::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, 50, QS_ALLINPUT);
            continue;
        }
        const Clock::time_point start = Clock::now();
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
        longest = std::max(longest, std::chrono::duration<double, std::milli>(Clock::now() - start));
    }
    return longest.count();
}

// A whole new text put into the parsed control while the window's thread is busy elsewhere, as while Generate
// writes its files: the background parse runs to its end, and every block it announced waits for the window.
// One iteration hands them all over.
void BM_ParserEventsDelivered_12MB(benchmark::State& state)
{
    CBenchEditor& editor = BigEditor();
    CKTSyntaxEditCtrl& ctrl = editor.ctrl;
    CKTSyntaxEditLexParser* pParser = CKTSyntaxEditLexParserAdapter::FromBuffer(ctrl.GetBuffer())->GetParser();
    const std::string strText = GeneratedFile(0, kBigFileBytes);
    double dLongestMs = 0;
    int nBlocks = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        CKTSyntaxEditNewText text(strText.data(), int(strText.size()));
        text.ReadAll();
        ctrl.ReplaceAllText(text);
        const int nEnds = editor.parent.m_nParseEnds;
        const int nBlocksBefore = editor.parent.m_nBlocks;
        while (pParser->HasWork())
            ::Sleep(10);
        state.ResumeTiming();
        dLongestMs = std::max(dLongestMs, PumpTimedUntil([&] { return editor.parent.m_nParseEnds != nEnds; }, 300000));
        nBlocks = editor.parent.m_nBlocks - nBlocksBefore;
    }
    state.counters["longest_busy_ms"] = dLongestMs;
    state.counters["blocks"] = nBlocks;
}
BENCHMARK(BM_ParserEventsDelivered_12MB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
}  // namespace

BENCHMARK_MAIN();
