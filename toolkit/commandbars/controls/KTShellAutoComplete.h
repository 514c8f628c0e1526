// KTShellAutoComplete.h: the shell's completion of an edit field, and the watch that keeps its suggestion list
// from closing the bars.
//
// Classes: CKTShellAutoCompleteHook.
#pragma once

#include "KTHookSink.h"

// Lives while a field completes through the shell. While the field has the focus it watches the thread's
// windows for the shell's suggestion list: clicks on that list do not close the bars, and the list takes the
// keys that move in it.
class CKTShellAutoCompleteHook : public CKTHookSink
{
public:
    explicit CKTShellAutoCompleteHook(HWND hWndEdit) : m_hWndEdit(hWndEdit) {}
    ~CKTShellAutoCompleteHook() override;
    CKTShellAutoCompleteHook(const CKTShellAutoCompleteHook&) = delete;
    CKTShellAutoCompleteHook& operator=(const CKTShellAutoCompleteHook&) = delete;

    // The shell's completion on the edit. Its module stays loaded for the process: the completion object it
    // installs in the edit runs in it. E_FAIL without the module or its entry point.
    static HRESULT ShellAutoComplete(HWND hWndEdit, DWORD dwFlags);

    void Install();
    void Uninstall();
    HWND GetSuggestWindow() const { return m_hWndSuggest; }
    // TRUE when a suggestion list showed.
    BOOL HideSuggestWindow();
    // Up, Down, Page Up and Page Down go to a suggestion list that shows; TRUE when it took the key.
    BOOL ProcessKey(UINT nChar, LPARAM lParam);

    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;

private:
    static LRESULT CALLBACK CallWndProc(int nCode, WPARAM wParam, LPARAM lParam);
    void OnWindowPosChanging(HWND hWnd, const WINDOWPOS& pos);
    void ForgetSuggestWindow();

    HWND m_hWndSuggest = NULL;  // the suggestion list while it shows
    HWND m_hWndEdit;            // the field served
};
