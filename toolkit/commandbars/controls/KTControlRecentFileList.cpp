// KTControlRecentFileList.cpp: the recent-file place holder turns into "&1 name" items.
#include "KTControlRecentFileList.h"

#include "KTCommandBar.h"
#include "KTCommandBarsDefs.h"
#include "KTControlWindowList.h"
#include "KTControls.h"

#include <afxadv.h>

IMPLEMENT_DYNCREATE(CKTControlRecentFileList, CKTControlListPlaceholder)

namespace
{
// The numbered items of the list as it stood last time.
BOOL IsRecentFileItem(CKTControl* pItem, int nListSize)
{
    const UINT nId = (UINT)pItem->GetID();
    return nId >= KT_ID_FILE_MRU_FIRST && nId < KT_ID_FILE_MRU_FIRST + (UINT)nListSize;
}
}  // namespace

void CKTControlRecentFileList::OnCalcDynamicSize(DWORD)
{
    CWinApp* pApp = AfxGetApp();
    CRecentFileList* pList = pApp ? pApp->m_pRecentFileList : NULL;
    if (!pList || !m_pParent || pList->GetSize() == 0)
        return;
    const int nListSize = pList->GetSize();
    RemoveListItems([nListSize](CKTControl* pItem) { return IsRecentFileItem(pItem, nListSize); });
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
        pItem->SetFlags(pItem->GetFlags() | ktFlagManualUpdate | (i == 0 ? (m_dwFlags & ktFlagWrapRow) : 0));
        if (i == 0)
            pItem->SetBeginGroup(m_nIndex > 0);
    }
}
