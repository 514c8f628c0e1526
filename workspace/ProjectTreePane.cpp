// The project tree pane: builds the tree with its root and keeps it filling the pane.
#include "ProjectTreePane.h"

#include "ProjectTreeItems.h"
#include "TreeItemData.h"
#include "WorkspaceRes.h"

#include "KTImageManager.h"

const char* const CProjectTreePane::kRootCaption = "'Kestova': Project(s)";

namespace
{
const UINT kTreeId = 255;
}

BEGIN_MESSAGE_MAP(CProjectTreePane, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_DESTROY()
END_MESSAGE_MAP()

// The items' data go while the tree, destroyed after its parent hears of it, still holds them.
void CProjectTreePane::OnDestroy()
{
    if (m_wndTree.GetSafeHwnd())
        DeleteItemsWithData(m_wndTree, TVI_ROOT);
    CWnd::OnDestroy();
}

int CProjectTreePane::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_wndTree.GetSafeHwnd())
        return 0;
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    if (!m_wndTree.Create(dwStyle, CRect(0, 0, 0, 0), this, kTreeId))
        return 0;
    m_wndTree.ModifyStyleEx(0, WS_EX_STATICEDGE);
    m_wndTree.EnableToolTips(FALSE);
    if (!CreateImageList())
        return 0;
    m_wndTree.SetImageList(&m_imageList, TVSIL_NORMAL);
    InsertRoot();
    return 0;
}

BOOL CProjectTreePane::CreateImageList()
{
    if (!m_imageList.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 1))
        return FALSE;
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(IDB_TREE_PANE))
        return TRUE;
    const COLORREF clrMask = CKTImageManager::GetBitmapPixel(bitmap, 0, 0);
    ImageList_AddMasked(m_imageList, bitmap, clrMask);
    return TRUE;
}

void CProjectTreePane::InsertRoot()
{
    m_hRoot = m_wndTree.InsertItem(TVIF_TEXT, kRootCaption, 0, 0, 0, 0, 0, TVI_ROOT, TVI_LAST);
    if (m_hRoot)
        SetItemDataOf(m_wndTree, m_hRoot, new TreeItemData);
}

void CProjectTreePane::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (!m_wndTree.GetSafeHwnd())
        return;
    m_wndTree.MoveWindow(0, 0, cx, cy, TRUE);
    m_wndTree.Invalidate(FALSE);
}

void CProjectTreePane::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (m_wndTree.GetSafeHwnd())
        m_wndTree.SetFocus();
}
