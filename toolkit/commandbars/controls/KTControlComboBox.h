// KTControlComboBox.h: a combo box on a bar: a drop-down list, or a text field with a list to pick from.
//
// Classes: CKTControlComboBox.
#pragma once

#include "KTControlPopup.h"
#include "KTControlComboBoxEditCtrl.h"
#include "KTEditField.h"

class CKTControlComboBoxPopupBar;
class CKTImageManagerIcon;

class CKTControlComboBox : public CKTControlPopup, public IKTEditFieldOwner
{
    DECLARE_DYNCREATE(CKTControlComboBox)
public:
    CKTControlComboBox();
    ~CKTControlComboBox() override;

    // The list's selection, or the control's own when its popup is no combo list; -1 for none.
    int GetCurSel() const;
    void SetCurSel(int nIndex);
    // The selected item's text; empty without one.
    CString GetListBoxText() const;
    CKTControlComboBoxPopupBar* GetComboPopup() const;

    // With a drop-down the control has a text field; without, it is a list to pick from.
    void SetDropDown(BOOL bDropDown);
    BOOL GetDropDown() const { return m_bDropDown; }
    // Typed text is completed from the list.
    void SetAutoComplete(BOOL bAutoComplete) { m_bAutoComplete = bAutoComplete; }
    // 1: the caption stands before the box as a label.
    void SetComboStyle(int nStyle) { m_nComboStyle = nStyle; }
    int GetDropDownItemCount() const { return m_nDropDownItemCount; }
    void SetDropDownItemCount(int nCount) { m_nDropDownItemCount = nCount; }
    CKTControlComboBoxEditCtrl* GetEditCtrl() const
    {
        return m_field.GetSafeHwnd() ? static_cast<CKTControlComboBoxEditCtrl*>(m_field.GetWnd()) : NULL;
    }
    // The icon drawn at the left of the text area, before the text field.
    void SetEditIconId(int nId);
    int GetEditIconId() const { return m_nEditIconId; }
    int GetThumbWidth() const { return m_nThumbWidth; }
    void SetThumbWidth(int nWidth);

    void SetEnabled(int nEnabled) override;
    void SetFocused(BOOL bFocused) override;
    BOOL IsFocused() const override { return m_bFocused; }
    BOOL IsFocusable() const override { return TRUE; }
    void SetRect(CRect rc) override;
    BOOL IsCaptionVisible() const override;
    // Also the keys the saved state keeps of a combo box.
    BOOL Compare(CKTControl* pOther) override;
    void OnExecute() override;
    void OnCalcDynamicSize(DWORD dwMode) override;
    void DelayReposition() override { m_field.DelayReposition(); }
    void UpdateWindowVisibility() override { m_field.UpdateVisibility(); }
    int OnHookKeyDown(UINT nChar, LPARAM lParam) override;
    int OnHookMouseWheel(int nDelta) override;
    void SetParent(CKTCommandBar* pParent) override;
    void Copy(CKTControl* pFrom, BOOL bRecursive) override;
    BOOL OnSetPopup(BOOL bPopup) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnMouseHover() override;
    void OnKeyboardTip() override { m_field.TakeKeyboardTip(); }
    BOOL OnSetSelected(int nSelected) override;
    BOOL IsCustomizeResizeAllow() const override { return TRUE; }
    // Its list is no place to drop controls: a drag over the box leaves it closed.
    void OnCustomizeDragOver(CKTControl* pDragged, CPoint pt) override
    {
        CKTControl::OnCustomizeDragOver(pDragged, pt);
    }
    int GetCustomizeMinWidth() const override { return m_field.GetLabelWidth() + m_nThumbWidth + 5; }
    void DoPropExchange(CKTPropExchange* pPX) override;

    // The text area: the field's window draws its own; otherwise the selected item, or the hint.
    virtual void DrawEditText(CDC* pDC, CRect rc);
    // The list's selection became the text.
    virtual void OnSelChanged();
    // Scrolls the list to the typed text, selecting an exact match.
    void UpdatePopupSelection();

    CKTControl* GetFieldControl() override { return this; }
    CKTEditField* GetField() override { return &m_field; }
    void OnEditSetFocus(HWND hWndOld) override;
    void OnEditKillFocus() override;
    void OnEditChanged() override;
    // The text field stands after the edit icon.
    void AdjustEditRect(CRect& rcField) override;
    // The open list goes: the shell's list or the field's menu takes its place.
    void CloseList();

private:
    // The edit icon in the image manager; NULL without one.
    CKTImageManagerIcon* GetEditIcon() const;
    // Completes the typed text from the list when the caret stands at its end.
    void CompleteFromList();

    CKTEditField m_field;
    BOOL m_bDropDown = FALSE;  // a text field lies over the control
    int m_nComboStyle = 0;     // 1: the caption stands before the box
    int m_nSavedSel = -1;      // the selection Esc and a cancelled list bring back
    int m_nThumbWidth = 0;     // the drop button's width, written by the paint manager
    BOOL m_bAutoComplete = FALSE;
    BOOL m_bSuppressAutoComplete = FALSE;  // after a completion and a deleting key
    BOOL m_bFocused = FALSE;               // the control holds the bar's keys
    BOOL m_bSelectionConfirmed = FALSE;    // executed since the focus or the list came
    int m_nDropDownItemCount = 12;         // most rows the list shows
    int m_nCurSel = -1;                    // kept here when the popup is no combo list
    BOOL m_bSyncLock = FALSE;              // the text is being set from the list
    int m_nEditIconId = 0;                 // drawn at the left of the text area; 0: none
};
