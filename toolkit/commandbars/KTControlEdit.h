// KTControlEdit.h: a one-line text field on a bar, with an optional label before it and spin buttons after it.
//
// Classes: CKTControlEdit.
#pragma once

#include "KTControl.h"
#include "KTEditField.h"

class CKTControlEdit : public CKTControl, public IKTEditFieldOwner
{
    DECLARE_DYNCREATE(CKTControlEdit)
public:
    CKTControlEdit();
    ~CKTControlEdit() override;

    CString GetEditText() { return m_field.GetEditText(); }
    void SetEditText(const CString& strText) { m_field.SetEditText(strText); }
    CString GetEditHint() const { return m_field.GetEditHint(); }
    void SetEditHint(LPCSTR lpszHint) { m_field.SetEditHint(lpszHint); }
    CString GetUserText() { return m_field.GetUserText(); }
    void SetEditTextOrHint(const CString& strText) { m_field.SetEditTextOrHint(strText); }
    void SetShellAutoComplete(DWORD dwFlags) { m_field.SetShellAutoComplete(dwFlags); }
    void SetEditStyle(DWORD dwStyle) { m_field.SetEditStyle(dwStyle); }
    BOOL GetReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(BOOL bReadOnly);
    BOOL GetHasLabel() const { return m_bHasLabel; }
    void SetHasLabel(BOOL bHasLabel);
    BOOL IsSpinButtonsVisible() const { return m_bShowSpinButtons; }
    void ShowSpinButtons(BOOL bShow);
    // The spin buttons' area at the right of the control; empty without them.
    CRect GetSpinButtonsRect() const;
    int GetLabelWidth() const override { return m_nLabelWidth; }
    // The field moves when the label's width changed.
    void SetLabelWidth(int nWidth) override;
    CKTControlEditWnd* GetEditCtrl() const { return m_field.GetWnd(); }

    void SetEnabled(int nEnabled) override;
    void SetFocused(BOOL bFocused) override;
    BOOL IsFocused() const override { return m_bFocused; }
    BOOL IsFocusable() const override { return m_field.GetSafeHwnd() != NULL; }
    void SetRect(CRect rc) override;
    BOOL IsCaptionVisible() const override;
    BOOL Compare(CKTControl* pOther) override;
    void SetHideFlags(DWORD dwFlags) override;
    void OnCalcDynamicSize(DWORD dwMode) override;
    void DelayReposition() override { m_bDelayReposition = TRUE; }
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
    void SetParent(CKTCommandBar* pParent) override;
    void Copy(CKTControl* pFrom, BOOL bRecursive) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnMouseMove(CPoint pt) override;
    void OnMouseHover() override;
    BOOL OnSetSelected(int nSelected) override;
    void OnRemoved() override;
    BOOL IsCustomizeResizeAllow() const override { return TRUE; }
    int GetCustomizeMinWidth() const override { return m_nLabelWidth + 10; }
    void DoPropExchange(CKTPropExchange* pPX) override;

    // The site's spin request first; unless it answers, the number in the field moves by count steps in the
    // direction, landing on a multiple of count.
    virtual void Spin(int nCount, int nDirection);

    CKTControl* GetFieldControl() override { return this; }
    CKTEditField* GetField() override { return &m_field; }
    void OnEditSetFocus(HWND hWndOld) override;
    void OnEditKillFocus() override;
    void OnEditChanged() override;

protected:
    // Holds the pressed spin half, stepping while the button stays down.
    void TrackSpin(CPoint pt);
    // The selected (hot) state of the spin half under the point: 3 upper, 4 lower, 1 elsewhere.
    int HitTestSpin(CPoint pt) const;

    CKTEditField m_field;
    BOOL m_bHasLabel = FALSE;         // the caption stands before the field
    BOOL m_bReadOnly = FALSE;         // sent to the window on every layout
    int m_nLabelWidth = 0;            // written by the paint manager
    BOOL m_bDelayReposition = FALSE;  // the next SetRect moves the window even when the rectangle stays
    BOOL m_bFocused = FALSE;          // the field holds the keyboard on its bar
    BOOL m_bShowSpinButtons = FALSE;
};
