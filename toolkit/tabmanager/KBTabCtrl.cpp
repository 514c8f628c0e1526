// KBTabCtrl.cpp: the themed tab control's messages and its painting through the theme.
#include "KBTabCtrl.h"

#include "KBTabBaseTheme.h"
#include "KBTabBaseThemeFactory.h"
#include "KBTabCtrlArrowWnd.h"
#include "KTDrawObjects.h"
#include "KTGlobalAuxData.h"

IMPLEMENT_DYNAMIC(CKBTabCtrl, CTabCtrl)

BEGIN_MESSAGE_MAP(CKBTabCtrl, CTabCtrl)
// int OnCreate(LPCREATESTRUCT lpCreateStruct)
ON_WM_CREATE()
// void OnDestroy()
ON_WM_DESTROY()
// void OnPaint()
ON_WM_PAINT()
// BOOL OnEraseBkgnd(CDC* pDC)
ON_WM_ERASEBKGND()
// void OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
ON_WM_SETTINGCHANGE()
// void OnSysColorChange()
ON_WM_SYSCOLORCHANGE()
// void OnWindowPosChanged(WINDOWPOS* lpwndpos)
ON_WM_WINDOWPOSCHANGED()
// void OnRButtonDown(UINT nFlags, CPoint point)
ON_WM_RBUTTONDOWN()
// void OnSelChanging(NMHDR* pNMHDR, LRESULT* pResult)
ON_NOTIFY_REFLECT(TCN_SELCHANGING, OnSelChanging)
// void OnSelChange(NMHDR* pNMHDR, LRESULT* pResult)
ON_NOTIFY_REFLECT(TCN_SELCHANGE, OnSelChange)
END_MESSAGE_MAP()

CKBTabCtrl::CKBTabCtrl(CRuntimeClass* pThemeFactory)
    : CKBTabBase(this, pThemeFactory ? pThemeFactory : RUNTIME_CLASS(CKBTabBaseThemeFactory))
{
}

CKBTabCtrl::~CKBTabCtrl() = default;

BOOL CKBTabCtrl::PreTranslateMessage(MSG* pMsg) { return TranslateTabKey(pMsg) || CTabCtrl::PreTranslateMessage(pMsg); }

BOOL CKBTabCtrl::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return RouteCommand(nID, nCode, pExtra, pHandlerInfo) || CTabCtrl::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CKBTabCtrl::PreCreateWindow(CREATESTRUCT& cs)
{
    OnPreCreateWindow(this);
    return CTabCtrl::PreCreateWindow(cs);
}

void CKBTabCtrl::PreSubclassWindow()
{
    CTabCtrl::PreSubclassWindow();
    OnPreSubclassWindow(this);
    ApplyFont();
}

int CKBTabCtrl::OnCreate(LPCREATESTRUCT)
{
    if (Default() == -1)
        return -1;
    CKBTabBase::OnCreate(this);
    ApplyFont();
    return 0;
}

void CKBTabCtrl::OnDestroy()
{
    DeleteAllItems(TRUE);
    if (CKBTabCtrlArrowWnd* pArrows = GetArrowWnd(); pArrows && pArrows->GetSafeHwnd())
        pArrows->DestroyWindow();
    CTabCtrl::OnDestroy();
}

void CKBTabCtrl::RefreshTheme()
{
    if (CKBTabBaseTheme* pTheme = GetTheme())
        pTheme->RefreshMetrics();
    ApplyFont();
    Invalidate(TRUE);
}

void CKBTabCtrl::OnSettingChange(UINT, LPCTSTR)
{
    Default();
    RefreshTheme();
}

void CKBTabCtrl::OnSysColorChange()
{
    Default();
    RefreshTheme();
}

void CKBTabCtrl::OnWindowPosChanged(WINDOWPOS*)
{
    OnPositionChanged();
    Default();
    if (IsTruncateCaptions())
        CutCaptions();
}

void CKBTabCtrl::OnRButtonDown(UINT, CPoint point) { TrackPopupMenu(point); }

void CKBTabCtrl::OnSelChanging(NMHDR*, LRESULT* pResult)
{
    CKBTabBase::OnSelChanging();
    *pResult = 0;
}

void CKBTabCtrl::OnSelChange(NMHDR*, LRESULT* pResult)
{
    CKBTabBase::OnSelChange();
    *pResult = 0;
}

