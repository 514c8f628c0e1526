// KTEdit.h: the toolkit's one-line edit window: a rich edit when the system has one, a Cut/Copy/Paste menu of
// command bars, and the editing keys passed on while a bar holds the keyboard.
//
// Classes: CKTEdit.
#pragma once

#include <afxwin.h>

class CKTControl;

class CKTEdit : public CEdit
{
    DECLARE_DYNCREATE(CKTEdit)
public:
    // A rich edit of the newest library found (plain text, one undo step), else a standard edit.
    BOOL CreateEdit(DWORD dwStyle, const RECT& rc, CWnd* pParent);
    // Gives the window an editing key that a tracking bar would otherwise take; TRUE when it was one.
    BOOL ProcessKey(UINT nChar, LPARAM lParam);
    // Cut, Copy and Paste on a popup bar of the control's command bars; FALSE when none could be shown.
    virtual BOOL ShowContextMenu(CKTControl* pControl, CPoint pt);
    BOOL IsComposing() const { return m_bComposing; }
    // On glass the system's plain painting leaves no alpha: each paint then ends by making the window opaque.
    void SetOpaqueFix(BOOL bOpaqueFix) { m_bOpaqueFix = bOpaqueFix; }
    BOOL IsOpaqueFix() const { return m_bOpaqueFix; }
    // The character format of a rich edit is that many bytes long: its second version knows more fields.
    static UINT GetCharFormatSize();

    // Cut and Copy with a selection, Paste with text on the clipboard.
    BOOL IsCommandEnabled(UINT nId) const;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    BOOL m_bComposing = FALSE;  // between the IME's start and end of a composition
    BOOL m_bOpaqueFix = FALSE;  // the window lies on a frame caption drawn on glass
};
