// KTControls.cpp: the controls of a bar: insertion, removal, walks and the duplicate kept for reset.
#include "KTControls.h"

#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControl.h"
#include "KTControlAction.h"
#include "KTWrapSearch.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CKTControls, CCmdTarget)

CKTControls::~CKTControls() { RemoveAll(); }

CKTCommandBars* CKTControls::GetCommandBars() const
{
    for (CKTCommandBar* pBar = m_pParent; pBar; pBar = pBar->GetParentCommandBar())
        if (CKTCommandBars* pCommandBars = pBar->GetCommandBars())
            return pCommandBars;
    return m_pCommandBars;
}

void CKTControls::SetParent(CKTCommandBar* pParent)
{
    m_pParent = pParent;
    if (!m_controls.empty())
        RefreshIndexes();
}

CKTControl* CKTControls::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return NULL;
    return m_controls[nIndex];
}

CKTControl* CKTControls::FindControl(int nId) const
{
    for (const auto& pControl : m_controls)
        if (nId == -1 || pControl->GetID() == nId)
            return pControl;
    return NULL;
}

CKTControl* CKTControls::HitTest(CPoint pt) const
{
    for (const auto& pControl : m_controls)
        if (pControl->IsVisible() && pControl->GetRect().PtInRect(pt))
            return pControl;
    return NULL;
}

int CKTControls::GetNext(int nIndex, int nDirection, BOOL bSkipFocus, BOOL bSkipTemporary, BOOL bNarrowMask) const
{
    // Scrolled out of view still counts: selecting it scrolls it back.
    const DWORD dwIgnored = bNarrowMask ? ktHideScroll : (ktHideScroll | ktHideExpand);
    auto accept = [&](int nNext)
    {
        CKTControl* pControl = m_controls[nNext];
        BOOL bSkip =
            (bSkipFocus && (pControl->GetFlags() & ktFlagSkipFocus)) || (bSkipTemporary && pControl->IsTemporary());
        return pControl->IsVisible(dwIgnored) && !bSkip;
    };
    return KTNextWrapped(nIndex, nDirection, GetCount(), accept);
}

int CKTControls::GetVisibleCount(BOOL bIncludeWrapped) const
{
    const DWORD dwIgnored = bIncludeWrapped ? ktHideWrap : 0;
    return (int)std::count_if(m_controls.begin(), m_controls.end(),
                              [dwIgnored](const CKTSmartPtr<CKTControl>& p) { return p->IsVisible(dwIgnored); });
}

void CKTControls::RefreshIndexes()
{
    for (int i = 0; i < GetCount(); i++)
    {
        m_controls[i]->SetControls(this, i);
        m_controls[i]->SetParent(m_pParent);
    }
    if (m_pParent)
        m_pParent->OnControlsChanged();
}

CKTControl* CKTControls::InsertAt(CKTSmartPtr<CKTControl> pControl, int nBefore)
{
    if (pControl.IsNull())
        return NULL;
    if (nBefore < 0 || nBefore > GetCount())
        nBefore = GetCount();
    m_controls.insert(m_controls.begin() + nBefore, pControl);
    RefreshIndexes();
    OnControlAdded(pControl);
    return pControl;
}

CKTControl* CKTControls::Append(CKTSmartPtr<CKTControl> pControl) { return InsertAt(pControl); }

CKTControl* CKTControls::AddClone(CKTControl* pControl, int nBefore, BOOL bRecursive)
{
    return InsertAt(CKTSmartPtr<CKTControl>::Adopt(pControl->Clone(bRecursive)), nBefore);
}

void CKTControls::AttachAction(CKTControl* pControl, int nId, LPCSTR lpszCaption)
{
    CKTCommandBars* pCommandBars = GetCommandBars();
    CKTControlAction* pAction = pCommandBars ? pCommandBars->FindAction(nId) : NULL;
    if (!pAction && pCommandBars && pCommandBars->IsActionsEnabled() && KTIsActionId(nId))
        pAction = pCommandBars->CreateAction(nId);
    if (pAction)
    {
        pControl->SetAction(pAction);
        if (lpszCaption && pAction->GetCaption().IsEmpty())
            pAction->SetCaption(lpszCaption);
        return;
    }
    pControl->SetID(nId);
    if (lpszCaption)
        pControl->SetCaption(lpszCaption);
}

