// KTPropertyGridItemButton.cpp: drawing, pressing and keeping an item's in-place buttons.
#include "KTPropertyGridItemButton.h"

#include <windowsx.h>

#include "KTCaptureLoop.h"
#include "KTImageManager.h"
#include "KTPropertyGrid.h"
#include "KTPropertyGridItem.h"
#include "KTPropertyGridPainter.h"
#include "KTPropertyGridView.h"

CKTPropertyGridItemButton::CKTPropertyGridItemButton(UINT nID)
    : m_nID(nID), m_rcButton(0, 0, 0, 0), m_nWidth(::GetSystemMetrics(SM_CXHTHUMB))
{
}

CKTPropertyGridView* CKTPropertyGridItemButton::GetView() const { return m_pItem ? m_pItem->GetGridView() : nullptr; }

BOOL CKTPropertyGridItemButton::IsFocused() const
{
    CKTPropertyGridView* pView = GetView();
    return pView && pView->GetFocusedButton() == this;
}

BOOL CKTPropertyGridItemButton::IsHot() const
{
    CKTPropertyGridView* pView = GetView();
    return pView && pView->GetHotButton() == this;
}

CKTImageManagerIcon* CKTPropertyGridItemButton::GetImage() const
{
    if (!m_pItem || m_nImage < 0)
        return nullptr;
    CKTPropertyGrid* pGrid = m_pItem->GetGrid();
    CKTImageManager* pImages = pGrid ? pGrid->GetImageManager() : KTImageManager();
    return pImages->GetImage(m_nImage, 0);
}

void CKTPropertyGridItemButton::OnDraw(CDC* pDC, CRect rc)
{
    m_rcButton = rc;
    CKTPropertyGridView* pView = GetView();
    if (CKTPropertyGridPainter* pPainter = pView ? pView->GetPainter() : nullptr)
        pPainter->DrawInplaceButton(pDC, this);
}

BOOL CKTPropertyGridItemButton::OnKeyDown(UINT nChar)
{
    if (nChar != VK_SPACE && nChar != VK_DOWN && nChar != VK_RETURN && nChar != VK_F4)
        return FALSE;
    if (m_pItem)
        m_pItem->OnInplaceButtonDown(this);
    return TRUE;
}

void CKTPropertyGridItemButton::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    CKTPropertyGridView* pView = GetView();
    if (!pView)
        return;
    CKTSmartPtr<CKTPropertyGridItemButton> keep(this);  // the item's handler may rebuild its buttons
    m_bPressed = TRUE;
    pView->SetFocus();
    pView->Invalidate(FALSE);
    BOOL bCounted = TrackPress(pView);
    m_bPressed = FALSE;
    pView->Invalidate(FALSE);
    if (bCounted && m_pItem)
        m_pItem->OnInplaceButtonDown(this);
}

BOOL CKTPropertyGridItemButton::TrackPress(CKTPropertyGridView* pView)
{
    CKTCaptureLoop loop(pView->GetSafeHwnd());
    pView->SetHotButton(this);
    MSG msg;
    while (loop.Next(msg))
    {
        if (msg.message != WM_MOUSEMOVE)
        {
            CKTCaptureLoop::Dispatch(msg);
            continue;
        }
        CPoint pt(GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam));
        pView->SetHotButton(m_rcButton.PtInRect(pt) ? this : nullptr);
    }
    return loop.IsReleased() && IsHot();
}

CKTPropertyGridItemButtons::~CKTPropertyGridItemButtons() { RemoveAll(); }

CKTPropertyGridItemButton* CKTPropertyGridItemButtons::AddButton(CKTPropertyGridItemButton* pButton)
{
    pButton->m_pItem = m_pItem;
    m_arr.push_back(CKTSmartPtr<CKTPropertyGridItemButton>::Adopt(pButton));
    Renumber();
    return pButton;
}

CKTPropertyGridItemButton* CKTPropertyGridItemButtons::AddOnce(UINT nID)
{
    if (CKTPropertyGridItemButton* pButton = Find(nID))
        return pButton;
    return AddButton(new CKTPropertyGridItemButton(nID));
}

CKTPropertyGridItemButton* CKTPropertyGridItemButtons::AddExpandButton()
{
    return AddOnce(KT_IDC_INPLACEBUTTON_EXPAND);
}

CKTPropertyGridItemButton* CKTPropertyGridItemButtons::AddComboButton() { return AddOnce(KT_IDC_INPLACEBUTTON_COMBO); }

CKTPropertyGridItemButton* CKTPropertyGridItemButtons::Find(UINT nID) const
{
    for (const auto& p : m_arr)
    {
        if (p->GetID() == nID)
            return p;
    }
    return nullptr;
}

void CKTPropertyGridItemButtons::Remove(CKTPropertyGridItemButton* pButton)
{
    for (auto it = m_arr.begin(); it != m_arr.end(); ++it)
    {
        if (*it == pButton)
        {
            if (CKTPropertyGridView* pView = pButton->GetView())
                pView->ForgetButton(pButton);
            pButton->m_pItem = nullptr;
            m_arr.erase(it);
            Renumber();
            return;
        }
    }
}

void CKTPropertyGridItemButtons::Remove(UINT nID)
{
    if (CKTPropertyGridItemButton* pButton = Find(nID))
        Remove(pButton);
}

void CKTPropertyGridItemButtons::RemoveAll()
{
    while (!m_arr.empty())
        Remove(m_arr.back());
}

CKTPropertyGridItemButton* CKTPropertyGridItemButtons::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arr[nIndex].GetInterface() : nullptr;
}

CKTPropertyGridItemButton* CKTPropertyGridItemButtons::HitTest(CPoint point) const
{
    if (!m_pItem || !m_pItem->IsInplaceButtonVisible())
        return nullptr;
    for (const auto& p : m_arr)
    {
        if (p->GetRect().PtInRect(point))
            return p;
    }
    return nullptr;
}

void CKTPropertyGridItemButtons::Renumber()
{
    for (int i = 0; i < GetCount(); i++)
        m_arr[i]->m_nIndex = i;
}
