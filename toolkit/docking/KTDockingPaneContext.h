// KTDockingPaneContext.h: the manager's drag context: it follows a dragged pane, group or floating frame, shows
// where it would land (outline, translucent window, stickers) and moves it there on release.
//
// Classes: CKTDockingPaneContext.
#pragma once

#include <afxwin.h>

#include <map>
#include <memory>
#include <vector>

#include "KTDockingPaneNode.h"
#include "KTSmartPtr.h"

class CKTDockingPane;
class CKTDockingPaneContextAlphaWnd;
class CKTDockingPaneContextOutline;
class CKTDockingPaneContextStickerWnd;
class CKTDockingPaneMiniWnd;
class CKTDockingPaneStickerPicture;
class CKTDockingPaneTabbedContainer;

class CKTDockingPaneContext
{
public:
    explicit CKTDockingPaneContext(CKTDockingPaneManager* pManager);
    virtual ~CKTDockingPaneContext();
    CKTDockingPaneContext(const CKTDockingPaneContext&) = delete;
    CKTDockingPaneContext& operator=(const CKTDockingPaneContext&) = delete;

    // Runs a whole drag from the screen point; (-1, -1) drags with the keyboard.
    virtual void Drag(CKTDockingPaneNode* pNode, CPoint pt);
    // Snaps the moving edges of a floating frame being resized.
    virtual void OnSizing(CKTDockingPaneMiniWnd* pFrame, UINT nSide, LPRECT lpRect);

    // The stickers shown at the moment, while a drag runs.
    const std::vector<std::unique_ptr<CKTDockingPaneContextStickerWnd>>& GetStickers() const { return m_stickers; }
    BOOL IsDragging() const { return m_pNode != nullptr; }

protected:
    // TRUE when the drag ended with a drop.
    virtual BOOL Track();
    virtual void Move(CPoint pt);
    virtual void BeginDraw();
    virtual void EndDraw();
    virtual void DrawFeedback();
    virtual void FindTarget(CPoint pt);
    virtual CRect SnapFrame(CRect rc);

private:
    BOOL OnTrackMessage(const MSG& msg, BOOL* pbDrop);
    BOOL OnTrackKey(UINT nKey, BOOL bDown, BOOL* pbDrop);
    void MoveByKey(UINT nKey);
    void Drop();
    void ReportActions(const std::vector<CKTSmartPtr<CKTDockingPane>>& panes, int nAction);
    std::vector<CKTSmartPtr<CKTDockingPane>> DraggedPanes() const;
    // TRUE when no dragged pane's owner cancels the action.
    BOOL AskPanes(int nAction, CKTDockingPaneNode* pTarget, int nDirection);
    void CheckPermissions();
    CKTDockingPaneMiniWnd* DraggedFrame() const;
    std::vector<CRect> SnapTargets(const CKTDockingPaneMiniWnd* pExcept) const;
    CRect NodeScreenRect(CKTDockingPaneNode* pNode) const;
    CRect FloatingDropRect() const;
    void ClearTarget();
    void SetTarget(CKTDockingPaneNode* pTarget, int nDirection, const CRect& rc, BOOL bTabInto);
    BOOL IsCandidate(CKTDockingPaneTabbedContainer* pGroup, CPoint pt) const;
    CKTDockingPaneTabbedContainer* PreferredContainer(CPoint pt) const;
    BOOL SideTest(const CRect& rc, CPoint pt, BOOL bInside, CKTDockingPaneNode* pTarget);
    void UpdateStickers();
    void BuildStickers();
    void AddSticker(int nParts, CPoint ptScreen);
    void HitStickers(CPoint pt);
    void DestroyStickers();
    void ShowTranslucent(const CRect& rc);
    void HideFeedback();
    void FloatLive();

    CKTDockingPaneManager* m_pManager;
    CKTSmartPtr<CKTDockingPaneNode> m_pNode;  // being dragged
    CPoint m_ptLast;
    CPoint m_ptStart;
    BOOL m_bKeyboard = FALSE;
    BOOL m_bStarted = FALSE;  // the cursor left the square around the start
    CRect m_rcFloating;       // where the node would float
    CRect m_rcMoving;         // the node's rectangle carried along with the cursor
    BOOL m_bFloatingAllowed = TRUE;
    BOOL m_bDockingAllowed = TRUE;
    BOOL m_bAlphaMode = FALSE;
    BOOL m_bStickerMode = FALSE;

    CKTDockingPaneNode* m_pTarget = nullptr;  // the container docked beside or tabbed into
    CRect m_rcTarget;
    int m_nTargetDirection = 0;
    BOOL m_bTabInto = FALSE;

    CRect m_rcCandidate;                         // the area the stickers are offered over
    CKTDockingPaneNode* m_pCandidate = nullptr;  // its container, when it is one
    CKTDockingPaneNode* m_pStickersFor = nullptr;
    CRect m_rcStickersFor;
    BOOL m_bStickersBuilt = FALSE;
    std::unique_ptr<CKTDockingPaneStickerPicture> m_pPicture;
    std::vector<std::unique_ptr<CKTDockingPaneContextStickerWnd>> m_stickers;
    std::map<int, std::unique_ptr<CRgn>> m_regions;  // per set of parts

    std::unique_ptr<CKTDockingPaneContextAlphaWnd> m_pBodyWnd;
    std::unique_ptr<CKTDockingPaneContextAlphaWnd> m_pTabWnd;
    std::unique_ptr<CKTDockingPaneContextOutline> m_pOutline;
};
