// KTDockingPaneSplitterContainer.h: a node that lays its children side by side or stacked, with a bar between
// every two of them.
//
// Classes: CKTDockingPaneSplitterContainer.
#pragma once

#include <memory>

#include "KTDockingPaneNode.h"

class CKTDockingPaneSizeDistribution;
class CKTDockingPaneSplitterWnd;

class CKTDockingPaneSplitterContainer : public CCmdTarget, public CKTDockingPaneContainer
{
public:
    explicit CKTDockingPaneSplitterContainer(CKTDockingPaneLayoutData* pLayout);
    ~CKTDockingPaneSplitterContainer() override;

    DWORD InternalAddRef() override { return CCmdTarget::InternalAddRef(); }
    DWORD InternalRelease() override { return CCmdTarget::InternalRelease(); }

    virtual CKTDockingPaneSplitterWnd* OnCreateSplitter();
    CKTDockingPaneSplitterContainer* AsSplitterContainer() override { return this; }

    void Init(CKTDockingPaneNode* pNode, BOOL bHorizontal, CWnd* pSite);
    void AddNode(CKTDockingPaneNode* pNode, CKTDockingPaneNode* pNeighbour = nullptr, BOOL bAfter = TRUE);
    void ReplacePane(CKTDockingPaneNode* pOld, CKTDockingPaneNode* pNew);
    // Puts a node first without the notifications of AddNode (dissolving a single-child level).
    void AdoptFirst(CKTDockingPaneNode* pNode);
    void TakeOut(CKTDockingPaneNode* pNode);
    BOOL IsHorizontal() const { return m_bHorizontal; }
    void SetHorizontal(BOOL bHorizontal) { m_bHorizontal = bHorizontal; }
    void FindChildren(int nType, CKTDockingPaneNodeList& list) const;
    BOOL IsBefore(const CKTDockingPaneNode* pNode, const CKTDockingPaneNode* pOther) const;
    void StoreSizes();
    // Where the node would lie, in screen coordinates, docked beside a child of this splitter.
    CRect CalcDockingRect(CKTDockingPaneNode* pNode, int nDirection, CKTDockingPaneNode* pNeighbour) const;
    // Where the node would lie in a new split of the neighbour's screen rectangle.
    static CRect CalcDockingRect(CRect rcNeighbour, CKTDockingPaneNode* pNeighbour, CKTDockingPaneNode* pNode,
                                 int nDirection);
    int GetSplitterCount() const { return int(m_splitters.size()); }
    CKTDockingPaneSplitterWnd* GetSplitter(int nIndex) const { return m_splitters[size_t(nIndex)].get(); }

    void RemovePane(CKTDockingPaneNode* pNode) override;
    void OnChildContainerChanged(CKTDockingPaneNode* pChild) override;
    void OnParentContainerChanged(CKTDockingPaneNode* pParent) override;
    void GetMinMaxInfo(MINMAXINFO* pMinMaxInfo) const override;
    void OnSizeParent(CWnd* pSite, CRect rc, AFX_SIZEPARENTLAYOUT* pLayout) override;
    BOOL DoPropExchange(CKTPropExchange* pPX) override;
    CKTDockingPaneNode* Clone(CKTDockingPaneLayoutData* pLayout, CKTDockingPaneCloneMap* pMap, DWORD dwFlags) override;

private:
    void AfterInsert(CKTDockingPaneNode* pNode);
    void RebuildSplitters();
    CKTDockingPaneNodeList VisibleChildren() const;
    static CKTDockingPaneSizeDistribution Distribute(const CKTDockingPaneNodeList& children, CRect rc, BOOL bHorizontal,
                                                     CKTDockingPaneLayoutData* pLayout);
    static CRect PlaceNode(const CKTDockingPaneNodeList& children, const CKTDockingPaneNode* pNode, CRect rc,
                           BOOL bHorizontal, CKTDockingPaneLayoutData* pLayout);
    void LayoutChildren(CWnd* pSite, CRect rc, AFX_SIZEPARENTLAYOUT* pLayout, const CKTDockingPaneNodeList& children);
    void WriteBack(const CKTDockingPaneNodeList& children, const CKTDockingPaneSizeDistribution& sizes);
    BOOL LoadChildren(CKTPropExchange* pPX);
    BOOL CanAdopt(const CKTDockingPaneNode* pNode) const;
    void SaveChildren(CKTPropExchange* pPX);
    static int SplitterSize(CKTDockingPaneLayoutData* pLayout);

    std::vector<std::unique_ptr<CKTDockingPaneSplitterWnd>> m_splitters;  // between visible children, in order
    BOOL m_bHorizontal = FALSE;
    BOOL m_bInLayout = FALSE;
};
