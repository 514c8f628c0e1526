// Documents that hold OLE items: the item list, the view's selected item and
// the verb commands that act on it.
#include <algorithm>
#include "afxole.h"
#include "afxres.h"

IMPLEMENT_DYNAMIC(CDocItem, CCmdTarget)
IMPLEMENT_DYNAMIC(COleDocument, CDocument)

CDocItem::~CDocItem()
{
    if (m_pDocument)
        m_pDocument->RemoveItem(this);
}

BEGIN_MESSAGE_MAP(COleDocument, CDocument)
ON_UPDATE_COMMAND_UI_RANGE(ID_OLE_VERB_FIRST, ID_OLE_VERB_LAST, OnUpdateObjectVerbMenu)
ON_COMMAND_EX_RANGE(ID_OLE_VERB_FIRST, ID_OLE_VERB_LAST, OnExecuteVerb)
END_MESSAGE_MAP()

COleDocument::~COleDocument() { COleDocument::DeleteContents(); }

void COleDocument::AddItem(CDocItem* pItem)
{
    ASSERT(pItem->m_pDocument == nullptr);
    m_docItemList.push_back(pItem);
    pItem->m_pDocument = this;
}

void COleDocument::RemoveItem(CDocItem* pItem)
{
    auto it = std::find(m_docItemList.begin(), m_docItemList.end(), pItem);
    if (it == m_docItemList.end())
        return;
    m_docItemList.erase(it);
    pItem->m_pDocument = nullptr;
}

// A position is the 1-based index of the next item, so NULL ends the walk.
POSITION COleDocument::GetStartPosition() const { return m_docItemList.empty() ? nullptr : (POSITION)1; }

CDocItem* COleDocument::GetNextItem(POSITION& pos) const
{
    size_t nIndex = (size_t)pos - 1;
    CDocItem* pItem = m_docItemList[nIndex];
    pos = nIndex + 1 < m_docItemList.size() ? (POSITION)(nIndex + 2) : nullptr;
    return pItem;
}

COleClientItem* COleDocument::GetNextClientItem(POSITION& pos) const
{
    while (pos)
    {
        CDocItem* pItem = GetNextItem(pos);
        if (pItem->IsKindOf(RUNTIME_CLASS(COleClientItem)))
            return static_cast<COleClientItem*>(pItem);
    }
    return nullptr;
}

COleClientItem* COleDocument::GetPrimarySelectedItem(CView* pView)
{
    if (!pView)
        return nullptr;
    COleClientItem* pSelected = nullptr;
    POSITION pos = GetStartPosition();
    while (COleClientItem* pItem = GetNextClientItem(pos))
    {
        if (!pView->IsSelected(pItem))
            continue;
        if (pSelected)
            return nullptr;
        pSelected = pItem;
    }
    return pSelected;
}

void COleDocument::DeleteContents()
{
    // Each item takes itself out of the list as it goes.
    while (!m_docItemList.empty())
        delete m_docItemList.back();
}

CView* COleDocument::GetVerbView() const
{
    CWnd* pMainWnd = AfxGetMainWnd();
    CFrameWnd* pFrame = pMainWnd && pMainWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))
                            ? static_cast<CFrameWnd*>(pMainWnd)->GetActiveFrame()
                            : nullptr;
    CView* pView = pFrame ? pFrame->GetActiveView() : nullptr;
    if (pView && pView->GetDocument() == this)
        return pView;
    POSITION pos = GetFirstViewPosition();
    return pos ? GetNextView(pos) : nullptr;
}

BOOL COleDocument::OnExecuteVerb(UINT nID)
{
    CView* pView = GetVerbView();
    COleClientItem* pItem = GetPrimarySelectedItem(pView);
    if (!pItem)
        return FALSE;
    pItem->DoVerb((LONG)(nID - ID_OLE_VERB_FIRST), pView);
    return TRUE;
}

void COleDocument::OnUpdateObjectVerbMenu(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetPrimarySelectedItem(GetVerbView()) != nullptr);
}
