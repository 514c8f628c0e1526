// KTCommandBar.cpp: a bar's controls, managers, site, painting and its menu loading.
#include "KTCommandBar.h"

#include "KTAccessible.h"
#include "KTBarDropTarget.h"
#include "KTCommandBarAnimator.h"
#include "KTCommandBars.h"
#include "KTCommandBarsOptions.h"
#include "KTControl.h"
#include "KTControls.h"
#include "KTCustomizeDropSource.h"
#include "KTCustomizeMode.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"
#include "KTImageManager.h"
#include "KTKeyboardTips.h"
#include "KTMouseHookManager.h"
#include "KTPaintManager.h"
#include "KTWindowHookManager.h"

#include <afxpriv.h>

IMPLEMENT_DYNCREATE(CKTCommandBar, CWnd)

BEGIN_MESSAGE_MAP(CKTCommandBar, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_PRINT, OnPrintClient)
ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_NCMOUSEMOVE()
ON_WM_NCHITTEST()
ON_WM_NCLBUTTONDOWN()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_RBUTTONDOWN()
ON_WM_RBUTTONUP()
ON_WM_TIMER()
ON_WM_SETCURSOR()
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdate)
ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
ON_MESSAGE(WM_GETOBJECT, OnGetObject)
END_MESSAGE_MAP()

CKTCommandBar::CKTCommandBar()
    : m_hookSink(this), m_pAnimator(new CKTCommandBarAnimator(this)), m_pDropTarget(new CKTBarDropTarget(this))
{
    SetControls(CKTSmartPtr<CKTControls>::Adopt(new CKTControls));
}

CKTCommandBar::~CKTCommandBar()
{
    if (GetSafeHwnd())
        DestroyWindow();
    if (m_nTrackingMode != ktTrackingNone)
        SetTrackingMode(ktTrackingNone);
    CKTWindowHookManager::Instance()->RemoveAll(&m_hookSink);
    CKTMouseHookManager::Instance()->ForgetBar(this);
    SetControls(NULL);
}

void CKTCommandBar::SetControls(CKTControls* pControls)
{
    if (!m_pControls.IsNull())
    {
        m_pControls->RemoveAll();
        m_pControls->SetParent(NULL);
    }
    m_pControls = pControls;
    if (!m_pControls.IsNull())
        m_pControls->SetParent(this);
}

int CKTCommandBar::GetControlCount() const { return m_pControls.IsNull() ? 0 : m_pControls->GetCount(); }

CKTControl* CKTCommandBar::GetControl(int nIndex) const
{
    return m_pControls.IsNull() ? NULL : m_pControls->GetAt(nIndex);
}

CKTCommandBars* CKTCommandBar::GetCommandBars() const
{
    for (const CKTCommandBar* pBar = this; pBar; pBar = pBar->GetParentCommandBar())
        if (pBar->m_pCommandBars)
            return pBar->m_pCommandBars;
    return NULL;
}

CKTCommandBar* CKTCommandBar::GetRootParent() const
{
    const CKTCommandBar* pBar = this;
    while (CKTCommandBar* pParent = pBar->GetParentCommandBar())
        pBar = pParent;
    return const_cast<CKTCommandBar*>(pBar);
}

CKTPaintManager* CKTCommandBar::GetPaintManager() const
{
    if (!m_pPaintManager.IsNull())
        return m_pPaintManager;
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        return pCommandBars->GetPaintManager();
    CKTCommandBar* pRoot = GetRootParent();
    if (pRoot != this && !pRoot->m_pPaintManager.IsNull())
        return pRoot->m_pPaintManager;
    return CKTPaintManager::GetGlobal();
}

void CKTCommandBar::SetPaintManager(CKTPaintManager* pPaintManager) { m_pPaintManager = pPaintManager; }

CKTImageManager* CKTCommandBar::GetImageManager() const
{
    if (m_pImageManager)
        return m_pImageManager.get();
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        return pCommandBars->GetImageManager();
    CKTCommandBar* pRoot = GetRootParent();
    if (pRoot != this && pRoot->m_pImageManager)
        return pRoot->m_pImageManager.get();
    return KTImageManager();
}

void CKTCommandBar::SetImageManager(std::unique_ptr<CKTImageManager> pImageManager)
{
    m_pImageManager = std::move(pImageManager);
}

