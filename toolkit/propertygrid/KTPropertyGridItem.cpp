// KTPropertyGridItem.cpp: building the tree of rows, values, flags and notifications of a grid item.
#include "KTPropertyGridItem.h"

#include "KTPropertyGrid.h"
#include "KTPropertyGridInplaceControl.h"
#include "KTPropertyGridInplaceEdit.h"
#include "KTPropertyGridInplaceList.h"
#include "KTPropertyGridPainter.h"
#include "KTPropertyGridView.h"
#include "KTResourceManager.h"

CKTPropertyGridItem::CKTPropertyGridItem(UINT nID, LPCSTR lpszValue, CString* pBindString)
    : m_nID(nID), m_constraints(this), m_buttons(this), m_accessible(this)
{
    CString strText;
    KTResourceManager()->LoadString(&strText, nID);
    SplitCaption(strText);
    Init(lpszValue, pBindString);
}

CKTPropertyGridItem::CKTPropertyGridItem(LPCSTR lpszCaption, LPCSTR lpszValue, CString* pBindString)
    : m_constraints(this), m_buttons(this), m_accessible(this)
{
    SplitCaption(lpszCaption ? lpszCaption : "");
    Init(lpszValue, pBindString);
}

CKTPropertyGridItem::~CKTPropertyGridItem() { Cleanup(); }

void CKTPropertyGridItem::Init(LPCSTR lpszValue, CString* pBindString)
{
    m_strValue = m_strDefaultValue = lpszValue ? lpszValue : "";
    m_pBindString = pBindString;
    if (m_pBindString)
        *m_pBindString = m_strValue;
}

void CKTPropertyGridItem::SplitCaption(const CString& strText)
{
    int nBreak = strText.Find('\n');
    m_strCaption = nBreak < 0 ? strText : strText.Left(nBreak);
    m_strDescription = nBreak < 0 ? CString() : strText.Mid(nBreak + 1);
}

void CKTPropertyGridItem::SetCaption(LPCSTR lpszCaption)
{
    m_strCaption = lpszCaption;
    if (m_pView)
        m_pView->Invalidate(FALSE);
}

void CKTPropertyGridItem::Cleanup()
{
    if (m_pView)
        m_pView->ForgetItem(this);
    if (GetInplaceList().GetItem() == this)
        GetInplaceList().DestroyItem();
    if (GetInplaceEdit().GetItem() == this)
        GetInplaceEdit().DestroyItem();
    m_childs.Clear();
    m_constraints.Detach();
    m_constraints.RemoveAll();
    m_buttons.RemoveAll();
    m_pValueMetrics.Release();
    m_pCaptionMetrics.Release();
    m_controls.clear();
    m_pView = nullptr;
    m_pParent = nullptr;
}

CKTPropertyGridItem* CKTPropertyGridItem::AddChildItem(CKTPropertyGridItem* pItem)
{
    return InsertChildItem(m_childs.GetCount(), pItem);
}

CKTPropertyGridItem* CKTPropertyGridItem::InsertChildItem(int nIndex, CKTPropertyGridItem* pItem)
{
    if (!pItem)
        return nullptr;
    m_childs.InsertAt(nIndex, pItem);
    pItem->SetView(m_pView);
    pItem->m_pParent = this;
    pItem->SetIndent(m_nIndent + 1);
    pItem->OnAddChildItem();
    if (m_pView && m_bVisible && m_bExpanded)
        m_pView->Refresh(m_pView->GetSortOrder(), TRUE, TRUE);
    else if (m_pView && m_bVisible && m_childs.GetCount() == 1)
        m_pView->Invalidate(FALSE);
    return pItem;
}

void CKTPropertyGridItem::SetView(CKTPropertyGridView* pView)
{
    m_pView = pView;
    for (int i = 0; i < m_childs.GetCount(); i++)
        m_childs.GetAt(i)->SetView(pView);
}

void CKTPropertyGridItem::SetIndent(int nIndent)
{
    m_nIndent = nIndent;
    for (int i = 0; i < m_childs.GetCount(); i++)
        m_childs.GetAt(i)->SetIndent(nIndent + 1);
}

void CKTPropertyGridItem::MakeCategory()
{
    m_bCategory = TRUE;
    m_nFlags = 0;
    RebuildButtons();
}

BOOL CKTPropertyGridItem::HasVisibleChildren() const
{
    for (int i = 0; i < m_childs.GetCount(); i++)
    {
        if (!m_childs.GetAt(i)->GetHidden())
            return TRUE;
    }
    return FALSE;
}

BOOL CKTPropertyGridItem::IsChildOf(const CKTPropertyGridItem* pItem) const
{
    for (const CKTPropertyGridItem* p = m_pParent; p; p = p->m_pParent)
    {
        if (p == pItem)
            return TRUE;
    }
    return FALSE;
}

