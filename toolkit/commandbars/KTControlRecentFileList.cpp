// KTControlRecentFileList.cpp: the recent-file place holder turns into "&1 name" items.
#include "KTControlRecentFileList.h"

#include "KTCommandBar.h"
#include "KTCommandBarsDefs.h"
#include "KTControlWindowList.h"
#include "KTControls.h"

#include <afxadv.h>

IMPLEMENT_DYNCREATE(CKTControlRecentFileList, CKTControlButton)

void CKTControlRecentFileList::RemoveItems(int nListSize)
{
    CKTControls* pControls = m_pParent->GetControls();
    while (CKTControl* pNext = pControls->GetAt(m_nIndex + 1))
    {
        UINT nId = (UINT)pNext->GetID();
        if (!pNext->IsTemporary() || nId < KT_ID_FILE_MRU_FIRST || nId >= KT_ID_FILE_MRU_FIRST + (UINT)nListSize)
            return;
        pControls->Remove(pNext);
    }
}

void CKTControlRecentFileList::OnCalcDynamicSize(DWORD)
{
    CWinApp* pApp = AfxGetApp();
    CRecentFileList* pList = pApp ? pApp->m_pRecentFileList : NULL;
    if (!pList || !m_pParent || pList->GetSize() == 0)
        return;
    RemoveItems(pList->GetSize());
    if (IsCustomizeMode() || (*pList)[0].IsEmpty())
    {
        SetHideFlags(0);
        SetEnabled(IsCustomizeMode());
        return;
    }
    SetHideFlag(ktHideGeneric, TRUE);
    char szFolder[MAX_PATH + 1] = "";
    ::GetCurrentDirectory(MAX_PATH, szFolder);
    CString strFolder = CString(szFolder) + "\\";
    CString strName;
    for (int i = 0; i < pList->GetSize() && pList->GetDisplayName(strName, i, strFolder, strFolder.GetLength(), TRUE);
         i++)
    {
        // Made as plain buttons: the factory would make place holders again for these ids.
        CKTControl* pItem = m_pParent->GetControls()->Add(KTMakeCounted<CKTControlButton>(), KT_ID_FILE_MRU_FIRST + i,
                                                          NULL, m_nIndex + 1 + i, TRUE);
        pItem->SetCaption(CKTControlWindowList::ConstructCaption(strName, i + 1));
        pItem->SetFlags(pItem->GetFlags() | 8);
        if (i == 0)
            pItem->SetBeginGroup(m_nIndex > 0);
    }
}
