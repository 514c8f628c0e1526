// KTWindowHookManager.h: subclasses windows and shows their messages to registered sinks.
//
// Classes: CKTWindowHookManager.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

class CKTHookSink;

class CKTWindowHookManager
{
public:
    // The one manager of the process.
    static CKTWindowHookManager* Instance();
    ~CKTWindowHookManager();

    void SetHook(HWND hWnd, CKTHookSink* pSink);
    void RemoveHook(HWND hWnd, CKTHookSink* pSink);
    void RemoveAll(CKTHookSink* pSink);
    void RemoveAll();
    BOOL IsHooked(HWND hWnd) const { return m_items.count(hWnd) != 0; }

private:
    // One subclassed window: its sinks in registration order and its own procedure.
    class CHookItem
    {
    public:
        CHookItem(HWND hWnd);
        ~CHookItem();
        CHookItem(const CHookItem&) = delete;
        CHookItem& operator=(const CHookItem&) = delete;
        void RemoveSink(CKTHookSink* pSink);
        // No other procedure has subclassed the window over ours.
        BOOL IsOutermost() const;

        HWND m_hWnd;
        WNDPROC m_pfnOldProc;
        std::vector<CKTHookSink*> m_sinks;
    };

    CKTWindowHookManager() = default;
    static LRESULT CALLBACK HookWndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);

    std::map<HWND, std::unique_ptr<CHookItem>> m_items;
};
