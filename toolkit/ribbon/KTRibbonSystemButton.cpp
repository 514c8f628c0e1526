// KTRibbonSystemButton.cpp: the application button, its placing on the ribbon, and the system menu's layout,
// entries and recent-file list.
#include "KTRibbonSystemButton.h"

#include "KTCommandBars.h"
#include "KTControlWindowList.h"
#include "KTControls.h"
#include "KTDrawObjects.h"
#include "KTPaintManager.h"
#include "KTRibbonBar.h"

#include <afxadv.h>

#include <vector>

IMPLEMENT_DYNCREATE(CKTRibbonControlSystemButton, CKTControlPopup)
IMPLEMENT_DYNCREATE(CKTRibbonSystemPopupBar, CKTPopupBar)
IMPLEMENT_DYNCREATE(CKTRibbonControlSystemPopupBarButton, CKTControlButton)
IMPLEMENT_DYNCREATE(CKTRibbonControlSystemPopupBarListItem, CKTControlButton)
IMPLEMENT_DYNCREATE(CKTRibbonControlSystemPopupBarListCaption, CKTControl)
IMPLEMENT_DYNCREATE(CKTRibbonControlSystemRecentFileList, CKTRibbonControlSystemPopupBarListCaption)

BEGIN_MESSAGE_MAP(CKTRibbonSystemPopupBar, CKTPopupBar)
ON_WM_NCHITTEST()
END_MESSAGE_MAP()

const CRect CKTRibbonSystemPopupBar::s_rcBorders(6, 18, 6, 29);

namespace
{
const DWORD KT_HIDE_BOTTOMROW = ktHideDockingVertical;  // a bottom-row button while the columns are laid out
const int KT_BOTTOMROW_GAP = 6;
const int KT_EXCLUDE_LIFT = 18;  // how far the menu reaches up over the large button

CKTRibbonBar* RibbonOf(const CKTControl* pControl)
{
    return pControl && pControl->GetParent() ? pControl->GetParent()->AsRibbonBar() : NULL;
}

// The ribbon whose system button opened the menu, NULL for a menu opened otherwise.
CKTRibbonBar* RibbonOfMenu(const CKTCommandBar* pBar)
{
    const CKTPopupBar* pMenu = dynamic_cast<const CKTPopupBar*>(pBar);
    CKTControl* pOpening = pMenu ? pMenu->GetOpeningControl() : NULL;
    return dynamic_cast<CKTRibbonControlSystemButton*>(pOpening) ? RibbonOf(pOpening) : NULL;
}

// The menu's look is the style's wherever the menu opens, from a ribbon or not.
IKTRibbonPainter* MenuPainter(const CKTCommandBar* pMenu)
{
    return CKTRibbonBar::GetRibbonPainter(pMenu->GetPaintManager());
}

// A colour of the style's ribbon section, else the system colour.
COLORREF MenuStyleColor(const CKTCommandBar* pMenu, LPCSTR lpszKey, int nSysColor)
{
    const COLORREF clr = pMenu ? MenuPainter(pMenu)->GetRibbonStyleColor(lpszKey) : CLR_NONE;
    return clr != CLR_NONE ? clr : ::GetSysColor(nSysColor);
}
}  // namespace

CKTControl* CKTRibbonBar::AddSystemButton(LPCSTR lpszCaption, CKTCommandBar* pSystemMenu)
{
    if (m_pSystemButton)
        m_pControls->Remove(m_pSystemButton);
    CKTSmartPtr<CKTRibbonControlSystemButton> pButton = KTMakeCounted<CKTRibbonControlSystemButton>();
    pButton->SetCaption(lpszCaption);
    pButton->SetCommandBar(pSystemMenu);
    m_pSystemButton = m_pControls->InsertAt(CKTSmartPtr<CKTControl>(pButton.GetInterface()), 0);
    OnRecalcLayout();
    return m_pSystemButton;
}

