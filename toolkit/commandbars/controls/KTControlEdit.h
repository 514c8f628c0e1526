// KTControlEdit.h: a one-line text field on a bar, with an optional label before it and spin buttons after it.
//
// Classes: CKTControlEdit.
#pragma once

#include "KTControl.h"
#include "KTControlEditWnd.h"
#include "KTEditField.h"

// The spin request to the site (CKTControl::NotifySiteEx), with a KT_NMCONTROLSPIN; a non-zero answer means the
// site stepped the value itself.
enum KTEditSpinNotify
{
    KTN_EDIT_SPINUP = 0x1010,
    KTN_EDIT_SPINDOWN = 0x1011,
};

// The control header, then the signed step (count times direction).
struct KT_NMCONTROLSPIN
{
    KT_NMCONTROL hdr;
    int nStep;
};

class CKTControlEdit : public CKTControl, public IKTEditFieldOwner
{
    DECLARE_DYNCREATE(CKTControlEdit)
public:
    CKTControlEdit();
    ~CKTControlEdit() override;

    void SetEditStyle(DWORD dwStyle) { m_field.SetEditStyle(dwStyle); }
    BOOL GetReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(BOOL bReadOnly);
    BOOL GetHasLabel() const { return m_bHasLabel; }
    void SetHasLabel(BOOL bHasLabel);
    BOOL IsSpinButtonsVisible() const { return m_bShowSpinButtons; }
    void ShowSpinButtons(BOOL bShow);
    // The spin buttons' area at the right of the control; empty without them.
    CRect GetSpinButtonsRect() const;
    CKTControlEditWnd* GetEditCtrl() const { return static_cast<CKTControlEditWnd*>(m_field.GetWnd()); }

    void SetEnabled(int nEnabled) override;
    void SetFocused(BOOL bFocused) override;
    BOOL IsFocused() const override { return m_bFocused; }
    BOOL IsFocusable() const override { return m_field.GetSafeHwnd() != NULL; }
    void SetRect(CRect rc) override;
    BOOL IsCaptionVisible() const override;
    BOOL Compare(CKTControl* pOther) override;
    void OnCalcDynamicSize(DWORD dwMode) override;
    void DelayReposition() override { m_field.DelayReposition(); }
    void UpdateWindowVisibility() override { m_field.UpdateVisibility(); }
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
    void SetParent(CKTCommandBar* pParent) override;
    void Copy(CKTControl* pFrom, BOOL bRecursive) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnKeyboardTip() override { m_field.TakeKeyboardTip(); }
    void OnMouseMove(CPoint pt) override;
    void OnMouseHover() override;
    BOOL OnSetSelected(int nSelected) override;
    BOOL IsCustomizeResizeAllow() const override { return TRUE; }
    int GetCustomizeMinWidth() const override { return m_field.GetLabelWidth() + 10; }
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
    // The selection state of the spin half under the point: up, down, or hot elsewhere.
    int HitTestSpin(CPoint pt) const;
    // The held half follows the pointer, and coming back onto it starts the slow steps again.
    void OnSpinMouseMove(const MSG& msg, int nHalf, DWORD& dwStart);
    void EndSpin();

    CKTEditField m_field;
    BOOL m_bHasLabel = FALSE;  // the caption stands before the field
    BOOL m_bReadOnly = FALSE;  // sent to the window on every layout
    BOOL m_bFocused = FALSE;   // the field holds the keyboard on its bar
    BOOL m_bShowSpinButtons = FALSE;
};