void CKTPropertyGridItem::Expand()
{
    if (m_bExpanded)
        return;
    if (m_pView && m_bVisible && !m_pView->IsUpdateLocked())
    {
        int nRow = m_nIndex + 1;
        for (int i = 0; i < m_childs.GetCount(); i++)
            nRow += m_pView->InsertItem(m_childs.GetAt(i), nRow);
        m_pView->Renumber();
        m_pView->OnSelectionChanged();
    }
    m_bExpanded = TRUE;
    RepaintRow();
    Notify(KTPGN_ITEMEXPANDCHANGED, reinterpret_cast<LPARAM>(this));
}

void CKTPropertyGridItem::Collapse()
{
    if (!m_bExpanded)
        return;
    if (m_pView && m_bVisible && !m_pView->IsUpdateLocked())
    {
        m_pView->RemoveChildRows(this);
        m_pView->OnSelectionChanged();
    }
    m_bExpanded = FALSE;
    RepaintRow();
    Notify(KTPGN_ITEMEXPANDCHANGED, reinterpret_cast<LPARAM>(this));
}

// The expand box changes with the state.
void CKTPropertyGridItem::RepaintRow()
{
    if (m_pView && m_pView->GetSafeHwnd() && m_bVisible)
        m_pView->InvalidateRect(GetItemRect(), FALSE);
}

void CKTPropertyGridItem::ToggleExpanded()
{
    if (m_bExpanded)
        Collapse();
    else
        Expand();
}

void CKTPropertyGridItem::SetFlags(UINT nFlags)
{
    m_nFlags = nFlags;
    RebuildButtons();
}

void CKTPropertyGridItem::RebuildButtons()
{
    m_buttons.Remove(KT_IDC_INPLACEBUTTON_EXPAND);
    m_buttons.Remove(KT_IDC_INPLACEBUTTON_COMBO);
    if (m_nFlags & KTPGF_HASEXPANDBUTTON)
        m_buttons.AddExpandButton();
    if (m_nFlags & KTPGF_HASCOMBOBUTTON)
        m_buttons.AddComboButton();
}

void CKTPropertyGridItem::OnAddChildItem()
{
    if (!m_bCategory)
        RebuildButtons();
}

void CKTPropertyGridItem::SetReadOnly(BOOL bReadOnly)
{
    if (m_bReadOnly == bReadOnly)
        return;
    m_bReadOnly = bReadOnly;
    if (IsSelected())
        Reselect();
    if (m_pView)
        m_pView->Invalidate(FALSE);
}

void CKTPropertyGridItem::SetMask(LPCSTR lpszMask, LPCSTR lpszLiteral, char chPrompt)
{
    m_bUseMask = true;
    m_strMask = lpszMask;
    m_strLiteral = lpszLiteral;
    m_chPrompt = chPrompt;
    if (IsSelected())
        Reselect();
}

void CKTPropertyGridItem::Reselect()
{
    OnDeselect();
    OnSelect();
}

BOOL CKTPropertyGridItem::IsSelected() const { return m_pView && m_pView->GetSelectedItem() == this; }

CKTPropertyGrid* CKTPropertyGridItem::GetGrid() const { return m_pView ? m_pView->GetGrid() : nullptr; }

LRESULT CKTPropertyGridItem::Notify(int nCode, LPARAM lParam)
{
    CKTPropertyGrid* pGrid = GetGrid();
    return pGrid ? pGrid->SendNotifyMessage(nCode, lParam) : 0;
}

void CKTPropertyGridItem::SetIndex(int nIndex)
{
    m_nIndex = nIndex;
    OnIndexChanged();
}

CRect CKTPropertyGridItem::GetItemRect() const
{
    CRect rc(0, 0, 0, 0);
    if (m_pView && m_bVisible && m_nIndex >= 0)
        m_pView->GetItemRect(m_nIndex, rc);
    return rc;
}

CKTPropertyGridItemMetrics* CKTPropertyGridItem::GetValueMetrics()
{
    if (!m_pValueMetrics)
        m_pValueMetrics = KTMakeCounted<CKTPropertyGridItemMetrics>(m_pView ? m_pView->GetPainter() : nullptr);
    return m_pValueMetrics;
}

CKTPropertyGridItemMetrics* CKTPropertyGridItem::GetCaptionMetrics()
{
    if (!m_pCaptionMetrics)
        m_pCaptionMetrics = KTMakeCounted<CKTPropertyGridItemMetrics>(m_pView ? m_pView->GetPainter() : nullptr);
    return m_pCaptionMetrics;
}

void CKTPropertyGridItem::AddInplaceControl(CKTPropertyGridInplaceControl* pControl)
{
    m_controls.push_back(CKTSmartPtr<CKTPropertyGridInplaceControl>::Adopt(pControl));
}

CWnd* CKTPropertyGridItem::GetFirstInplaceControlWindow() const
{
    return m_controls.empty() ? nullptr : m_controls.front()->GetWindow();
}

void CKTPropertyGridItem::SetValue(CString strValue)
{
    m_strValue = strValue;
    if (m_pBindString)
        *m_pBindString = strValue;
    OnValueChangedInEdit();
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it)
        (*it)->OnValueChanged();
    if (m_pView)
        m_pView->Invalidate(FALSE);
}

