// KTCommandBarToolBarResource.cpp: a bar's buttons from a tool-bar resource: a version, the button size and the ids.
#include "KTCommandBar.h"

#include "KTControl.h"
#include "KTControls.h"
#include "KTImageManager.h"

#include <vector>

namespace
{
const WORD KT_TOOLBAR_VERSION = 1;

// The resource's ids, 0 for a separator; empty when it is missing, of another version or cut short.
std::vector<UINT> ReadToolBarResource(UINT nId, CSize& szButton)
{
    HINSTANCE hInstance = AfxGetResourceHandle();
    HRSRC hResource = ::FindResource(hInstance, MAKEINTRESOURCE(nId), MAKEINTRESOURCE(241));
    HGLOBAL hData = hResource ? ::LoadResource(hInstance, hResource) : NULL;
    const WORD* pWords = hData ? static_cast<const WORD*>(::LockResource(hData)) : NULL;
    DWORD dwSize = hResource ? ::SizeofResource(hInstance, hResource) : 0;
    if (!pWords || dwSize < 4 * sizeof(WORD) || pWords[0] != KT_TOOLBAR_VERSION ||
        dwSize < (4 + (DWORD)pWords[3]) * sizeof(WORD))
        return {};
    szButton = CSize(pWords[1], pWords[2]);
    return std::vector<UINT>(pWords + 4, pWords + 4 + pWords[3]);
}
}  // namespace

void CKTCommandBar::SetButtons(const UINT* pIds, int nCount)
{
    m_pControls->RemoveAll();
    BOOL bBeginGroup = FALSE;
    for (int i = 0; i < nCount; i++)
    {
        if (pIds[i] == 0)
        {
            bBeginGroup = TRUE;
            continue;
        }
        KT_CONTROLCREATION cs;
        cs.nId = pIds[i];
        cs.nIndex = i;
        cs.nType = ktControlButton;
        cs.pCommandBar = this;
        cs.strCaption = m_strTitle;
        CKTControl* pControl = AddButton(cs);
        if (pControl && bBeginGroup)
            pControl->SetBeginGroup(TRUE);
        bBeginGroup = FALSE;
        CWnd* pSite = GetSite();
        if (pControl && pSite && pSite->GetSafeHwnd())
            pSite->SendMessage(KTWM_CONTROLCREATED, 0, (LPARAM)&cs);
    }
}

CKTControl* CKTCommandBar::AddButton(KT_CONTROLCREATION& cs)
{
    // The site may put a control of its own in the button's place, or ask for another type or style.
    // A control put in the record counts whatever the answer, or it would be lost.
    CWnd* pSite = GetSite();
    if (pSite && pSite->GetSafeHwnd())
        pSite->SendMessage(KTWM_CREATECONTROL, 0, (LPARAM)&cs);
    if (cs.pControl)
        return m_pControls->InsertAt(CKTSmartPtr<CKTControl>::Adopt(cs.pControl));
    cs.pControl = m_pControls->Add(cs.nType, (int)cs.nId);
    if (!cs.pControl)
        return NULL;
    if (cs.nStyle != 0)
    {
        cs.pControl->SetStyle(cs.nStyle);
        cs.pControl->DelayLayoutParent();
    }
    if (cs.nType == ktControlPopup)
        cs.pControl->SetIconId((int)cs.nId);
    return cs.pControl;
}

BOOL CKTCommandBar::LoadToolBar(UINT nId, BOOL bLoadImages)
{
    m_pControls->RemoveAll();
    CSize szButton;
    std::vector<UINT> ids = ReadToolBarResource(nId, szButton);
    if (ids.empty())
        return FALSE;
    SetButtons(ids.data(), (int)ids.size());
    if (!bLoadImages)
        return TRUE;
    if (!GetImageManager()->SetIcons(nId, ids.data(), (int)ids.size(), szButton))
        return FALSE;
    if (szButton.cx != 16)
        m_szIcons = szButton;
    return TRUE;
}
