// KTPropertyGridItem.h: one row of a property grid, a category or an item with a string value.
//
// Classes: CKTPropertyGridItem.
#pragma once

#include <afxwin.h>

#include "KTPropertyGridDefs.h"
#include "KTPropertyGridItemAccessible.h"
#include "KTPropertyGridItemButton.h"
#include "KTPropertyGridItemConstraints.h"
#include "KTPropertyGridItemMetrics.h"
#include "KTPropertyGridItems.h"

#include <vector>

class CKTPropertyGrid;
class CKTPropertyGridView;
class CKTPropertyGridInplaceEdit;
class CKTPropertyGridInplaceList;
class CKTPropertyGridInplaceControl;

class CKTPropertyGridItem : public CCmdTarget
{
public:
    // Caption and description from the string resource of the id, split at
    // the first line feed.
    CKTPropertyGridItem(UINT nID, LPCSTR lpszValue = nullptr, CString* pBindString = nullptr);
    // The caption given as text; a line feed splits off the description.
    CKTPropertyGridItem(LPCSTR lpszCaption, LPCSTR lpszValue = nullptr, CString* pBindString = nullptr);
    ~CKTPropertyGridItem() override;

    // Tree
    CKTPropertyGridItem* AddChildItem(CKTPropertyGridItem* pItem);
    CKTPropertyGridItem* InsertChildItem(int nIndex, CKTPropertyGridItem* pItem);
    CKTPropertyGridItems* GetChilds() { return &m_childs; }
    const CKTPropertyGridItems* GetChilds() const { return &m_childs; }
    BOOL HasChilds() const { return m_childs.GetCount() > 0; }
    BOOL HasVisibleChildren() const;
    BOOL IsChildOf(const CKTPropertyGridItem* pItem) const;
    CKTPropertyGridItem* GetParentItem() const { return m_pParent; }
    void Expand();
    void Collapse();
    BOOL IsExpanded() const { return m_bExpanded; }

    // State
    UINT GetID() const { return m_nID; }
    void SetID(UINT nID) { m_nID = nID; }
    void SetFlags(UINT nFlags);
    UINT GetFlags() const { return m_nFlags; }
    void SetReadOnly(BOOL bReadOnly);
    void SetMask(LPCSTR lpszMask, LPCSTR lpszLiteral, char chPrompt = '_');
    BOOL IsMaskOn() const { return m_bUseMask; }
    CString GetMask() const { return m_strMask; }
    CString GetLiteral() const { return m_strLiteral; }
    char GetPromptChar() const { return m_chPrompt; }
    void SetPassword(BOOL bPassword) { m_bPassword = bPassword; }
    void SetPasswordChar(char ch) { m_chPrompt = ch; }
    BOOL IsPassword() const { return m_bPassword; }
    void SetMultiLinesCount(int nLines) { m_nLines = nLines; }
    int GetMultiLinesCount() const { return m_nLines; }
    void SetHeight(int nHeight) { m_nHeight = nHeight; }
    int GetHeight() const { return m_nHeight; }
    void SetEditStyle(DWORD dwStyle) { m_dwEditStyle = dwStyle; }
    void SetConstraintEdit(BOOL bConstraintEdit) { m_bConstraintEdit = bConstraintEdit; }
    BOOL GetConstraintEdit() const { return m_bConstraintEdit; }
    void SetHidden(BOOL bHidden) { m_bHidden = bHidden; }
    BOOL GetHidden() const { return m_bHidden; }
    void SetDropDownItemCount(int nCount) { m_nDropDownItemCount = nCount; }
    int GetDropDownItemCount() const { return m_nDropDownItemCount; }
    // Longest text the in-place edit takes; 0 leaves it unlimited.
    void SetMaxLength(int nMaxLength) { GetValueMetrics()->m_nMaxLength = nMaxLength; }
    int GetMaxLength() const { return m_pValueMetrics ? m_pValueMetrics->m_nMaxLength : 0; }
    BOOL IsCategory() const { return m_bCategory; }
    BOOL IsVisible() const { return m_bVisible; }
    BOOL IsSelected() const;
    int GetIndex() const { return m_nIndex; }
    int GetIndent() const { return m_nIndent; }
    CString GetCaption() const { return m_strCaption; }
    CString GetDescription() const { return m_strDescription; }
    void SetCaption(LPCSTR lpszCaption);
    void SetDescription(LPCSTR lpszDescription) { m_strDescription = lpszDescription; }
    CString GetValue() const { return m_strValue; }
    CString GetDefaultValue() const { return m_strDefaultValue; }
    void SetDefaultValue(LPCSTR lpszValue) { m_strDefaultValue = lpszValue; }
    CKTPropertyGridItemConstraints* GetConstraints() { return &m_constraints; }
    CKTPropertyGridItemButtons* GetInplaceButtons() { return &m_buttons; }
    CKTPropertyGridView* GetGridView() const { return m_pView; }
    CKTPropertyGrid* GetGrid() const;
    CRect GetItemRect() const;
    // Made on first request, from the grid's painter when there is one.
    CKTPropertyGridItemMetrics* GetValueMetrics();
    CKTPropertyGridItemMetrics* GetCaptionMetrics();
    CKTPropertyGridItemMetrics* PeekValueMetrics() const { return m_pValueMetrics; }
    CKTPropertyGridItemMetrics* PeekCaptionMetrics() const { return m_pCaptionMetrics; }
    // The item takes over the caller's reference.
    void AddInplaceControl(CKTPropertyGridInplaceControl* pControl);
    // The first attached control's window, for Tab; null without one.
    CWnd* GetFirstInplaceControlWindow() const;
    IAccessible* GetAccessible() { return &m_accessible; }