// A small system button in the caption keeps the toolbar 15 pixels away; else it starts after the large one's room.
int CKTRibbonBar::GetQuickAccessCaptionLeft(int nLargeButtonRoom) const
{
    if (!IsCaptionVisible() || m_bTabsVisible || !m_pSystemButton || !m_pSystemButton->IsVisible())
        return nLargeButtonRoom;
    return m_pSystemButton->GetRect().right + 15;
}

int CKTRibbonBar::LayoutSystemButton()
{
    if (!m_pSystemButton)
        return 2;
    const BOOL bCaption = IsCaptionVisible();
    m_pSystemButton->SetHideFlag(KT_HIDE_RIBBONNOROOM, !bCaption && !m_bTabsVisible);
    if (!m_pSystemButton->IsVisible())
        return 2;
    CRect rc;
    if (bCaption && m_bTabsVisible)
    {
        // The large button spans the caption and the tab row.
        const int nSide = m_nQuickAccessHeight + GetTabsHeight() - 3;
        const int yTop = m_rcCaption.top + GetFrameBorder() - 1;
        rc.SetRect(0, yTop, nSide, yTop + nSide - 1);
    }
    else
    {
        CKTScreenDC dc;
        CKTFontDC font(&dc, GetPaintManager()->GetRegularFont());
        const CSize sz = m_pSystemButton->GetSize(&dc);
        const CRect rcRow = bCaption ? m_rcCaption : m_rcTabRow;
        rc = CRect(CPoint(2, rcRow.top + (rcRow.Height() - sz.cy) / 2), sz);
    }
    m_pSystemButton->SetRect(rc);
    m_pSystemButton->SetRowRect(rc);
    return rc.right;
}

CKTRibbonControlSystemButton::CKTRibbonControlSystemButton() { m_dwFlags = ktFlagManualUpdate | ktFlagNoMovable; }

void CKTRibbonControlSystemButton::Draw(CDC* pDC)
{
    if (CKTRibbonBar* pRibbon = RibbonOf(this))
        pRibbon->GetRibbonPainter()->DrawSystemButton(pDC, this, m_rcControl);
}

CSize CKTRibbonControlSystemButton::GetSize(CDC* pDC)
{
    const CSize sz = CKTControlPopup::GetSize(pDC);
    CKTRibbonBar* pRibbon = RibbonOf(this);
    return pRibbon ? pRibbon->GetRibbonPainter()->FitSystemButton(this, sz) : sz;
}

BOOL CKTRibbonControlSystemButton::IsCaptionVisible() const
{
    CKTRibbonBar* pRibbon = RibbonOf(this);
    return CKTControlPopup::IsCaptionVisible() &&
           (!pRibbon || pRibbon->GetRibbonPainter()->DrawsSystemButtonCaption(this));
}

BOOL CKTRibbonControlSystemButton::OnLButtonDblClk(CPoint)
{
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->ClosePopups();
    CWnd* pFrame = m_pParent ? m_pParent->GetFrameSite() : NULL;
    if (pFrame && pFrame->GetSafeHwnd())
        pFrame->SendMessage(WM_SYSCOMMAND, SC_CLOSE | 3);
    return TRUE;
}

void CKTRibbonControlSystemButton::AdjustExcludeRect(CRect& rc, BOOL bVertical)
{
    CKTRibbonBar* pRibbon = RibbonOf(this);
    if (pRibbon && pRibbon->IsCaptionVisible() && pRibbon->IsSystemButtonVisible() &&
        dynamic_cast<CKTRibbonSystemPopupBar*>(GetCommandBar()))
    {
        rc.bottom -= KT_EXCLUDE_LIFT;
        return;
    }
    CKTControlPopup::AdjustExcludeRect(rc, bVertical);
}

CSize CKTRibbonSystemPopupBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    std::vector<CKTControl*> buttons;
    for (int i = 0; i < GetControlCount(); i++)
        if (dynamic_cast<CKTRibbonControlSystemPopupBarButton*>(GetControl(i)))
        {
            buttons.push_back(GetControl(i));
            GetControl(i)->SetHideFlag(KT_HIDE_BOTTOMROW, TRUE);
        }
    const CSize sz = CKTPopupBar::CalcDynamicLayout(nLength, dwMode);
    if (buttons.empty())
        return sz;
    CClientDC dc(this);
    CKTFontDC font(&dc, GetPaintManager()->GetRegularFont());
    int x = sz.cx - s_rcBorders.right + 1;
    for (auto it = buttons.rbegin(); it != buttons.rend(); ++it)
    {
        (*it)->SetHideFlag(KT_HIDE_BOTTOMROW, FALSE);
        const int nWidth = (*it)->GetSize(&dc).cx;
        (*it)->SetRect(CRect(x - nWidth, sz.cy - 25, x, sz.cy - 3));
        x -= nWidth + KT_BOTTOMROW_GAP;
    }
    return sz;
}

void CKTRibbonSystemPopupBar::FillCommandBarEntry(CDC* pDC)
{
    IKTRibbonPainter* pPainter = MenuPainter(this);
    pPainter->FillSystemMenu(pDC, this);
    // The large button and the recent files' column belong to a menu that a ribbon's button opened.
    CKTRibbonBar* pRibbon = RibbonOfMenu(this);
    if (!pRibbon)
        return;
    DrawOpeningButton(pDC, pRibbon);
    const COLORREF clrColumn = pPainter->GetRibbonStyleColor("RecentFileListBackground");
    const CRect rcColumn = SecondColumnRect();
    if (clrColumn != CLR_NONE && !rcColumn.IsRectEmpty())
        pDC->FillSolidRect(rcColumn, clrColumn);
}

// From the first control that starts a column to the widest of that column, between the borders.
CRect CKTRibbonSystemPopupBar::SecondColumnRect() const
{
    CRect rcColumn;
    for (int i = 0; i < GetControlCount(); i++)
    {
        CKTControl* pControl = GetControl(i);
        if (!pControl->IsVisible() || dynamic_cast<CKTRibbonControlSystemPopupBarButton*>(pControl))
            continue;
        if (pControl->GetWrap() && !rcColumn.IsRectEmpty())
            break;
        if (pControl->GetWrap() || !rcColumn.IsRectEmpty())
            rcColumn.UnionRect(rcColumn, pControl->GetRect());
    }
    if (rcColumn.IsRectEmpty() || !GetSafeHwnd())
        return CRect();
    const CRect rcClient = CKTClientRect(this);
    return CRect(rcColumn.left, s_rcBorders.top, rcColumn.right, rcClient.bottom - s_rcBorders.bottom);
}

// The large button reaches down into the menu: it is drawn there again, over the face.
void CKTRibbonSystemPopupBar::DrawOpeningButton(CDC* pDC, CKTRibbonBar* pRibbon)
{
    if (!pRibbon->IsCaptionVisible() || !pRibbon->GetSafeHwnd() || !GetSafeHwnd())
        return;
    CRect rcButton = m_pControlPopup->GetRect(), rcInside;
    pRibbon->ClientToScreen(&rcButton);
    ScreenToClient(&rcButton);
    if (rcInside.IntersectRect(rcButton, CKTClientRect(this)))
        pRibbon->GetRibbonPainter()->DrawSystemButton(pDC, m_pControlPopup, rcButton);
}

LRESULT CKTRibbonSystemPopupBar::OnNcHitTest(CPoint point)
{
    if (m_pControlPopup && m_pControlPopup->GetParent() && m_pControlPopup->GetParent()->GetSafeHwnd())
    {
        CRect rc = m_pControlPopup->GetRect();
        m_pControlPopup->GetParent()->ClientToScreen(&rc);
        if (rc.PtInRect(point))
            return HTTRANSPARENT;
    }
    return CKTPopupBar::OnNcHitTest(point);
}

CSize CKTRibbonControlSystemPopupBarButton::GetSize(CDC* pDC)
{
    return GetPaintManager()->DrawControlToolBarParent(pDC, this, FALSE);
}