void CKBTabCtrl::OnPaint()
{
    CPaintDC paintDC(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CKTBufferDC dc(&paintDC, rcClient);
    Paint(&dc);
}

CRect CKBTabCtrl::GetHeaderRect(const CRect& rcClient) const
{
    CRect rcItem;
    CTabCtrl::GetItemRect(std::max(0, GetCurSel()), &rcItem);
    const DWORD dwStyle = GetStyle();
    const int nRows = GetRowCount();
    CRect rc = rcClient;
    if (dwStyle & TCS_VERTICAL)
    {
        int nDepth = (rcItem.Width() + 1) * nRows;
        (dwStyle & TCS_RIGHT) ? rc.left = rc.right - nDepth : rc.right = rc.left + nDepth;
    }
    else
    {
        int nDepth = (rcItem.Height() + 1) * nRows;
        (dwStyle & TCS_BOTTOM) ? rc.top = rc.bottom - nDepth : rc.bottom = rc.top + nDepth;
    }
    return rc;
}

void CKBTabCtrl::UpdateArrowWnd(CKBTabBaseTheme* pTheme)
{
    const DWORD dwStyle = GetStyle();
    BOOL bShow =
        pTheme && pTheme->ShowsArrows() && !(dwStyle & (TCS_VERTICAL | TCS_MULTILINE)) && !IsTruncateCaptions();
    GetArrowWnd()->Update(bShow);
}

void CKBTabCtrl::Paint(CDC* pDC)
{
    CKBTabBaseTheme* pTheme = GetTheme();
    CRect rcClient;
    GetClientRect(&rcClient);
    if (!pTheme)
        return;
    pDC->FillSolidRect(rcClient, pTheme->m_clrPage);
    const DWORD dwStyle = GetStyle();
    if (pTheme->PaintsNatively(dwStyle))
    {
        UpdateArrowWnd(pTheme);
        DefWindowProc(WM_PAINT, WPARAM(pDC->GetSafeHdc()), 0);
        return;
    }
    pTheme->DrawControlBorder(pDC, rcClient);
    if (CTabCtrl::GetItemCount() > 0)
    {
        const int nPosition = CKBTabBaseTheme::PositionOf(dwStyle);
        pTheme->DrawHeader(pDC, GetHeaderRect(rcClient), nPosition, rcClient);
        const int nSelected = GetCurSel();
        for (int i = 0; i < CTabCtrl::GetItemCount(); ++i)
            DrawTabItem(pDC, pTheme, i, i == nSelected, rcClient);
        // Drawn again so that it lies over its neighbours.
        if (nSelected >= 0)
            DrawTabItem(pDC, pTheme, nSelected, TRUE, rcClient);
    }
    UpdateArrowWnd(pTheme);
    if (m_bChildFrame)
    {
        CRect rcChild = GetChildRect();
        rcChild.InflateRect(1, 1);
        pTheme->DrawChildFrame(pDC, rcChild);
    }
}

void CKBTabCtrl::DrawTabItem(CDC* pDC, CKBTabBaseTheme* pTheme, int nIndex, BOOL bSelected, const CRect& rcClient)
{
    CRect rcTab;
    if (!CTabCtrl::GetItemRect(nIndex, &rcTab))
        return;
    const DWORD dwStyle = GetStyle();
    pTheme->DrawTab(pDC, rcTab, bSelected, CKBTabBaseTheme::PositionOf(dwStyle), rcClient);
    char szText[257] = {};
    TCITEM tci = {};
    tci.mask = TCIF_TEXT | TCIF_IMAGE;
    tci.pszText = szText;
    tci.cchTextMax = 256;
    CTabCtrl::GetItem(nIndex, &tci);
    if (CImageList* pImages = GetImageList(); pImages && tci.iImage >= 0)
    {
        pImages->Draw(pDC, tci.iImage, CPoint(rcTab.left + 4, rcTab.top + (rcTab.Height() - 16) / 2), ILD_TRANSPARENT);
        rcTab.left += 20;
    }
    if (!szText[0])
        return;
    CKTGlobalAuxData* pData = KTGlobalAuxData();
    const BOOL bVertical = (dwStyle & TCS_VERTICAL) != 0;
    const BOOL bBold = bSelected && m_bBoldCaption;
    CFont& font =
        bVertical ? (bBold ? pData->fntVertBold : pData->fntVert) : (bBold ? pData->fntBold : pData->fntNormal);
    CKTFontDC fontDC(pDC, &font, bSelected ? pTheme->m_clrTextSelected : pTheme->m_clrTextNormal);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    if (bVertical)
    {
        // Turned text runs down from its origin: centre it by its measured extent.
        CSize sz = pDC->GetTextExtent(szText);
        CRect rcText(rcTab.left + (rcTab.Width() + sz.cy) / 2, rcTab.top + (rcTab.Height() - sz.cx) / 2, rcTab.right,
                     rcTab.bottom);
        pDC->DrawText(szText, rcText, DT_SINGLELINE | DT_NOCLIP);
    }
    else
        pDC->DrawText(szText, rcTab, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    pDC->SetBkMode(nOldMode);
}
