// KTDockingPaneAccessible.h: the accessible objects of the docking panes: a pane (a page tab), a group of panes
// (a page tab list) and the manager (a property page listing every pane).
//
// Classes: CKTDockingPaneAccessible, CKTDockingPaneTabbedContainerAccessible, CKTDockingPaneManagerAccessible.
#pragma once

#include <afxwin.h>

#include "KTAccessible.h"

class CKTDockingPane;
class CKTDockingPaneManager;
class CKTDockingPaneTabbedContainer;

// Lives inside its pane.
class CKTDockingPaneAccessible : public CKTAccessible
{
public:
    explicit CKTDockingPaneAccessible(CKTDockingPane* pPane) : m_pPane(pPane) {}

protected:
    HRESULT GetAccessibleParent(IDispatch** ppdispParent) override;
    HRESULT GetAccessibleChildCount(long* pcountChildren) override;
    HRESULT GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT GetAccessibleName(VARIANT varChild, BSTR* pszName) override;
    HRESULT GetAccessibleDescription(VARIANT varChild, BSTR* pszDescription) override;
    HRESULT GetAccessibleRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT GetAccessibleState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT GetAccessibleDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT AccessibleSelect(long flagsSelect, VARIANT varChild) override;
    HRESULT AccessibleDoDefaultAction(VARIANT varChild) override;
    HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
    HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;

private:
    // The pane itself, or its window as child 1 when one is attached.
    BOOL IsValidChild(const VARIANT& varChild) const;
    long GetState() const;
    CRect ScreenRect() const;

    CKTDockingPane* m_pPane;  // owner
};

// Lives inside its group. Child 1 is the shown pane's window, children 2 and on the panes of the tabs.
class CKTDockingPaneTabbedContainerAccessible : public CKTWindowAccessible
{
public:
    explicit CKTDockingPaneTabbedContainerAccessible(CKTDockingPaneTabbedContainer* pContainer);

protected:
    HRESULT GetAccessibleChildCount(long* pcountChildren) override;
    HRESULT GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;

private:
    HWND SelectedWindow() const;
    CKTDockingPane* PaneOfChild(long nChild) const;

    CKTDockingPaneTabbedContainer* m_pContainer;  // owner
};

// Lives inside the manager: one child per pane of the layout's pane list. It stands at a fixed place and
// answers no hit.
class CKTDockingPaneManagerAccessible : public CKTWindowAccessible
{
public:
    explicit CKTDockingPaneManagerAccessible(CKTDockingPaneManager* pManager);

protected:
    HRESULT GetAccessibleChildCount(long* pcountChildren) override;
    HRESULT GetAccessibleChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT AccessibleLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
    HRESULT AccessibleHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;

private:
    long GetPaneCount() const;

    CKTDockingPaneManager* m_pManager;  // owner
};
