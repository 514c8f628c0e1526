// KTDockingPaneAutoHidePanel.h: the strip along one side of the frame that holds auto-hidden groups as tabs.
//
// Classes: CKTDockingPaneAutoHidePanel.
#pragma once

#include <memory>
#include <vector>

#include "KTDockingPaneAutoHideTabManager.h"
#include "KTDockingPaneDropTarget.h"
#include "KTDockingPaneNode.h"

class CKTDockingPane;
class CKTDockingPaneAutoHideWnd;
class CKTDockingPanePaintManager;
class CKTTabPainter;

class CKTDockingPaneAutoHidePanel : public CWnd, public CKTDockingPaneContainer
{
public:
    explicit CKTDockingPaneAutoHidePanel(CKTDockingPaneLayoutData* pLayout);
    ~CKTDockingPaneAutoHidePanel() override;

    DWORD InternalAddRef() override { return CCmdTarget::InternalAddRef(); }
    DWORD InternalRelease() override { return CCmdTarget::InternalRelease(); }
    void OnFinalRelease() override;

    BOOL Create(CWnd* pParent);
    void AddContainer(CKTDockingPaneNode* pContainer);
    int GetDirection() const { return m_nDirection; }
    void SetDirection(int nDirection) { m_nDirection = nDirection; }
    // Slides the pane's group out of the strip.
    void ShowPane(CKTDockingPane* pPane, BOOL bActivate);
    void CloseActiveWindow(BOOL bDelayed = FALSE);
    CKTDockingPaneAutoHideWnd* GetActiveWnd() const { return m_pActiveWnd; }
    // The pane is the one shown in the window slid out now.
    BOOL IsSlidOut(const CKTDockingPane* pPane) const;
    COleDropTarget& GetDropTarget() { return m_dropTarget; }
    void ClearActiveWnd(const CKTDockingPaneAutoHideWnd* pWnd);
    // The pane whose tab lies under a client point.
    CKTDockingPane* HitTest(CPoint pt) const;
    // The tab of a pane, in client coordinates; empty when the pane has no tab here.
    CRect GetTabRect(const CKTDockingPane* pPane) const;
    // One per group, as the last layout made them.
    const std::vector<std::unique_ptr<CKTDockingPaneAutoHideTabManager>>& GetTabManagers() const
    {
        return m_tabManagers;
    }

    HWND GetPaneHwnd() const override { return GetSafeHwnd(); }
    void RemovePane(CKTDockingPaneNode* pNode) override;
    void OnSizeParent(CWnd* pSite, CRect rc, AFX_SIZEPARENTLAYOUT* pLayout) override;
    void OnChildContainerChanged(CKTDockingPaneNode* pChild) override;
    BOOL DoPropExchange(CKTPropExchange* pPX) override;
    CKTDockingPaneNode* Clone(CKTDockingPaneLayoutData* pLayout, CKTDockingPaneCloneMap* pMap, DWORD dwFlags) override;

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg LRESULT OnMouseHover(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void LayoutTabs();
    CKTTabPainter* PanelPainter(CKTDockingPanePaintManager* pPaintManager);
    int Thickness() const;
    CRect FaceGradientRect(const CRect& rcClient) const;
    BOOL IsVerticalStrip() const { return m_nDirection == ktDockLeft || m_nDirection == ktDockRight; }
    BOOL LoadChildren(CKTPropExchange* pPX);

    CKTDockingPaneAutoHideWnd* m_pActiveWnd = nullptr;  // slid out now; it holds its own reference
    int m_nDirection = ktDockLeft;
    std::vector<std::unique_ptr<CKTDockingPaneAutoHideTabManager>>
        m_tabManagers;  // one per group, rebuilt at every layout
    CRect m_rcPanel;
    CKTDockingPaneAutoHidePanelDropTarget m_dropTarget{this};
};