CKTControl* CKTControls::Add(CKTSmartPtr<CKTControl> pControl, int nId, LPCSTR lpszParameter, int nBefore,
                             BOOL bTemporary)
{
    if (pControl.IsNull())
        return NULL;
    pControl->SetParameter(lpszParameter ? lpszParameter : "");
    pControl->SetTemporary(bTemporary);
    if (!pControl->GetAction())
        AttachAction(pControl, nId, NULL);
    return InsertAt(pControl, nBefore);
}

void CKTControls::Remove(CKTControl* pControl)
{
    auto it = std::find_if(m_controls.begin(), m_controls.end(),
                           [pControl](const CKTSmartPtr<CKTControl>& p) { return p == pControl; });
    if (it == m_controls.end())
        return;
    if (m_pParent && m_pParent->GetSelected() == pControl->GetIndex())
        m_pParent->SetSelected(-1);
    if (ShouldKeep(pControl))
        return;
    CKTSmartPtr<CKTControl> pHold = *it;
    m_controls.erase(it);
    OnControlRemoved(pControl);
}

void CKTControls::OnControlRemoved(CKTControl* pControl)
{
    pControl->SetControls(NULL, 0);
    pControl->SetParent(NULL);
    pControl->OnRemoved();
    RefreshIndexes();
}

// From the last to the first; a removal may take others with it, so the index is checked again each time.
void CKTControls::RemoveAll()
{
    for (int i = GetCount() - 1; i >= 0; i = std::min(i, GetCount()) - 1)
        Remove(m_controls[i]);
}

CKTControls* CKTControls::Duplicate(BOOL bRecursive) const
{
    CKTControls* pDuplicate = static_cast<CKTControls*>(GetRuntimeClass()->CreateObject());
    pDuplicate->m_pCommandBars = GetCommandBars();
    for (const auto& pControl : m_controls)
        if (!pControl->IsTemporary())
            pDuplicate->InsertAt(CKTSmartPtr<CKTControl>::Adopt(pControl->Clone(bRecursive)));
    if (!m_pOriginalControls.IsNull())
        pDuplicate->m_pOriginalControls = CKTSmartPtr<CKTControls>::Adopt(m_pOriginalControls->Duplicate(bRecursive));
    return pDuplicate;
}

void CKTControls::CreateOriginalControls() { m_pOriginalControls = CKTSmartPtr<CKTControls>::Adopt(Duplicate(TRUE)); }

CKTControl* CKTControls::SetControlType(CKTControl* pControl, int nType)
{
    if (KTIsPopupType(pControl->GetType()) && KTIsPopupType(nType))
    {
        pControl->SetType(nType);
        return pControl;
    }
    CKTControl* pNew = Add(nType, 0, NULL, pControl->GetIndex() + 1);
    if (!pNew)
        return NULL;
    pNew->Copy(pControl, FALSE);
    pNew->SetType(KTStoredControlType(nType));
    Remove(pControl);
    return pNew;
}

CKTControl* CKTControls::SetControlTypeAt(int nIndex, int nType)
{
    CKTControl* pControl = GetAt(nIndex);
    return pControl ? SetControlType(pControl, nType) : NULL;
}

BOOL CKTControls::Compare(CKTControls* pOther) const
{
    auto lasting = [](const CKTControls* pControls)
    {
        std::vector<CKTControl*> controls;
        for (const auto& pControl : pControls->m_controls)
            if (!pControl->IsTemporary())
                controls.push_back(pControl);
        return controls;
    };
    std::vector<CKTControl*> mine = lasting(this), theirs = lasting(pOther);
    if (mine.size() != theirs.size())
        return FALSE;
    for (size_t i = 0; i < mine.size(); i++)
        if (!mine[i]->Compare(theirs[i]))
            return FALSE;
    return TRUE;
}

BOOL CKTControls::IsChanged() const { return m_pOriginalControls.IsNull() || !Compare(m_pOriginalControls); }
