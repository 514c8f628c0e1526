// KTTabManagerItem.cpp: one tab of a strip.
#include "KTTabManagerItem.h"

#include <cstdint>
#include <vector>

#include "KTAlphaBitmap.h"
#include "KTImageManager.h"
#include "KTTabManager.h"
#include "KTTabPainter.h"

namespace
{
// The image turned a quarter clockwise, as the side strips' captions run; FALSE when it is not square.
BOOL DrawTurned(CDC* pDC, CPoint pt, CSize sz, const CKTImageManagerIconHandle& handle)
{
    CKTAlphaBitmap image;
    BOOL bLoaded = handle.IsAlpha() ? image.LoadBitmap(handle.GetBitmap(), static_cast<COLORREF>(-1))
                                    : image.LoadIcon(handle.GetIcon());
    const int n = image.GetWidth();
    if (!bLoaded || n == 0 || n != image.GetHeight())
        return FALSE;
    // Rows are stored bottom first: the turned row y (from the top) takes the source column y from the bottom.
    const auto* pFrom = reinterpret_cast<const uint32_t*>(image.GetBits());
    std::vector<uint32_t> turned(size_t(n) * n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            turned[size_t(n - 1 - y) * n + x] = pFrom[size_t(x) * n + y];
    CKTAlphaBitmap result;
    return result.SetBits(n, n, reinterpret_cast<const BYTE*>(turned.data()), image.GetBitsSize()) &&
           result.Draw(pDC->GetSafeHdc(), pt.x, pt.y, sz.cx, sz.cy);
}
}  // namespace

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

void CKTTabManagerItem::DrawImage(CDC* pDC, CPoint pt, CSize sz, CKTImageManagerIcon* pIcon) const
{
    if (!pDC || !pIcon)
        return;
    const CKTImageManagerIconHandle handle = !m_bEnabled       ? pIcon->GetDisabledIcon()
                                             : IsHighlighted() ? pIcon->GetHotIcon()
                                             : IsSelected()    ? pIcon->GetCheckedIcon()
                                                               : pIcon->GetIcon();
    CKTTabPainter* pPainter = m_pTabManager ? m_pTabManager->GetPaintManager() : nullptr;
    const int nPosition = m_pTabManager ? m_pTabManager->GetPosition() : ktTabPositionTop;
    const BOOL bSide = nPosition == ktTabPositionLeft || nPosition == ktTabPositionRight;
    if (pPainter && pPainter->m_bRotateImagesOnVerticalStrips && bSide && DrawTurned(pDC, pt, sz, handle))
        return;
    pIcon->Draw(pDC, pt, handle, sz);
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
