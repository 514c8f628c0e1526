// KTWindowHookManager.cpp: subclassed windows whose messages go to sinks before the window.
#include "KTWindowHookManager.h"

#include "KTCommandBarsDefs.h"
#include "KTHookSink.h"

#include <afxwin.h>

#include <algorithm>

CKTWindowHookManager* CKTWindowHookManager::Instance()
{
    static CKTWindowHookManager s_manager;
    return &s_manager;
}

CKTWindowHookManager::~CKTWindowHookManager() { RemoveAll(); }

CKTWindowHookManager::CHookItem::CHookItem(HWND hWnd)
    : m_hWnd(hWnd), m_pfnOldProc(reinterpret_cast<WNDPROC>(::GetWindowLongPtr(hWnd, GWLP_WNDPROC)))
{
    ::SetWindowLongPtr(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CKTWindowHookManager::HookWndProc));
}

BOOL CKTWindowHookManager::CHookItem::IsOutermost() const
{
    return !::IsWindow(m_hWnd) ||
           ::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&CKTWindowHookManager::HookWndProc);
}

CKTWindowHookManager::CHookItem::~CHookItem()
{
    // Put the window's own procedure back while the window is still there, unless another
    // procedure has subclassed it since: that one calls ours and gets its place back itself.
    if (::IsWindow(m_hWnd) && IsOutermost())
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnOldProc));
    while (!m_sinks.empty())
        RemoveSink(m_sinks.back());
}

void CKTWindowHookManager::CHookItem::RemoveSink(CKTHookSink* pSink)
{
    auto it = std::find(m_sinks.begin(), m_sinks.end(), pSink);
    if (it == m_sinks.end())
        return;
    m_sinks.erase(it);
    if (pSink->m_bAutoDelete)
        delete pSink;
}

void CKTWindowHookManager::SetHook(HWND hWnd, CKTHookSink* pSink)
{
    auto it = m_items.find(hWnd);
    if (it == m_items.end())
        it = m_items.emplace(hWnd, std::unique_ptr<CHookItem>(new CHookItem(hWnd))).first;
    std::vector<CKTHookSink*>& sinks = it->second->m_sinks;
    if (std::find(sinks.begin(), sinks.end(), pSink) == sinks.end())
        sinks.push_back(pSink);
}

void CKTWindowHookManager::RemoveHook(HWND hWnd, CKTHookSink* pSink)
{
    auto it = m_items.find(hWnd);
    if (it == m_items.end())
        return;
    it->second->RemoveSink(pSink);
    // Under a later subclass the item stays, passing messages on, until the window goes.
    if (it->second->m_sinks.empty() && it->second->IsOutermost())
        m_items.erase(it);
}

void CKTWindowHookManager::RemoveAll(CKTHookSink* pSink)
{
    std::vector<HWND> windows;
    for (const auto& item : m_items)
        windows.push_back(item.first);
    for (HWND hWnd : windows)
        RemoveHook(hWnd, pSink);
}

void CKTWindowHookManager::RemoveAll() { m_items.clear(); }

namespace
{
// The thread's current message is the hooked one while its sinks run, so that a sink's Default() answers it.
class CCurrentMessage
{
public:
    CCurrentMessage(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
        : m_pState(AfxGetThreadState()), m_saved(m_pState->m_lastSentMsg)
    {
        m_pState->m_lastSentMsg = {hWnd, nMessage, wParam, lParam, 0, {0, 0}};
    }
    ~CCurrentMessage() { m_pState->m_lastSentMsg = m_saved; }
    CCurrentMessage(const CCurrentMessage&) = delete;
    CCurrentMessage& operator=(const CCurrentMessage&) = delete;

private:
    _AFX_THREAD_STATE* m_pState;
    MSG m_saved;
};
}  // namespace

LRESULT CALLBACK CKTWindowHookManager::HookWndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    CCurrentMessage current(hWnd, nMessage, wParam, lParam);
    return Instance()->Dispatch(hWnd, nMessage, wParam, lParam);
}

LRESULT CKTWindowHookManager::Dispatch(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    auto it = m_items.find(hWnd);
    if (it == m_items.end())
        return 0;
    WNDPROC pfnOldProc = it->second->m_pfnOldProc;
    if (nMessage == WM_NCDESTROY)
    {
        m_items.erase(it);
        return ::CallWindowProc(pfnOldProc, hWnd, nMessage, wParam, lParam);
    }
    // A sink may unhook while it runs: walk a copy. Without memory for it the
    // window still gets its message, as it would with no sink listening.
    std::vector<CKTHookSink*> sinks;
    try
    {
        sinks = it->second->m_sinks;
    }
    catch (const std::bad_alloc&)
    {
        return ::CallWindowProc(pfnOldProc, hWnd, nMessage, wParam, lParam);
    }
    for (auto pSink = sinks.rbegin(); pSink != sinks.rend(); ++pSink)
    {
        LRESULT lResult = 0;
        int nAnswer = ktHookContinue;
        try
        {
            nAnswer = (*pSink)->OnHookMessage(hWnd, nMessage, wParam, lParam, lResult);
        }
        catch (...)
        {
            nAnswer = ktHookContinue;
        }
        if (nAnswer == ktHookHandled)
            return lResult;
        if (nAnswer == ktHookStopHere)
            break;
    }
    return ::CallWindowProc(pfnOldProc, hWnd, nMessage, wParam, lParam);
}