void CKTRibbonControlSystemPopupBarButton::Draw(CDC* pDC)
{
    if (m_pParent)
        MenuPainter(m_pParent)->DrawSystemMenuButton(pDC, this);
    GetPaintManager()->DrawControlToolBarParent(pDC, this, TRUE);
}

CKTRibbonControlSystemPopupBarListItem::CKTRibbonControlSystemPopupBarListItem()
{
    m_nWidth = 300;
    m_nHeight = 21;
}

void CKTRibbonControlSystemPopupBarListItem::Draw(CDC* pDC)
{
    CKTPaintManager* pPaintManager = GetPaintManager();
    pPaintManager->DrawControlState(pDC, this);
    CKTFontDC font(pDC, pPaintManager->GetRegularFont());
    pDC->SetTextColor(pPaintManager->GetColor(pPaintManager->GetControlTextColor(this)));
    CRect rc = m_rcControl;
    rc.left += 7;
    // The caption's '&' marks the entry's access key, as the recent files' numbers are built.
    pDC->DrawText(GetCaption(), rc, DT_SINGLELINE | DT_VCENTER);
}

CKTRibbonControlSystemPopupBarListCaption::CKTRibbonControlSystemPopupBarListCaption()
{
    m_dwFlags = ktFlagSkipFocus | ktFlagManualUpdate | ktFlagNoMovable | ktFlagWrapRow;
    m_nWidth = 300;
    m_nHeight = 27;
}

void CKTRibbonControlSystemPopupBarListCaption::Draw(CDC* pDC)
{
    CKTPaintManager* pPaintManager = GetPaintManager();
    CKTFontDC font(pDC, pPaintManager->GetRegularFont());
    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    CRect rc = m_rcControl;
    rc.left += 7;
    // At the top, clear of the two lines along the bottom.
    pDC->DrawText(GetCaption(), rc, DT_SINGLELINE);
    pDC->FillSolidRect(m_rcControl.left, m_rcControl.bottom - 2, m_rcControl.Width(), 1,
                       MenuStyleColor(m_pParent, "RecentFileListEdgeShadow", COLOR_3DSHADOW));
    pDC->FillSolidRect(m_rcControl.left, m_rcControl.bottom - 1, m_rcControl.Width(), 1,
                       MenuStyleColor(m_pParent, "RecentFileListEdgeHighLight", COLOR_3DHILIGHT));
}

void CKTRibbonControlSystemRecentFileList::OnCalcDynamicSize(DWORD)
{
    CWinApp* pApp = AfxGetApp();
    CRecentFileList* pList = pApp ? pApp->m_pRecentFileList : NULL;
    if (!pList || !m_pParent || pList->GetSize() == 0)
        return;
    const int nListSize = pList->GetSize();
    CKTControls* pControls = m_pParent->GetControls();
    while (CKTControl* pNext = pControls->GetAt(m_nIndex + 1))
    {
        const UINT nId = (UINT)pNext->GetID();
        if (nId < KT_ID_FILE_MRU_FIRST || nId >= KT_ID_FILE_MRU_FIRST + (UINT)nListSize)
            break;
        pControls->Remove(pNext);
    }
    if (IsCustomizeMode())
        return;
    char szFolder[MAX_PATH + 1] = "";
    ::GetCurrentDirectory(MAX_PATH, szFolder);
    const CString strFolder = CString(szFolder) + "\\";
    int nBefore = m_nIndex + 1;
    for (int i = 0; i < nListSize; i++)
    {
        CString strName;
        if ((*pList)[i].IsEmpty() || !pList->GetDisplayName(strName, i, strFolder, strFolder.GetLength(), TRUE))
            continue;
        CKTControl* pItem = pControls->Add(KTMakeCounted<CKTRibbonControlSystemPopupBarListItem>(),
                                           KT_ID_FILE_MRU_FIRST + i, (*pList)[i], nBefore++, TRUE);
        pItem->SetCaption(CKTControlWindowList::ConstructCaption(strName.Left(MAX_PATH), i + 1));
        pItem->SetFlags(0x48);
    }
}
