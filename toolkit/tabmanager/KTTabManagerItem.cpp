// KTTabManagerItem.cpp: one tab of a strip.
#include "KTTabManagerItem.h"

#include "KTTabManager.h"
#include "KTTabPainter.h"

CKTTabManagerItem::CKTTabManagerItem() = default;

CKTTabManagerItem::~CKTTabManagerItem() = default;

CString CKTTabManagerItem::GetCaption() const
{
    return m_pTabManager ? m_pTabManager->GetItemCaption(this) : m_strCaption;
}

void CKTTabManagerItem::SetCaption(LPCSTR lpszCaption)
{
    if (m_strCaption == lpszCaption)
        return;
    m_strCaption = lpszCaption;
    if (m_pTabManager)
        m_pTabManager->Reposition();
}

void CKTTabManagerItem::SetColor(COLORREF clr)
{
    m_clrItem = clr;
    if (m_pTabManager)
        m_pTabManager->RedrawControl(&m_rcItem, FALSE);
}

COLORREF CKTTabManagerItem::GetColor() const { return m_pTabManager ? m_pTabManager->GetItemColor(this) : m_clrItem; }

void CKTTabManagerItem::SetVisible(BOOL bVisible)
{
    if (m_bVisible == bVisible)
        return;
    m_bVisible = bVisible;
    if (m_pTabManager)
        m_pTabManager->Reposition();
}

void CKTTabManagerItem::SetEnabled(BOOL bEnabled)
{
    if (m_bEnabled == bEnabled)
        return;
    m_bEnabled = bEnabled;
    if (m_pTabManager)
        m_pTabManager->Reposition();
}

BOOL CKTTabManagerItem::IsSelected() const { return m_pTabManager && m_pTabManager->GetSelectedItem() == this; }

BOOL CKTTabManagerItem::IsHighlighted() const { return m_pTabManager && m_pTabManager->GetHighlightedItem() == this; }

BOOL CKTTabManagerItem::IsPressed() const { return m_pTabManager && m_pTabManager->GetPressedItem() == this; }

void CKTTabManagerItem::SetRect(const CRect& rcItem)
{
    m_rcItem = rcItem;
    for (auto& pButton : m_arrNavigateButtons)
        pButton->SetRect(CRect(0, 0, 0, 0));
}

void CKTTabManagerItem::Select()
{
    if (m_pTabManager)
        m_pTabManager->OnItemClick(this);
}

void CKTTabManagerItem::Remove()
{
    if (m_pTabManager)
        m_pTabManager->DeleteItem(m_nIndex);
}

void CKTTabManagerItem::OnRemoved() { m_arrNavigateButtons.clear(); }
