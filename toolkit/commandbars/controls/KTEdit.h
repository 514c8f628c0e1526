// KTEdit.h: the toolkit's one-line edit window: a rich edit when the system has one, a Cut/Copy/Paste menu of
// command bars, and the editing keys passed on while a bar holds the keyboard.
//
// Classes: CKTEdit.
#pragma once

#include <afxwin.h>

class CKTControl;
class IKTEditFieldOwner;

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
    // Runs Cut, Copy and Paste routed to it as commands, and tells their state.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // What every field window on a bar does alike with the focus, the pointer and its owner's text; TRUE when the
    // message was handled (then *pResult holds the answer). The windows keep only what differs between them.
    BOOL OnFieldMessage(IKTEditFieldOwner* pOwner, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL OnFieldChildNotify(IKTEditFieldOwner* pOwner, UINT message, WPARAM wParam, LRESULT* pResult);
    // Customising: a right press is the bar's; TRUE when it went there.
    BOOL OnCustomizeRightPress(CKTControl* pControl, WPARAM wParam, LPARAM lParam);
    // The control takes the focus and the field's menu shows; without a menu the window's own handling runs.
    void ShowFieldMenu(CKTControl* pControl, LPARAM lParam);

    BOOL m_bComposing = FALSE;  // between the IME's start and end of a composition
    BOOL m_bOpaqueFix = FALSE;  // the window lies on a frame caption drawn on glass

private:
    // The focus taken with the whole text selected once it has settled: a click's own selection comes in between.
    void TakeFocusSelectingAll();
    // The bar's tips see the field's messages as the bar's own, so a press or a key in the field ends a tip; moves
    // reach them through the bar.
    void ShowToBarTips(CKTControl* pControl, UINT message, WPARAM wParam, LPARAM lParam);
    // A point of this window in the client coordinates of the control's bar.
    CPoint PointOnBar(CKTControl* pControl, LPARAM lParam);
    // Hot tracking goes on over the field.
    void ForwardMouseMoveToBar(CKTControl* pControl, LPARAM lParam);
    // Customising: a left press drags the control when it may move; TRUE when the press was customising's.
    BOOL OnCustomizeLeftPress(CKTControl* pControl, LPARAM lParam);
};