CWnd* CKTCommandBar::GetSite() const
{
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        return pCommandBars->GetSite();
    CKTCommandBar* pRoot = GetRootParent();
    if (pRoot->m_pPopupOwner)
        return pRoot->m_pPopupOwner;
    if (!pRoot->GetSafeHwnd())
        return AfxGetMainWnd();
    HWND hWndOwner = ::GetWindow(pRoot->GetSafeHwnd(), GW_OWNER);
    return CWnd::FromHandle(hWndOwner ? hWndOwner : ::GetParent(pRoot->GetSafeHwnd()));
}

CWnd* CKTCommandBar::GetOwnerSite() const
{
    for (const CKTCommandBar* pBar = this; pBar; pBar = pBar->GetParentCommandBar())
        if (pBar->m_pCommandOwner)
            return pBar->m_pCommandOwner;
    for (const CKTCommandBar* pBar = this; pBar; pBar = pBar->GetParentCommandBar())
        if (pBar->m_hWndOwner)
            return CWnd::FromHandle(pBar->m_hWndOwner);
    return GetSite();
}

CFrameWnd* CKTCommandBar::GetFrameSite() const { return dynamic_cast<CFrameWnd*>(GetSite()); }

BOOL CKTCommandBar::IsCustomizeMode() const
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    return pCommandBars && pCommandBars->IsCustomizeMode();
}

BOOL CKTCommandBar::SetPosition(int nPosition)
{
    m_nBarPosition = nPosition;
    return TRUE;
}

void CKTCommandBar::SetShowGripper(BOOL bShow)
{
    m_dwStyle = bShow ? (m_dwStyle | CBRS_GRIPPER) : (m_dwStyle & ~CBRS_GRIPPER);
}

void CKTCommandBar::SetTitle(LPCSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    Redraw(NULL, TRUE);
}

void CKTCommandBar::SetVisible(BOOL bVisible)
{
    m_bVisible = bVisible;
    if (GetSafeHwnd())
        ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
}

BOOL CKTCommandBar::IsKeyboardCuesVisible() const
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    return !pCommandBars || pCommandBars->IsKeyboardCuesVisible();
}

namespace
{
CSize FirstSet(CSize sz, CSize szElse) { return sz.cx > 0 ? sz : szElse; }
CSize Twice(CSize sz) { return CSize(2 * sz.cx, 2 * sz.cy); }
}  // namespace

CSize CKTCommandBar::GetIconSize() const
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return FirstSet(m_szIcons, CSize(16, 16));
    const CKTCommandBarsOptions* pOptions = pCommandBars->GetCommandBarsOptions();
    const CSize szAuto = GetPaintManager()->GetAutoIconSize(FALSE);
    if (IsPopupBar())
        return FirstSet(m_szIcons, FirstSet(pOptions->szPopupIcons, szAuto));
    if (pOptions->bLargeIcons && m_szButtons.cx <= 0)
        return FirstSet(pOptions->szLargeIcons, GetPaintManager()->GetAutoIconSize(TRUE));
    return FirstSet(m_szIcons, FirstSet(pOptions->szIcons, szAuto));
}

CSize CKTCommandBar::GetLargeIconSize(BOOL bAutomatic) const
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (!pCommandBars)
        return Twice(FirstSet(m_szIcons, CSize(16, 16)));
    const CKTCommandBarsOptions* pOptions = pCommandBars->GetCommandBarsOptions();
    const CSize szBase = FirstSet(m_szIcons, FirstSet(pOptions->szIcons, CSize(16, 16)));
    if (m_szButtons.cx > 0)
        return szBase;
    if (pOptions->szLargeIcons.cx > 0)
        return pOptions->szLargeIcons;
    return bAutomatic ? GetPaintManager()->GetAutoIconSize(TRUE) : Twice(szBase);
}

CSize CKTCommandBar::GetButtonSize() const
{
    if (m_szButtons.cx > 0)
        return m_szButtons;
    CSize szIcon = GetIconSize();
    return CSize(szIcon.cx + 6, szIcon.cy + 6);
}

