// KTTabClientActiveFilesButton.cpp: the "Active Files" button: its arrow, and the popup list of the strip's tabs.
#include "KTTabClientActiveFilesButton.h"

#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTImageManager.h"
#include "KTPopupBar.h"
#include "KTTabClientWnd.h"
#include "KTTabManager.h"
#include "KTTabManagerRes.h"
#include "KTTabPainter.h"

#include <vector>

CKTTabClientActiveFilesButton::CKTTabClientActiveFilesButton(CKTTabManager* pManager, CKTTabClientWnd* pClient)
    : CKTTabManagerNavigateButton(pManager, ktNavigateButtonActiveFiles, ktNavigateButtonNone,
                                  KT_IDS_TABNAVIGATEBUTTON_ACTIVEFILES),
      m_pClient(pClient)
{
}

CKTTabClientActiveFilesButton::~CKTTabClientActiveFilesButton() { *m_pLiving = FALSE; }

void CKTTabClientActiveFilesButton::Reposition(CRect& rcStrip)
{
    CRect rcMargin = m_pManager->GetPaintManager()->GetAppearanceSet()->GetHeaderMargin();
    int nStrip = IsVerticalStrip() ? rcStrip.Height() : rcStrip.Width();
    m_bOverflow = m_pManager->GetItemsLength() > nStrip - rcMargin.left - rcMargin.right - Extent();
    CKTTabManagerNavigateButton::Reposition(rcStrip);
}

// A small arrow down; a bar above it when tabs lie beyond the strip.
void CKTTabClientActiveFilesButton::DrawEntry(CDC* pDC, CRect rc)
{
    CPoint c = rc.CenterPoint();
    const POINT arrow[4] = {{c.x - 4, c.y}, {c.x - 1, c.y + 3}, {c.x, c.y + 3}, {c.x + 3, c.y}};
    pDC->Polygon(arrow, 4);
    if (m_bOverflow)
        pDC->Rectangle(c.x - 4, c.y - 4, c.x + 4, c.y - 2);
}

void CKTTabClientActiveFilesButton::PerformClick(HWND hWnd, CPoint pt)
{
    if (!IsEnabled() || !m_pClient->GetCommandBars())
        return;
    m_bPressed = TRUE;
    m_pManager->RedrawControl(m_rcButton, FALSE);
    // While the list is open the strip, and the frame with it, may go: only what is checked afterwards is used.
    const std::shared_ptr<BOOL> pLiving = m_pLiving;
    const HWND hClient = m_pClient->GetSafeHwnd();
    const HWND hPicked = PickFromList(hWnd);
    if (!*pLiving || !::IsWindow(hWnd))
        return;
    m_bPressed = FALSE;
    POINT ptCursor = pt;
    if (::GetCursorPos(&ptCursor))
        ::ScreenToClient(hWnd, &ptCursor);
    m_pManager->PerformMouseMove(hWnd, ptCursor);
    m_pManager->RedrawControl(NULL, FALSE);
    CKTTabManagerItem* pSelected = m_pManager->GetSelectedItem();
    // A child closed while the list was open is no longer offered.
    if (::IsWindow(hPicked) && ::IsWindow(hClient) && !(pSelected && pSelected->GetHandle() == hPicked))
        ::SendMessage(hClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(hPicked), 0);
}

// One entry per tab, in the strip's order, its command the tab's index + 1; returned, never sent.
HWND CKTTabClientActiveFilesButton::PickFromList(HWND hWnd)
{
    CKTCommandBars* pCommandBars = m_pClient->GetCommandBars();
    CKTSmartPtr<CKTPopupBar> pPopup = CKTPopupBar::CreatePopupBar(pCommandBars);
    std::vector<HWND> arrChildren;
    HICON hPrevious = NULL;
    for (int i = 0; i < m_pManager->GetItemCount(); i++)
    {
        CKTTabManagerItem* pItem = m_pManager->GetItem(i);
        arrChildren.push_back(pItem->GetHandle());
        CKTControl* pEntry = pPopup->GetControls()->Add(ktControlButton, i + 1);
        pEntry->SetCaption(pItem->GetCaption());
        // No command handler stands behind the entries: the update pass must not disable them.
        pEntry->SetFlags(pEntry->GetFlags() | ktFlagManualUpdate);
        HICON hIcon = m_pClient->GetItemIcon(pItem);
        if (hIcon && hIcon != hPrevious)
            pCommandBars->GetImageManager()->SetIcon(hIcon, UINT(i + 1));
        hPrevious = hIcon;
    }
    CRect rcExclude = m_rcButton;
    ::MapWindowPoints(hWnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&rcExclude), 2);
    UINT nCommand =
        CKTCommandBars::TrackPopupMenu(pPopup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, rcExclude.left,
                                       rcExclude.bottom, CWnd::FromHandle(hWnd), rcExclude, m_pClient);
    return nCommand >= 1 && nCommand <= arrChildren.size() ? arrChildren[nCommand - 1] : NULL;
}
