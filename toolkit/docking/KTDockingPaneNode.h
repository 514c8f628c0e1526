// KTDockingPaneNode.h: the common part of every node of the docking layout tree, and the container of nodes.
//
// Classes: CKTDockingPaneNode, CKTDockingPaneContainer. Types: CKTDockingPaneNodeList, CKTDockingPaneCloneMap,
// CKTDockingPaneLoadMap.
#pragma once

#include <afxpriv.h>
#include <afxwin.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "KTDockingPaneDefines.h"

class CKTDockingPane;
class CKTDockingPaneCaptionButton;
class CKTDockingPaneContainer;
class CKTDockingPaneLayoutData;
class CKTDockingPaneManager;
class CKTDockingPanePaintManager;
class CKTDockingPaneSplitterContainer;
class CKTDockingPaneTabbedContainer;
class CKTPropExchange;

class CKTDockingPaneNode;
// TRUE when the focus is in the window, one of its descendants, or a window owned by one of them.
BOOL KTDockingPaneHoldsFocus(HWND hWnd);

using CKTDockingPaneNodeList = std::vector<CKTDockingPaneNode*>;
// Old node to its copy, filled while a subtree is cloned.
using CKTDockingPaneCloneMap = std::map<CKTDockingPaneNode*, CKTDockingPaneNode*>;
// Node numbers of an archive being loaded; handed to the nodes through the exchange's caller data.
using CKTDockingPaneLoadMap = std::map<int, CKTDockingPaneNode*>;

class CKTDockingPaneNode
{
public:
    CKTDockingPaneNode(int nType, CKTDockingPaneLayoutData* pLayout);
    virtual ~CKTDockingPaneNode();
    CKTDockingPaneNode(const CKTDockingPaneNode&) = delete;
    CKTDockingPaneNode& operator=(const CKTDockingPaneNode&) = delete;

    // The node lives as long as the count of the object it is part of.
    virtual DWORD InternalAddRef() = 0;
    virtual DWORD InternalRelease() = 0;

    virtual void RedrawPane();
    virtual BOOL ContainsPane(const CKTDockingPaneNode* pNode) const;
    virtual void FindPane(int nType, CKTDockingPaneNodeList& list);
    virtual void GetMinMaxInfo(MINMAXINFO* pMinMaxInfo) const;
    virtual BOOL IsEmpty() const;
    virtual CWnd* GetDockingSite() const { return m_pDockingSite; }
    virtual BOOL IsHidden() const { return FALSE; }
    virtual HWND GetPaneHwnd() const { return NULL; }
    virtual void OnSizeParent(CWnd* pSite, CRect rc, AFX_SIZEPARENTLAYOUT* pLayout);
    virtual void OnFocusChanged() {}
    virtual void SetDockingSite(CWnd* pSite) { m_pDockingSite = pSite; }
    virtual void SetParentContainer(CKTDockingPaneContainer* pContainer) { m_pParentContainer = pContainer; }
    virtual void OnChildContainerChanged(CKTDockingPaneNode*) {}
    virtual void UpdatePane(BOOL bRelayout);
    virtual void OnParentContainerChanged(CKTDockingPaneNode*) {}
    virtual BOOL DoPropExchange(CKTPropExchange* pPX);
    virtual CKTDockingPaneNode* Clone(CKTDockingPaneLayoutData* pLayout, CKTDockingPaneCloneMap* pMap, DWORD dwFlags);
    virtual void RemovePane(CKTDockingPaneNode*) {}
    virtual BOOL IsCaptionButtonVisible(CKTDockingPaneCaptionButton*) { return TRUE; }
    virtual void DeletePane() { InternalRelease(); }
    // The node as a group of tabbed panes or a splitter; NULL for every other kind.
    virtual CKTDockingPaneTabbedContainer* AsTabbedContainer() { return nullptr; }
    virtual CKTDockingPaneSplitterContainer* AsSplitterContainer() { return nullptr; }
    // The pane whose caption the node shows (a group's or a floating frame's), and whether it shows active.
    virtual CKTDockingPane* GetCaptionPane() const { return nullptr; }
    virtual BOOL IsCaptionActive() const { return FALSE; }

    int GetType() const { return m_nType; }
    CKTDockingPaneContainer* GetParentContainer() const { return m_pParentContainer; }
    CKTDockingPaneLayoutData* GetLayout() const { return m_pLayout; }
    // A layout built aside hands its nodes over to the one that takes its place.
    void SetLayout(CKTDockingPaneLayoutData* pLayout) { m_pLayout = pLayout; }
    CKTDockingPaneManager* GetDockingPaneManager() const;
    CKTDockingPanePaintManager* GetPaintManager() const;
    CRect GetRect() const { return m_rcWindow; }
    void GetWindowRect(LPRECT lpRect) const;
    CKTDockingPaneCaptionButton* FindCaptionButton(int nID) const;
    BOOL CheckCaptionButtons(CPoint pt);
    const std::vector<std::unique_ptr<CKTDockingPaneCaptionButton>>& GetCaptionButtons() const
    {
        return m_captionButtons;
    }

    int m_nDockedWidth = 0;   // asked for along a horizontal splitter
    int m_nDockedHeight = 0;  // asked for along a vertical splitter
    int m_nLength = 0;        // what the parent splitter gave last; negative while fixed at a limit
    int m_nNumber = 0;        // while a layout is saved or loaded

protected:
    CKTDockingPaneLayoutData* m_pLayout;
    CKTDockingPaneContainer* m_pParentContainer = nullptr;
    CWnd* m_pDockingSite;
    int m_nType;
    CRect m_rcWindow;  // in the docking site's client coordinates
    std::vector<std::unique_ptr<CKTDockingPaneCaptionButton>> m_captionButtons;
};

// A node with an ordered list of child nodes it does not own.
class CKTDockingPaneContainer : public CKTDockingPaneNode
{
public:
    using CKTDockingPaneNode::CKTDockingPaneNode;

    BOOL ContainsPane(const CKTDockingPaneNode* pNode) const override;
    BOOL IsEmpty() const override;
    void FindPane(int nType, CKTDockingPaneNodeList& list) override;

    const CKTDockingPaneNodeList& GetChildren() const { return m_children; }
    int GetChildCount() const { return int(m_children.size()); }
    CKTDockingPaneNode* GetFirstChild() const { return m_children.empty() ? nullptr : m_children.front(); }
    CKTDockingPaneNode* GetLastChild() const { return m_children.empty() ? nullptr : m_children.back(); }
    BOOL HasChild(const CKTDockingPaneNode* pNode) const;

protected:
    void EraseChild(const CKTDockingPaneNode* pNode);
    int IndexOf(const CKTDockingPaneNode* pNode) const;
    // The children's node numbers as "Pane-1" ... "Pane-n"; the count is the caller's to write.
    void SaveChildNumbers(CKTPropExchange* pPX) const;
    // Reads nCount numbered entries and hands each node and its number to adopt; FALSE when a number is
    // unknown or adopt refuses the node.
    BOOL LoadChildNumbers(CKTPropExchange* pPX, int nCount,
                          const std::function<BOOL(CKTDockingPaneNode*, int nNumber)>& adopt);

    CKTDockingPaneNodeList m_children;
};
