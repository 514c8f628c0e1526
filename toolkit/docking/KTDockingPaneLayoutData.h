// KTDockingPaneLayoutData.h: one arrangement of panes: the docked tree, the auto-hide panels, the panes with
// the groups they remember, every node owned; its layout pass, normalisation, save and load.
//
// Classes: CKTDockingPaneLayoutData. Types: DockingPaneInfo.
#pragma once

#include <array>
#include <memory>

#include "KTDockingPaneNode.h"
#include "KTSmartPtr.h"

class CKTDockingPane;
class CKTDockingPaneAutoHidePanel;
class CKTDockingPaneClientNode;
class CKTDockingPaneSplitterContainer;
class CKTDockingPaneSplitterWnd;
class CKTDockingPaneTabbedContainer;

// A pane with the groups it last lived in, so that it can go back to them.
struct DockingPaneInfo
{
    CKTDockingPane* pPane;
    CKTDockingPaneTabbedContainer* pFloatingHolder;
    CKTDockingPaneTabbedContainer* pDockingHolder;
    CKTDockingPaneTabbedContainer* pLastHolder;
};

class CKTDockingPaneLayoutData : public CCmdTarget
{
public:
    explicit CKTDockingPaneLayoutData(CKTDockingPaneManager* pManager);
    ~CKTDockingPaneLayoutData() override;
    CKTDockingPaneLayoutData(const CKTDockingPaneLayoutData&) = delete;
    CKTDockingPaneLayoutData& operator=(const CKTDockingPaneLayoutData&) = delete;

    BOOL IsValid() const;
    void Free();
    void OnSizeParent(CWnd* pSite, CRect rc, AFX_SIZEPARENTLAYOUT* pLayout);
    int GetPaneDirection(const CKTDockingPaneNode* pNode) const;
    void HidePane(CKTDockingPaneNode* pNode);
    void Normalize();
    void Serialize(CArchive& ar) override;
    BOOL Save(CKTPropExchange* pPX);
    // Builds the archive's layout aside and takes it over only when every reference in it checks out.
    BOOL Load(CKTPropExchange* pPX);

    // Every node enters the list in its constructor; the list holds the node's first reference.
    void AddNode(CKTDockingPaneNode* pNode);
    // Takes a node out of the list and drops the list's reference.
    void ReleaseNode(CKTDockingPaneNode* pNode);
    BOOL OwnsNode(const CKTDockingPaneNode* pNode) const;

    CKTDockingPaneManager* GetManager() const { return m_pManager; }
    CKTDockingPaneSplitterContainer* GetTopContainer() const { return m_pTopContainer; }
    CKTDockingPaneClientNode* GetClientNode() const { return m_pClient; }
    CKTDockingPaneAutoHidePanel* GetPanel(int nDirection) const;
    void SetPanel(int nDirection, CKTDockingPaneAutoHidePanel* pPanel);
    CKTDockingPaneNodeList GetNodeList() const;
    std::vector<DockingPaneInfo>& GetPaneList() { return m_panes; }
    DockingPaneInfo* FindPaneInfo(const CKTDockingPaneNode* pPane);
    void AddPaneInfo(const DockingPaneInfo& info) { m_panes.push_back(info); }
    BOOL IsDetached() const { return m_bDetached; }
    void SetDetached(BOOL bDetached) { m_bDetached = bDetached; }
    void SetTopContainer(CKTDockingPaneSplitterContainer* pTop) { m_pTopContainer = pTop; }

private:
    void CreateDefaultTree();
    void PlaceSideSplitters(CWnd* pSite, CRect& rc, AFX_SIZEPARENTLAYOUT* pLayout);
    void DestroySideSplitters();
    BOOL NormalizePass();
    BOOL NormalizeNode(CKTDockingPaneNode* pNode, const std::vector<CKTDockingPaneNode*>& referenced);
    CKTDockingPaneAutoHidePanel* EnsurePanel(int nDirection);
    BOOL JoinHiddenGroup(CKTDockingPaneAutoHidePanel* pPanel, CKTDockingPaneNode* pNode);
    void TakeOver(CKTDockingPaneLayoutData& other);
    BOOL LoadInto(CKTPropExchange* pPX);
    BOOL LoadNodes(CKTPropExchange* pPX, int nCount, CKTDockingPaneLoadMap& map);
    BOOL LoadRoots(CKTPropExchange* pPX, const CKTDockingPaneLoadMap& map);

    CKTDockingPaneSplitterContainer* m_pTopContainer = nullptr;
    CKTDockingPaneClientNode* m_pClient = nullptr;
    std::vector<DockingPaneInfo> m_panes;                    // in creation order
    std::vector<CKTSmartPtr<CKTDockingPaneNode>> m_nodes;    // every node, in creation order
    std::array<CKTDockingPaneAutoHidePanel*, 4> m_panels{};  // left, right, top, bottom
    std::array<std::unique_ptr<CKTDockingPaneSplitterWnd>, 4> m_sideSplitters;
    BOOL m_bDetached = TRUE;  // no windows while built aside
    CKTDockingPaneManager* m_pManager;
};