void CKTPropertyGridItem::OnValueChanged(CString strValue)
{
    SetValue(strValue);
    if (m_pView)
        m_pView->Invalidate(FALSE);
    Notify(KTPGN_VALUECHANGED, reinterpret_cast<LPARAM>(this));
}

void CKTPropertyGridItem::OnValueChangedInEdit()
{
    CKTPropertyGridInplaceEdit& edit = GetInplaceEdit();
    if (edit.GetSafeHwnd() && edit.GetItem() == this)
        edit.SetWindowText(m_strValue);
}

void CKTPropertyGridItem::SyncBoundString()
{
    if (m_pBindString && m_pBindString->Compare(m_strValue) != 0)
        m_strValue = *m_pBindString;
}

CString CKTPropertyGridItem::GetViewValue()
{
    return m_bPassword ? CString(m_chPrompt, m_strValue.GetLength()) : m_strValue;
}

CRect CKTPropertyGridItem::GetValueRect()
{
    CRect rc = GetItemRect();
    if (!m_pView)
        return rc;
    rc.left = m_pView->GetDividerPos() + 1;
    rc.bottom -= 1;
    if (IsInplaceButtonVisible())
    {
        for (int i = 0; i < m_buttons.GetCount(); i++)
            rc.right -= m_buttons.GetAt(i)->GetWidth();
    }
    for (auto& pControl : m_controls)
        pControl->AdjustValueRect(rc);
    return rc;
}

void CKTPropertyGridItem::OnMeasureItem(MEASUREITEMSTRUCT* lpMeasureItemStruct)
{
    if (m_nHeight != -1)
        lpMeasureItemStruct->itemHeight = m_nHeight;
    else if (m_nLines >= 2)
        lpMeasureItemStruct->itemHeight = (lpMeasureItemStruct->itemHeight - 4) * m_nLines + 4;
}

CSize CKTPropertyGridItem::OnMeasureItemConstraint(CDC* pDC, CKTPropertyGridItemConstraint* pConstraint)
{
    CSize sz = pDC->GetTextExtent(pConstraint->m_strConstraint);
    return CSize(sz.cx + 2 * ::GetSystemMetrics(SM_CXHTHUMB), sz.cy + 3);
}

void CKTPropertyGridItem::OnDrawItemConstraint(CDC* pDC, CKTPropertyGridItemConstraint* pConstraint, CRect rc,
                                               BOOL bSelected)
{
    if (CKTPropertyGridPainter* pPainter = m_pView ? m_pView->GetPainter() : nullptr)
        pPainter->DrawInplaceListItem(pDC, pConstraint, rc, bSelected);
}

DWORD CKTPropertyGridItem::GetEditStyle() const
{
    DWORD dwStyle = WS_CHILD | ES_AUTOHSCROLL;
    if (m_bPassword)
        dwStyle |= ES_PASSWORD;
    if (m_nLines >= 2)
        dwStyle |= ES_MULTILINE;
    return dwStyle | m_dwEditStyle;
}

BOOL CKTPropertyGridItem::IsInplaceButtonVisible() const
{
    if (!m_pView || GetReadOnly() || m_buttons.GetCount() == 0)
        return FALSE;
    CKTPropertyGrid* pGrid = GetGrid();
    return IsSelected() || (pGrid && pGrid->GetShowInplaceButtonsAlways());
}

CKTPropertyGridInplaceEdit& CKTPropertyGridItem::GetInplaceEdit()
{
    if (CKTPropertyGrid* pGrid = GetGrid())
        return pGrid->GetInplaceEdit();
    static CKTPropertyGridInplaceEdit s_edit;  // never gets a window: an unattached item has no view
    return s_edit;
}

CKTPropertyGridInplaceList& CKTPropertyGridItem::GetInplaceList()
{
    if (CKTPropertyGrid* pGrid = GetGrid())
        return pGrid->GetInplaceList();
    static CKTPropertyGridInplaceList s_list;  // never gets a window: an unattached item has no view
    return s_list;
}

KTPROPERTYGRID_EDIT CKTPropertyGridItem::MakeEditRecord(LPCSTR lpszValue)
{
    KTPROPERTYGRID_EDIT rec;
    rec.strValue = lpszValue;
    rec.pItem = this;
    return rec;
}

BOOL CKTPropertyGridItem::OnRequestEdit()
{
    KTPROPERTYGRID_EDIT rec = MakeEditRecord();
    Notify(KTPGN_REQUESTEDIT, reinterpret_cast<LPARAM>(&rec));
    return !rec.bCancel;
}

BOOL CKTPropertyGridItem::OnAfterEdit(CString& strValue)
{
    KTPROPERTYGRID_EDIT rec = MakeEditRecord(strValue);
    Notify(KTPGN_AFTEREDIT, reinterpret_cast<LPARAM>(&rec));
    if (rec.bCancel)
        return FALSE;
    strValue = rec.strValue;
    return TRUE;
}

void CKTPropertyGridItem::OnCancelEdit()
{
    KTPROPERTYGRID_EDIT rec = MakeEditRecord();
    Notify(KTPGN_CANCELEDIT, reinterpret_cast<LPARAM>(&rec));
}
