// KTControlAction.cpp: shared command state and the sorted set of it.
#include "KTControlAction.h"

#include "KTCommandBars.h"
#include "KTCommandBarsDefs.h"
#include "KTControl.h"
#include "KTControlGalleryItems.h"
#include "KTResourceManager.h"

#include <algorithm>

CKTControlAction::CKTControlAction(CKTControlActions* pActions) : m_pActions(pActions) {}

CKTControlAction::~CKTControlAction() = default;

BOOL CKTControlAction::GetEnabled() const
{
    CKTCommandBars* pCommandBars = m_pActions ? m_pActions->GetCommandBars() : NULL;
    if (pCommandBars && pCommandBars->IsCustomizeMode())
        return TRUE;
    return m_bEnabled;
}

void CKTControlAction::RedrawControls()
{
    for (CKTControl* pControl : m_controls)
        pControl->RedrawParent(FALSE);
}

void CKTControlAction::SetEnabled(BOOL bEnabled)
{
    if (m_bEnabled == bEnabled)
        return;
    m_bEnabled = bEnabled;
    RedrawControls();
}

void CKTControlAction::SetChecked(BOOL bChecked)
{
    if (m_bChecked == bChecked)
        return;
    m_bChecked = bChecked;
    RedrawControls();
}

void CKTControlAction::SetVisible(BOOL bVisible)
{
    if (m_bVisible == bVisible)
        return;
    m_bVisible = bVisible;
    for (CKTControl* pControl : m_controls)
    {
        pControl->OnActionChanged(ktActionVisible);
        pControl->DelayLayoutParent();
    }
}

void CKTControlAction::SetGalleryItems(CKTControlGalleryItems* pItems)
{
    if (m_pGalleryItems == pItems)
        return;
    m_pGalleryItems = pItems;
    for (CKTControl* pControl : m_controls)
        pControl->OnActionChanged(ktActionGalleryItems);
}

void CKTControlAction::SetCaption(LPCSTR lpszCaption)
{
    CString strCaption = lpszCaption;
    int nTab = strCaption.Find('\t');
    if (nTab >= 0)
        strCaption = strCaption.Left(nTab);
    if (strCaption == m_strCaption)
        return;
    for (CKTControl* pControl : m_controls)
        pControl->OnActionChanging(ktActionCaption);
    m_strCaption = strCaption;
    for (CKTControl* pControl : m_controls)
    {
        pControl->OnActionChanged(ktActionCaption);
        pControl->DelayLayoutParent();
    }
}

void CKTControlAction::SetPrompt(LPCSTR lpszPrompt)
{
    CString strPrompt = lpszPrompt;
    int nLineFeed = strPrompt.Find('\n');
    if (nLineFeed < 0)
    {
        m_strDescription = strPrompt;
        return;
    }
    m_strDescription = strPrompt.Left(nLineFeed);
    CString strRest = strPrompt.Mid(nLineFeed + 1);
    int nSecond = strRest.Find('\n');
    m_strTooltip = nSecond < 0 ? strRest : strRest.Left(nSecond);
}

void CKTControlAction::AddControl(CKTControl* pControl)
{
    if (std::find(m_controls.begin(), m_controls.end(), pControl) == m_controls.end())
        m_controls.push_back(pControl);
}

void CKTControlAction::RemoveControl(CKTControl* pControl)
{
    m_controls.erase(std::remove(m_controls.begin(), m_controls.end(), pControl), m_controls.end());
}

CKTControlActions::~CKTControlActions() { RemoveAll(); }

CKTControlAction* CKTControlActions::FindAction(int nId) const
{
    if (nId < 1 || nId > (int)KT_ID_ACTION_MAX)
        return NULL;
    auto it = std::lower_bound(m_actions.begin(), m_actions.end(), nId,
                               [](const CKTSmartPtr<CKTControlAction>& p, int n) { return p->GetID() < n; });
    return it != m_actions.end() && (*it)->GetID() == nId ? it->GetInterface() : NULL;
}

CKTControlAction* CKTControlActions::Add(int nId)
{
    if (CKTControlAction* pExisting = FindAction(nId))
        return pExisting;
    CKTSmartPtr<CKTControlAction> pAction = KTMakeCounted<CKTControlAction>(this);
    pAction->SetID(nId);
    CString strPrompt;
    if (KTResourceManager()->LoadString(&strPrompt, nId))
        pAction->SetPrompt(strPrompt);
    auto it = std::upper_bound(m_actions.begin(), m_actions.end(), nId,
                               [](int n, const CKTSmartPtr<CKTControlAction>& p) { return n < p->GetID(); });
    return m_actions.insert(it, pAction)->GetInterface();
}

void CKTControlActions::RemoveAll()
{
    for (auto& pAction : m_actions)
        while (!pAction->GetControls().empty())
            pAction->GetControls().back()->SetAction(NULL);
    m_actions.clear();
}