int CKTCommandBar::IsPointInside(int x, int y) const
{
    CRect rc = CKTWindowRect(this);
    if (!rc.PtInRect(CPoint(x, y)))
        return 0;
    // A popup of a shaped window counts only inside its region.
    CRgn rgn;
    if (m_nBarPosition != ktBarPopup || !rgn.CreateRectRgn(0, 0, 0, 0) || ::GetWindowRgn(m_hWnd, rgn) == ERROR)
        return 1;
    return rgn.PtInRegion(x - rc.left, y - rc.top) ? 1 : 0;
}

void CKTCommandBar::OnControlsChanged()
{
    ForgetSelection();
    DelayLayout();
}

void CKTCommandBar::OnThemeChanged()
{
    for (int i = 0; i < GetControlCount(); i++)
        GetControl(i)->OnThemeChanged();
}

void CKTCommandBar::ForgetSelection()
{
    m_nSelected = -1;
    m_nPopuped = -1;
    // Found by its own state, since its index may now name another control.
    for (int i = 0; i < m_pControls->GetCount(); i++)
    {
        CKTControl* pControl = m_pControls->GetAt(i);
        if (pControl->GetSelected() != ktSelectionNone)
            pControl->OnSetSelected(ktSelectionNone);
    }
}

BOOL CKTCommandBar::LoadMenu(CMenu* pMenu, BOOL bRemoveAll)
{
    if (!pMenu || !::IsMenu(pMenu->GetSafeHmenu()))
        return FALSE;
    if (bRemoveAll)
        m_pControls->RemoveAll();
    BOOL bBeginGroup = FALSE;
    for (int i = 0; i < (int)pMenu->GetMenuItemCount(); i++)
    {
        MENUITEMINFO info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE;
        pMenu->GetMenuItemInfo(i, &info, TRUE);
        if (info.fType & MFT_SEPARATOR)
        {
            bBeginGroup = TRUE;
            continue;
        }
        CKTControl* pControl = m_pControls->AddMenuItem(pMenu, i);
        if (!pControl)
            continue;
        if (info.fType & (MFT_MENUBREAK | MFT_MENUBARBREAK))
        {
            pControl->SetFlags(pControl->GetFlags() | ktFlagWrapRow);
            bBeginGroup = TRUE;
        }
        pControl->SetBeginGroup(bBeginGroup);
        bBeginGroup = FALSE;
        if (!pControl->GetAction())
        {
            pControl->SetChecked((info.fState & MFS_CHECKED) ? 1 : 0);
            if (info.fState & (MFS_DISABLED | MFS_GRAYED))
                pControl->SetEnabled(FALSE);
        }
    }
    if (CFrameWnd* pFrame = GetFrameSite())
        pFrame->m_nIdleFlags |= CFrameWnd::idleNotify | CFrameWnd::idleLayout;
    return TRUE;
}

CSize CKTCommandBar::CalcDynamicLayout(int nLength, DWORD dwMode) { return CSize(0, 0); }

void CKTCommandBar::OnRecalcLayout() {}

void CKTCommandBar::Redraw(LPCRECT lpRect, BOOL bAnimate)
{
    if (m_nLockRedraw > 0)
    {
        DelayRedraw();
        return;
    }
    if (!lpRect)
        m_dwPendingUpdate &= ~ktPendingRedraw;
    if (GetSafeHwnd() && IsWindowVisible())
        m_pAnimator->Redraw(lpRect, bAnimate);
}

void CKTCommandBar::RedrawWithParents()
{
    for (CKTCommandBar* pBar = this; pBar; pBar = pBar->GetParentCommandBar())
        pBar->Redraw(NULL, TRUE);
}

void CKTCommandBar::HideKeyboardTips()
{
    if (CKTCommandBars* pCommandBars = GetCommandBars())
        pCommandBars->GetKeyboardTips()->Hide();
}

void CKTCommandBar::EnableAnimation(BOOL bEnable)
{
    m_pAnimator->EnableAnimation(bEnable);
    Redraw(NULL, TRUE);
}

BOOL CKTCommandBar::IsAnimationEnabled() const { return m_pAnimator->IsAnimationEnabled(); }

void CKTCommandBar::EnableDoubleBuffer(BOOL bEnable) { m_pAnimator->EnableDoubleBuffer(bEnable); }

BOOL CKTCommandBar::HasPaintCache() const { return m_pAnimator->HasCache(); }

void CKTCommandBar::UnlockRedraw()
{
    if (--m_nLockRedraw == 0 && (m_dwPendingUpdate & ktPendingRedraw))
        Redraw(NULL, TRUE);
}