    // Overridables, in the order callers rely on
    virtual BOOL GetReadOnly() const { return m_bReadOnly; }
    virtual CRect GetValueRect();
    virtual void SetValue(CString strValue);
    virtual void OnValueChanged(CString strValue);
    virtual BOOL OnDrawItemValue(CDC& dc, CRect rcValue) { return FALSE; }
    virtual void OnDrawItemConstraint(CDC* pDC, CKTPropertyGridItemConstraint* pConstraint, CRect rc, BOOL bSelected);
    virtual CSize OnMeasureItemConstraint(CDC* pDC, CKTPropertyGridItemConstraint* pConstraint);
    virtual void OnMeasureItem(MEASUREITEMSTRUCT* lpMeasureItemStruct);
    virtual BOOL IsValueChanged() const { return m_strValue.Compare(m_strDefaultValue) != 0; }
    virtual void ResetValue() { OnValueChanged(m_strDefaultValue); }
    virtual CString GetViewValue();
    virtual CKTPropertyGridInplaceEdit& GetInplaceEdit();
    virtual void SetFocusToInplaceControl();
    virtual BOOL IsInplaceButtonVisible() const;
    virtual BOOL OnRequestEdit();
    virtual BOOL OnAfterEdit(CString& strValue);
    virtual void OnCancelEdit();
    virtual void OnValidateEdit();
    virtual DWORD GetEditStyle() const;
    virtual void SetVisible(BOOL bVisible) { m_bVisible = bVisible; }
    virtual void OnIndexChanged() {}
    virtual void OnSelect();
    virtual void OnDeselect();
    virtual BOOL OnChar(UINT nChar);
    virtual void OnLButtonDblClk(UINT nFlags, CPoint point);
    virtual void OnRButtonDown(UINT nFlags, CPoint point) {}
    virtual BOOL OnLButtonDown(UINT nFlags, CPoint point);
    virtual void OnLButtonUp(UINT nFlags, CPoint point) {}
    virtual BOOL OnKeyDown(UINT nChar) { return FALSE; }
    virtual void OnAddChildItem();
    virtual void OnInplaceButtonDown(CKTPropertyGridItemButton* pButton);
    virtual CKTPropertyGridInplaceList& GetInplaceList();
    virtual void OnValueChangedInEdit();
    virtual void SyncBoundString();
    virtual void OnConstraintsChanged() {}

    // Called by the view and the collections.
    void SetView(CKTPropertyGridView* pView);
    void SetIndex(int nIndex);
    void SetIndent(int nIndent);
    void MakeCategory();
    // Lets go of the view, the in-place controls and the children.
    void Cleanup();

private:
    void Init(LPCSTR lpszValue, CString* pBindString);
    void SplitCaption(const CString& strText);
    void RebuildButtons();
    void Reselect();
    void ToggleExpanded();
    void RepaintRow();
    void SelectNextConstraint();
    BOOL IsInExpandBox(CPoint point) const;
    void ClickIntoEdit(CPoint point);
    void HideInplaceControls();
    BOOL IsEditingThis();
    KTPROPERTYGRID_EDIT MakeEditRecord(LPCSTR lpszValue = "");
    LRESULT Notify(int nCode, LPARAM lParam);

    BOOL m_bConstraintEdit = FALSE;  // read-only edit; typing picks a constraint
    int m_nIndex = -1;               // row in the view; -1 while not shown
    int m_nIndent = 0;               // 0 top level
    UINT m_nID = 0;
    UINT m_nFlags = KTPGF_HASEDIT;
    BOOL m_bReadOnly = FALSE;
    BOOL m_bVisible = FALSE;  // has a row in the view
    BOOL m_bCategory = FALSE;
    BOOL m_bExpanded = FALSE;
    CString m_strValue;
    CString m_strDefaultValue;  // "changed" means the value differs from it
    CString m_strCaption;
    CString m_strDescription;
    CKTPropertyGridItem* m_pParent = nullptr;  // not counted: the parent holds us
    CKTPropertyGridView* m_pView = nullptr;    // not owned
    CKTPropertyGridItems m_childs;
    CKTPropertyGridItemConstraints m_constraints;
    CKTSmartPtr<CKTPropertyGridItemMetrics> m_pValueMetrics;    // made on request
    CKTSmartPtr<CKTPropertyGridItemMetrics> m_pCaptionMetrics;  // made on request
    CKTPropertyGridItemButtons m_buttons;
    std::vector<CKTSmartPtr<CKTPropertyGridInplaceControl>> m_controls;
    int m_nDropDownItemCount = 10;     // most rows the list shows at once
    CString* m_pBindString = nullptr;  // not owned; receives every new value
    CString m_strMask;
    CString m_strLiteral;
    char m_chPrompt = '*';  // password character, and the mask's prompt after SetMask
    bool m_bUseMask = false;
    BOOL m_bPassword = FALSE;
    BOOL m_bHidden = FALSE;
    int m_nHeight = -1;       // fixed row height; -1 the view's default
    int m_nLines = 1;         // text lines of the value
    DWORD m_dwEditStyle = 0;  // added to the edit's style
    CKTPropertyGridItemAccessible m_accessible;
};
