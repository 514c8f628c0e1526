// KTEditField.h: the text field that edit and combo-box controls lay over their rectangle: its window, its text
// and hint, the text kept for Esc, and the shell's completion.
//
// Classes: IKTEditFieldOwner, CKTEditField.
#pragma once

#include "KTEdit.h"
#include "KTShellAutoComplete.h"

#include <memory>

class CKTCommandBar;
class CKTControl;
class CKTEditField;

// The control that owns a field: what the field's window reports to it, and the field as its callers reach it.
class IKTEditFieldOwner
{
public:
    virtual ~IKTEditFieldOwner() = default;
    virtual CKTControl* GetFieldControl() = 0;
    virtual CKTEditField* GetField() = 0;
    virtual void OnEditSetFocus(HWND hWndOld) = 0;
    virtual void OnEditKillFocus() = 0;
    virtual void OnEditChanged() = 0;
    // Narrows the field's rectangle for what the control draws beside the field.
    virtual void AdjustEditRect(CRect& rcField) {}

    CString GetEditText();
    void SetEditText(const CString& strText);
    CString GetEditHint();
    void SetEditHint(LPCSTR lpszHint);
    CString GetUserText();
    void SetEditTextOrHint(const CString& strText);
    void SetShellAutoComplete(DWORD dwFlags);
    int GetLabelWidth();
    void SetLabelWidth(int nWidth);
};

class CKTEditField
{
public:
    explicit CKTEditField(IKTEditFieldOwner* pOwner) : m_pOwner(pOwner) {}
    ~CKTEditField();
    CKTEditField(const CKTEditField&) = delete;
    CKTEditField& operator=(const CKTEditField&) = delete;

    // The window object, of the control's own class; its window is made by the first Place.
    CKTEdit* GetWnd() const { return m_pWnd.get(); }
    HWND GetSafeHwnd() const { return m_pWnd ? m_pWnd->GetSafeHwnd() : NULL; }
    void SetWnd(std::unique_ptr<CKTEdit> pWnd);
    void DestroyWindow();
    BOOL HasFocus() const;

    CString GetEditText();
    void SetEditText(const CString& strText);
    // The field's own hint, else its command's.
    CString GetEditHint() const;
    CString GetOwnEditHint() const { return m_strHint; }
    void SetEditHint(const CString& strHint) { m_strHint = strHint; }
    // The text without the hint standing in for an empty one.
    CString GetUserText();
    void SetEditTextOrHint(const CString& strText);
    BOOL IsShowingHint() { return !GetEditHint().IsEmpty() && GetEditText() == GetEditHint(); }
    // The window's text changed: read again when asked, reported to the control while typed, and its margins and
    // colours put back as the window resets them.
    void OnTextChanged();
    // Keeps the window's text while the window goes.
    void SaveWindowText();

    // The text Esc brings back: the one there when the field took the focus.
    void SaveText() { m_strSavedText = GetUserText(); }
    CString GetSavedText() const { return m_strSavedText; }

    void SetShellAutoComplete(DWORD dwFlags);
    DWORD GetShellAutoCompleteFlags() const { return m_dwShellFlags; }
    CKTShellAutoCompleteHook* GetShellHook() const { return m_pShellHook.get(); }
    // TRUE when the shell's suggestion list showed and is now hidden.
    BOOL HideSuggestions();
    DWORD GetEditStyle() const { return m_dwEditStyle; }
    void SetEditStyle(DWORD dwStyle) { m_dwEditStyle = dwStyle; }

    // Pixels before the field for the label and icon, as the paint manager measured them.
    int GetLabelWidth() const { return m_nLabelWidth; }
    void SetLabelWidth(int nWidth);
    // The next Layout moves the window even when the control's rectangle stays.
    void DelayReposition() { m_bDelayReposition = TRUE; }
    // The next Layout destroys the window and makes it again.
    void SetPendingDestroy(BOOL bPending) { m_bPendingDestroy = bPending; }
    BOOL IsPendingDestroy() const { return m_bPendingDestroy; }
    // Lays the window over the control's rectangle (before the control stores it) between the label and the right
    // inset, as the owner adjusts it, making it first when needed, and shows it; FALSE when nothing moved.
    BOOL Layout(CRect rcControl, int nRightInset);
    // The window takes the control's enabled state and its colours.
    void UpdateEnabled();
    // Takes the other field's window style, text, hint and shell completion.
    void CopyFrom(CKTEditField& other);
    // Shown while the control and its bar are.
    void UpdateVisibility();
    // Grey for the hint and a disabled control, on the field's background colour.
    void ApplyCharFormat();
    // Its keyboard tip was typed: the tips go and the field takes the keys.
    void TakeKeyboardTip();
    // The bar's keys go to the field: the window takes the focus, the bar tracks with the control selected and
    // releases outside do not end it.
    void EnterFocusMode();
    // The focus goes back to where it was before the field took it.
    void LeaveFocusMode();
    // The field took the focus from that window (none: the bar's site).
    void RememberFocusBefore(HWND hWndOld);
    // Empties the hint and keeps the text for Esc.
    void BeginFocus();
    // Watches the shell's list while the field has the focus.
    void InstallShellHook();
    // Shows the hint again in an empty field and stops watching the shell's list.
    void EndFocus();
    // The field and the shell's list take the keys they edit with; one of KTHookResult.
    int PassKey(UINT nChar, LPARAM lParam);

private:
    CKTCommandBar* GetBar() const;
    BOOL IsWindowPlacedOn(CKTCommandBar* pBar) const;
    void CreateFieldWindow(CKTCommandBar* pBar);
    // Destroys a window that is to be made again.
    void DropStaleWindow(CKTCommandBar* pBar);
    // FALSE when nothing moved.
    BOOL Place(CRect rcControl, CRect rcField);

    IKTEditFieldOwner* m_pOwner;                             // the control; owns this field
    std::unique_ptr<CKTEdit> m_pWnd;                         // made by the control
    std::unique_ptr<CKTShellAutoCompleteHook> m_pShellHook;  // while the shell completes the field
    CString m_strText;                                       // the window's text when last read
    BOOL m_bTextStale = TRUE;                                // the window's text changed since
    CString m_strHint;                                       // grey text of an empty, unfocused field
    CString m_strSavedText;                                  // for Esc
    DWORD m_dwShellFlags = 0;                                // 0: no shell completion
    DWORD m_dwEditStyle = 0;                                 // extra styles of the window
    int m_nLabelWidth = 0;                                   // written by the paint manager
    BOOL m_bDelayReposition = FALSE;                         // the next Layout moves the window
    BOOL m_bPendingDestroy = FALSE;                          // the next Layout makes the window again
};
