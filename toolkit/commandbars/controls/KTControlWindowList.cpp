// KTControlWindowList.cpp: numbered captions for generated items, and the window list's items.
#include "KTControlWindowList.h"

#include "KTCommandBar.h"
#include "KTCommandBars.h"
#include "KTControls.h"
#include "KTResourceManager.h"

IMPLEMENT_DYNCREATE(CKTControlWindowList, CKTControlListPlaceholder)

UINT CKTControlWindowList::s_nFirstChildId = KT_ID_FIRST_MDICHILD;
BOOL CKTControlWindowList::s_bRadioItems = FALSE;

namespace
{
const int kMaxWindowItems = 9;
// The help and prompt of a window item.
const UINT kWindowItemHelpId = 0xEF1F;
// The frame numbers its children from the first id on; hidden ones leave gaps between the listed ones.
const UINT kChildIdSpan = 0x2F;
}  // namespace

CString CKTControlWindowList::ConstructCaption(const CString& strTitle, int nNumber)
{
    CString strEscaped;
    for (int i = 0; i < strTitle.GetLength(); i++)
    {
        char ch = strTitle[i];
        if (::IsDBCSLeadByte((BYTE)ch) && i + 1 < strTitle.GetLength())
        {
            strEscaped += ch;
            strEscaped += strTitle[++i];
            continue;
        }
        if (ch == '&')
            strEscaped += '&';
        strEscaped += ch;
    }
    CString strCaption;
    if (nNumber == 0)
        return strEscaped;
    if (nNumber < 10)
        strCaption.Format("&%i %s", nNumber, (LPCSTR)strEscaped);
    else if (nNumber == 10)
        strCaption.Format("1&0 %s", (LPCSTR)strEscaped);
    else
        strCaption.Format("%i %s", nNumber, (LPCSTR)strEscaped);
    return strCaption;
}

void CKTControlWindowList::OnCalcDynamicSize(DWORD)
{
    if (!m_pParent)
        return;
    const UINT nFirst = s_nFirstChildId;
    auto isItem = [nFirst](CKTControl* pItem)
    { return (UINT)pItem->GetID() >= nFirst && (UINT)pItem->GetID() < nFirst + kChildIdSpan; };
    CKTCommandBars* pCommandBars = GetCommandBars();
    CMDIFrameWnd* pFrame = pCommandBars ? pCommandBars->GetMDIFrameSite() : NULL;
    if (!pFrame)
    {
        SetHideFlags(0);
        return;
    }
    if (!ClearListForItems(isItem))
        return;
    HWND hWndActive = (HWND)::SendMessage(pFrame->m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0);
    // The frame may number its children from another base: the active one tells.
    UINT nActiveId = hWndActive ? (UINT)::GetDlgCtrlID(hWndActive) : 0;
    if (nActiveId >= 0x8000 && nActiveId < 0x802F)
        s_nFirstChildId = 0x8000;
    else if (nActiveId >= 1 && nActiveId < 0x2F)
        s_nFirstChildId = 1;
    int nNumber = 0;
    for (UINT nId = s_nFirstChildId; HWND hWndChild = ::GetDlgItem(pFrame->m_hWndMDIClient, nId); nId++)
    {
        if (!::IsWindowVisible(hWndChild))
            continue;
        if (nNumber == kMaxWindowItems)
            break;
        nNumber++;
        AddWindowItem(CWnd::FromHandle(hWndChild), nNumber, m_nIndex + nNumber, hWndChild == hWndActive);
    }
}

void CKTControlWindowList::AddWindowItem(CWnd* pChild, int nNumber, int nIndex, BOOL bActive)
{
    CString strTitle;
    pChild->GetWindowText(strTitle);
    int nType = s_bRadioItems ? ktControlRadioButton : ktControlButton;
    CKTControl* pItem = m_pParent->GetControls()->Add(nType, pChild->GetDlgCtrlID(), "", nIndex, TRUE);
    pItem->SetCaption(ConstructCaption(strTitle.Left(256), nNumber));
    pItem->SetBeginGroup(nNumber == 1);
    pItem->SetChecked(bActive);
    pItem->SetFlags(pItem->GetFlags() | ktFlagManualUpdate | (nNumber == 1 ? (m_dwFlags & ktFlagWrapRow) : 0));
    pItem->SetHelpId(kWindowItemHelpId);
    CString strPrompt;
    if (KTResourceManager()->LoadString(&strPrompt, kWindowItemHelpId))
        pItem->SetPrompt(strPrompt);
}
