// What the framework adds to a message: 100,000 sent messages through a
// framework window against a bare window procedure, the walk up the parents
// that pre-translation makes, and the object behind a handle.
#include <benchmark/benchmark.h>
#include "afxwin.h"

namespace
{

const UINT kPing = WM_APP + 1;
const int kMessages = 100000;

LRESULT CALLBACK BareWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == kPing)
        return (LRESULT)wParam + 1;
    return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
}

class CPingWnd : public CWnd
{
protected:
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM) { return (LRESULT)wParam + 1; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPingWnd, CWnd)
ON_MESSAGE(kPing, OnPing)
END_MESSAGE_MAP()

// A plain window of a class of its own, destroyed with the object.
class CBareWindow
{
public:
    CBareWindow()
    {
        WNDCLASS wc{};
        wc.lpfnWndProc = BareWndProc;
        wc.hInstance = ::GetModuleHandle(nullptr);
        wc.lpszClassName = "KfwBareBenchmarkWindow";
        ::RegisterClass(&wc);
        m_hWnd = ::CreateWindow(wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~CBareWindow() { ::DestroyWindow(m_hWnd); }
    CBareWindow(const CBareWindow&) = delete;
    CBareWindow& operator=(const CBareWindow&) = delete;
    HWND m_hWnd;
};

void SendPings(benchmark::State& state, HWND hWnd)
{
    if (!hWnd)
    {
        state.SkipWithError("no window");
        return;
    }
    for (auto _ : state)
    {
        for (int i = 0; i < kMessages; i++)
            benchmark::DoNotOptimize(::SendMessage(hWnd, kPing, (WPARAM)i, 0));
    }
    state.SetItemsProcessed(state.iterations() * kMessages);
}

void BM_SendToBareWindow(benchmark::State& state)
{
    CBareWindow wnd;
    SendPings(state, wnd.m_hWnd);
}
BENCHMARK(BM_SendToBareWindow)->Unit(benchmark::kMillisecond);

void BM_SendToFrameworkWindow(benchmark::State& state)
{
    CPingWnd wnd;
    if (!wnd.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr))
        wnd.m_hWnd = nullptr;
    SendPings(state, wnd.m_hWnd);
}
BENCHMARK(BM_SendToFrameworkWindow)->Unit(benchmark::kMillisecond);

// A key message for a control four windows deep, offered to each ancestor.
void BM_PreTranslateFourDeep(benchmark::State& state)
{
    CWnd windows[4];
    CWnd* pParent = nullptr;
    for (CWnd& wnd : windows)
    {
        DWORD dwStyle = pParent ? WS_CHILD : WS_POPUP;
        if (!wnd.CreateEx(0, AfxRegisterWndClass(0), "", dwStyle, 0, 0, 10, 10, pParent->GetSafeHwnd(), nullptr))
        {
            state.SkipWithError("no window");
            return;
        }
        pParent = &wnd;
    }
    MSG msg = {pParent->m_hWnd, WM_KEYDOWN, 'A', 0, 0, {0, 0}};
    for (auto _ : state)
    {
        for (int i = 0; i < kMessages; i++)
            benchmark::DoNotOptimize(AfxPreTranslateMessage(&msg));
    }
    state.SetItemsProcessed(state.iterations() * kMessages);
}
BENCHMARK(BM_PreTranslateFourDeep)->Unit(benchmark::kMillisecond);

void BM_ObjectFromHandle(benchmark::State& state)
{
    CPingWnd wnd;
    if (!wnd.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr))
    {
        state.SkipWithError("no window");
        return;
    }
    for (auto _ : state)
    {
        for (int i = 0; i < kMessages; i++)
            benchmark::DoNotOptimize(CWnd::FromHandlePermanent(wnd.m_hWnd));
    }
    state.SetItemsProcessed(state.iterations() * kMessages);
}
BENCHMARK(BM_ObjectFromHandle)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