void CKTCommandBar::FillCommandBarEntry(CDC* pDC) { GetPaintManager()->FillCommandBarEntry(pDC, this); }

void CKTCommandBar::DrawCommandBar(CDC* pDC, CRect rcClipBox)
{
    CKTPaintManager* pPaintManager = GetPaintManager();
    FillCommandBarEntry(pDC);
    if (GetShowGripper() || m_nBarPosition == ktBarFloating)
        pPaintManager->DrawCommandBarGripper(pDC, this, TRUE);
    pDC->SetBkMode(TRANSPARENT);
    DrawControls(pDC, rcClipBox);
    DrawCustomizeMarks(pDC);
}

void CKTCommandBar::DrawControls(CDC* pDC, CRect rcClipBox)
{
    CKTPaintManager* pPaintManager = GetPaintManager();
    BOOL bFirst = TRUE;
    for (int i = 0; i < GetControlCount(); i++)
    {
        CKTControl* pControl = GetControl(i);
        if (!pControl->IsVisible())
            continue;
        if (pControl->GetBeginGroup() && !bFirst)
            pPaintManager->DrawCommandBarSeparator(pDC, this, pControl, TRUE);
        bFirst = FALSE;
        CRect rcIntersect;
        if (!rcIntersect.IntersectRect(rcClipBox, pControl->GetRect()))
            continue;
        CKTFontDC font(pDC, pPaintManager->GetControlFont(pControl, pControl->IsItemDefault()));
        pControl->Draw(pDC);
    }
}

BOOL CKTCommandBar::CreateBarWindow(LPCSTR lpszClass, CWnd* pParent, UINT nId)
{
    CKTDrawHelpers::RegisterWndClass(NULL, lpszClass, CS_DBLCLKS);
    // Fields and hosted windows stand on the bar: its painting goes round them.
    return CreateEx(0, lpszClass, m_strTitle, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                    CRect(0, 0, 0, 0), pParent, nId);
}

void CKTCommandBar::OnRemoved()
{
    if (m_nTrackingMode != ktTrackingNone)
        SetTrackingMode(ktTrackingNone);
    CKTWindowHookManager::Instance()->RemoveAll(&m_hookSink);
    CKTMouseHookManager::Instance()->ForgetBar(this);
    m_pControls->RemoveAll();
    if (GetSafeHwnd())
        DestroyWindow();
}

void CKTCommandBar::Copy(CKTCommandBar* pFrom, BOOL bRecursive)
{
    m_nBarType = pFrom->m_nBarType;
    m_nBarPosition = pFrom->m_nBarPosition;
    m_nBarID = pFrom->m_nBarID;
    m_dwFlags = pFrom->m_dwFlags;
    m_dwStyle = pFrom->m_dwStyle;
    m_strTitle = pFrom->m_strTitle;
    m_bCustomizable = pFrom->m_bCustomizable;
    m_nMRUWidth = pFrom->m_nMRUWidth;
    m_pCommandBars = pFrom->m_pCommandBars;
    SetControls(CKTSmartPtr<CKTControls>::Adopt(pFrom->m_pControls->Duplicate(bRecursive)));
}

CKTCommandBar* CKTCommandBar::Clone(BOOL bRecursive)
{
    CKTCommandBar* pClone = static_cast<CKTCommandBar*>(GetRuntimeClass()->CreateObject());
    pClone->Copy(this, bRecursive);
    return pClone;
}

void CKTCommandBar::OnDestroy()
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    if (pCommandBars && m_nBarPosition != ktBarListBox)
        pCommandBars->GetCustomize()->GetDropSource()->Unregister(this);
    if (m_nTrackingMode != ktTrackingNone)
        SetTrackingMode(ktTrackingNone, TRUE, FALSE);
    m_pAnimator->OnDestroyWindow();
    CWnd::OnDestroy();
}

void CKTCommandBar::OnPaint()
{
    CPaintDC dc(this);
    m_pAnimator->OnPaint(dc);
}

BOOL CKTCommandBar::OnEraseBkgnd(CDC*) { return TRUE; }

LRESULT CKTCommandBar::OnPrintClient(WPARAM wParam, LPARAM)
{
    DrawCommandBar(CDC::FromHandle((HDC)wParam), CKTClientRect(this));
    return 1;
}
