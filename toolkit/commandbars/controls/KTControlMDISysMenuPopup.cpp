// KTControlMDISysMenuPopup.cpp: the child's icon control and its system-menu popup.
#include "KTControlMDISysMenuPopup.h"

#include "KTControls.h"
#include "KTImageManager.h"
#include "KTResourceManager.h"

IMPLEMENT_DYNCREATE(CKTMDISysMenuPopupBar, CKTPopupBar)
IMPLEMENT_DYNCREATE(CKTControlMDISysMenuPopup, CKTControlPopup)

namespace
{
const UINT KTWM_GETMDICHILDICON = 0x2860;
const UINT KT_FIRST_SYSCOMMAND = 0xF000, KT_END_SYSCOMMAND = 0xF1F0;
const UINT KT_FIRST_SYSCOMMAND_PROMPT = 0xEF00;
const int KT_ICON_WIDTH = 16;

HICON AskChildIcon(HWND hChild)
{
    if (HICON hIcon = (HICON)::SendMessage(hChild, KTWM_GETMDICHILDICON, 0, 0))
        return hIcon;
    if (HICON hIcon = (HICON)::SendMessage(hChild, WM_GETICON, ICON_SMALL, 0))
        return hIcon;
    if (HICON hIcon = (HICON)::SendMessage(hChild, WM_GETICON, ICON_BIG, 0))
        return hIcon;
    if (HICON hIcon = (HICON)::GetClassLongPtr(hChild, GCLP_HICONSM))
        return hIcon;
    return ::LoadIcon(NULL, IDI_WINLOGO);
}
}  // namespace

CKTControlMDISysMenuPopup::CKTControlMDISysMenuPopup()
{
    m_dwFlags |= ktFlagManualUpdate | ktFlagNoMovable;
    m_strCaption = "-";  // so that Alt+'-' opens it
}

CKTSmartPtr<CKTControlMDISysMenuPopup> CKTControlMDISysMenuPopup::Create(CKTCommandBars* pCommandBars, HWND hChild,
                                                                         HMENU hSysMenu)
{
    CKTSmartPtr<CKTControlMDISysMenuPopup> pControl = KTMakeCounted<CKTControlMDISysMenuPopup>();
    CKTSmartPtr<CKTMDISysMenuPopupBar> pBar = KTMakeCounted<CKTMDISysMenuPopupBar>();
    pBar->SetCommandBars(pCommandBars);
    pBar->SetCustomizable(FALSE);
    pControl->SetCommandBar(pBar);
    pControl->Rebuild(hChild, hSysMenu);
    return pControl;
}

CKTControlMDISysMenuPopup::CIconPtr CKTControlMDISysMenuPopup::TakeChildIcon(HWND hChild)
{
    HICON hIcon = AskChildIcon(hChild);
    return CIconPtr(CKTImageManagerIcon::ScaleToFit(hIcon, CKTImageManagerIcon::GetExtent(hIcon), KT_ICON_WIDTH));
}

void CKTControlMDISysMenuPopup::Rebuild(HWND hChild, HMENU hSysMenu)
{
    m_hChild = hChild;
    m_hSysMenu = hSysMenu;
    m_pIcon = TakeChildIcon(hChild);
    CKTControls* pItems = GetCommandBar()->GetControls();
    pItems->RemoveAll();
    CMenu* pMenu = CMenu::FromHandle(hSysMenu);
    BOOL bBeginGroup = FALSE;
    const int nCount = (int)pMenu->GetMenuItemCount();
    for (int i = 0; i < nCount; i++)
    {
        const UINT nId = pMenu->GetMenuItemID(i);
        if (nId == 0)
        {
            bBeginGroup = TRUE;
            continue;
        }
        if (nId >= KT_FIRST_SYSCOMMAND && nId < KT_END_SYSCOMMAND)
            AddSystemCommand(pMenu, i, nId);
        else
            pItems->AddMenuItem(pMenu, i);
        if (bBeginGroup && pItems->GetCount() > 0)
            pItems->GetAt(pItems->GetCount() - 1)->SetBeginGroup(TRUE);
        bBeginGroup = FALSE;
    }
}

void CKTControlMDISysMenuPopup::AddSystemCommand(CMenu* pMenu, int nIndex, UINT nId)
{
    CKTControl* pItem = GetCommandBar()->GetControls()->Add(ktControlButton, (int)nId);
    pItem->SetFlags(pItem->GetFlags() | ktFlagManualUpdate);
    CString strCaption;
    pMenu->GetMenuString(nIndex, strCaption, MF_BYPOSITION);
    pItem->SetCaption(strCaption);
    CString strPrompt;
    if (KTResourceManager()->LoadString(&strPrompt, ((nId - KT_FIRST_SYSCOMMAND) >> 4) + KT_FIRST_SYSCOMMAND_PROMPT))
        pItem->SetDescription(strPrompt);
    pItem->SetItemDefault(::GetMenuDefaultItem(pMenu->GetSafeHmenu(), TRUE, GMDI_USEDISABLED) == (UINT)nIndex);
    pItem->SetEnabled(!(pMenu->GetMenuState(nIndex, MF_BYPOSITION) & MF_DISABLED));
}

void CKTControlMDISysMenuPopup::Draw(CDC* pDC)
{
    if (!m_pIcon)
        return;
    const CRect rc = GetRect();
    ::DrawState(pDC->GetSafeHdc(), NULL, NULL, (LPARAM)m_pIcon.get(), 0, rc.left, rc.top, KT_ICON_WIDTH, KT_ICON_WIDTH,
                DST_ICON);
}
