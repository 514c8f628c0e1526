// KTTabClientDropTarget.cpp: an OLE drag over the tabs activates the hovered tab's child.
#include "KTTabClientDropTarget.h"

#include "KTTabClientWnd.h"

DROPEFFECT CKTTabClientDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return OnDragOver(pWnd, pDataObject, dwKeyState, point);
}

DROPEFFECT CKTTabClientDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint point)
{
    if (!m_pClient->GetPaintManager()->m_bSelectOnDragOver)
        return DROPEFFECT_NONE;
    for (int i = 0; i < m_pClient->GetGroupCount(); i++)
    {
        CKTTabClientGroup* pGroup = m_pClient->GetGroup(i);
        CKTTabManagerItem* pItem = pGroup->HitTest(point);
        if (!pItem)
            continue;
        if (pItem != pGroup->GetSelectedItem())
            m_pClient->SendMessage(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pItem->GetHandle()));
        break;
    }
    return DROPEFFECT_NONE;
}
