// KTToolTipController.h: the tooltip service that bars feed with their messages.
//
// Classes: CKTToolTipController. Types: KT_TOOLINFO_EXTRA.
#pragma once

#include <afxwin.h>
#include <commctrl.h>

// What the extended tool information carries in its lParam: copies from
// the C heap, owned by the controller once the tool is shown.
struct KT_TOOLINFO_EXTRA
{
    char* lpszTitle;
    char* lpszDescription;
    int nImageId;
};

// Counted: whoever keeps it holds it through a CKTSmartPtr.
class CKTToolTipController : public CCmdTarget
{
public:
    CKTToolTipController();

    void ModifyToolTipStyle(DWORD dwRemove, DWORD dwAdd);
    DWORD GetToolTipStyle() const { return m_dwStyle; }
    void ShowToolTips(BOOL bShow);
    BOOL IsShowToolTips() const { return m_bShowToolTips; }

    // Asks the window's tool hit test on mouse moves and shows, moves or hides
    // the tip; clicks, keys and leaving the window hide it.
    void FilterToolTipMessage(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // The same for a window that may have no controller (nothing then).
    static void FilterToolTipMessage(CKTToolTipController* pController, CWnd* pWnd, UINT message, WPARAM wParam,
                                     LPARAM lParam);
    // Hides the current tip.
    void CancelToolTips();
    HWND GetToolTipWnd() const { return m_hWndToolTip; }
    INT_PTR GetLastHit() const { return m_nLastHit; }

    // The text goes into the record as a heap copy; the controller frees
    // the texts that hit tests hand it, as FreeToolInfoText does.
    static void FillInToolInfo(TOOLINFOA* pTI, HWND hWnd, const RECT& rc, INT_PTR nId, LPCSTR lpszText);
    // As FillInToolInfo; a record with room for lParam also gets heap copies
    // of title and description and the image id.
    static void FillInToolInfoEx(TOOLINFOA* pTI, HWND hWnd, const RECT& rc, INT_PTR nId, LPCSTR lpszText,
                                 LPCSTR lpszTitle, LPCSTR lpszDescription, int nImageId);
    static void FreeToolInfoText(TOOLINFOA* pTI);
    static void FreeToolInfoExtra(TOOLINFOA* pTI);
    // Both of the above.
    static void FreeToolInfo(TOOLINFOA* pTI);

protected:
    ~CKTToolTipController() override;

private:
    BOOL EnsureToolTipWnd(HWND hWndOwner);
    void ShowTool(CWnd* pWnd, TOOLINFOA& ti, INT_PTR nHit);
    void RemoveTool();
    void RelayEvent(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWndToolTip;  // owned tooltip window
    DWORD m_dwStyle;     // TTS_ bits of the tooltip window
    BOOL m_bShowToolTips;
    INT_PTR m_nLastHit;  // tool under the mouse, -1 for none
    HWND m_hWndLast;     // window of that tool
    CString m_strText;   // text of the shown tool, kept while it shows
};
