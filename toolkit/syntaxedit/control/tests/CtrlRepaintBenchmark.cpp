// A full repaint of a 50-row window over a coloured 50,000-line generated C file, scrolled to its middle.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "KTSyntaxEditCtrl.h"
#include "KTSyntaxEditLexParser.h"
#include "KTSyntaxEditLexParserAdapter.h"
#include "KTSyntaxEditNotify.h"
#include "MessagePump.h"

namespace
{
const int kRows = 50000;
const int kVisibleRows = 50;

CWinApp theApp("Syntax Edit Benchmark");

// Counts the parser's finished runs; answers 0 to every question.
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

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) override
    {
        const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
        auto* pEvent = reinterpret_cast<const KT_EDIT_NMHDR_PARSER*>(pHeader);
        if (int(pHeader->code) == KT_EDIT_NM_PARSEREVENT &&
            pEvent->nCode == CKTSyntaxEditLexParser::ktEditOnParserEnded)
            ++m_nParseEnds;
        *pResult = 0;
        return TRUE;
    }
};

std::string GeneratedFile()
{
    std::ifstream file(std::string(KT_TEST_DATA_DIR) + "/chat_api.c", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    std::string strOne = text.str(), strAll;
    int nRowsOfOne = 0;
    for (char ch : strOne)
        nRowsOfOne += ch == '\n' ? 1 : 0;
    for (int nRows = 0; nRows < kRows; nRows += nRowsOfOne)
        strAll += strOne;
    return strAll;
}

// The control over the big file, parsed, scrolled to the middle.
struct CBenchEditor
{
    CBenchEditor()
    {
        theApp.AfxInitApplicationState(::GetModuleHandle(NULL), const_cast<LPSTR>(""), SW_SHOW);
        CKTSyntaxEditLexParserAdapter::Install();
        ctrl.Create(&parent, TRUE, TRUE);
        ctrl.SetConfigFile(CKTSyntaxEditCtrl::GetModuleFolder() + "config\\SyntaxEdit.ini");
        ctrl.MoveWindow(0, 0, 780, kVisibleRows * ctrl.GetRowHeight() + ::GetSystemMetrics(SM_CYHSCROLL));
        std::string strText = GeneratedFile();
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

void BM_RepaintMiddleOfLargeFile(benchmark::State& state)
{
    static CBenchEditor* pEditor = new CBenchEditor;  // lives to the process's end, as an editor would
    CKTSyntaxEditCtrl& ctrl = pEditor->ctrl;
    for (auto _ : state)
        ctrl.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    state.counters["rows"] = ctrl.GetRowCount();
    state.counters["visible"] = ctrl.GetVisibleRows();
    state.counters["parsed"] = pEditor->parent.m_nParseEnds;
}
BENCHMARK(BM_RepaintMiddleOfLargeFile)->Unit(benchmark::kMillisecond);
}  // namespace

BENCHMARK_MAIN();
