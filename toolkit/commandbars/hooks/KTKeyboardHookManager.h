// KTKeyboardHookManager.h: the thread's keys and application switches go to the bars while a bar tracks.
//
// Classes: CKTKeyboardHookManager.
#pragma once

#include "KTKeyboardHook.h"

#include <vector>

class CKTHookSink;

class CKTKeyboardHookManager : public IKTKeyboardHookSink
{
public:
    // The manager of the calling thread.
    static CKTKeyboardHookManager* Instance();
    CKTKeyboardHookManager();
    ~CKTKeyboardHookManager() override;
    CKTKeyboardHookManager(const CKTKeyboardHookManager&) = delete;
    CKTKeyboardHookManager& operator=(const CKTKeyboardHookManager&) = delete;

    // Hooks the thread's keys while there is a sink.
    void SetHook(CKTHookSink* pSink);
    void RemoveHook(CKTHookSink* pSink);
    // Asks the sinks, the latest first; TRUE consumes the key.
    BOOL DispatchKey(UINT nMessage, WPARAM wParam, LPARAM lParam);
    BOOL HasSinks() const { return !m_sinks.empty(); }
    // Takes the key being dispatched out of the thread's queue, where it still waits while the hook runs, so
    // that a modal loop started by the command it picks does not receive it again.
    void DiscardCurrentKey();

    BOOL OnHookKey(UINT nKey, LPARAM lParam) override;

private:
    static LRESULT CALLBACK CallWndProc(int nCode, WPARAM wParam, LPARAM lParam);
    BOOL OnKeyDown(UINT nKey, LPARAM lParam);
    void Unhook();

    BOOL m_bListening = FALSE;  // a sink of the thread's keyboard hook
    HHOOK m_hHookCallWndProc = NULL;
    std::vector<CKTHookSink*> m_sinks;  // not owned
    WPARAM m_wCurrentKey = 0;           // the key being dispatched, 0 outside a dispatch
    LPARAM m_lCurrentKey = 0;
    BOOL m_bDiscarding = FALSE;
};
