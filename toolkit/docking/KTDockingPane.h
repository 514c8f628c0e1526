// KTDockingPane.h: a docking pane, the leaf of the layout tree that carries one application window.
//
// Classes: CKTDockingPane.
#pragma once

#include "KTDockingPaneAccessible.h"
#include "KTDockingPaneNode.h"

class CKTDockingPaneTabbedContainer;
class CKTImageManagerIcon;

class CKTDockingPane : public CCmdTarget, public CKTDockingPaneNode
{
public:
    explicit CKTDockingPane(CKTDockingPaneLayoutData* pLayout);

    DWORD InternalAddRef() override { return CCmdTarget::InternalAddRef(); }
    DWORD InternalRelease() override { return CCmdTarget::InternalRelease(); }

    virtual void SetFocus();
    virtual CString GetTitle() const;
    virtual CString GetShortTitle() const;
    virtual CKTImageManagerIcon* GetIcon(int nWidth) const;
    virtual COLORREF GetItemColor() const;
    virtual void Copy(const CKTDockingPane* pPane);

    void SetID(int nID);
    int GetID() const { return m_nID; }
    void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }
    void SetWindowRect(const CRect& rc);
    void Attach(HWND hWnd);
    HWND GetHandle() const { return m_hwndChild; }
    void ShowWindow(BOOL bShow);
    void Close();
    void Hide();
    BOOL IsFocus() const;
    BOOL IsValid() const { return m_hwndChild != NULL; }
    BOOL IsClosed() const { return m_pParentContainer == nullptr; }
    BOOL IsSelected() const;
    BOOL IsFloating() const;
    DWORD GetOptions() const;
    void SetOptions(DWORD dwOptions) { m_dwOptions = dwOptions; }
    int GetEnabled() const { return m_nEnabled; }
    void SetEnabled(int nEnabled) { m_nEnabled = nEnabled; }
    void SetMinTrackSize(CPoint pt) { m_ptMinTrackSize = pt; }
    void SetMaxTrackSize(CPoint pt) { m_ptMaxTrackSize = pt; }
    void SetTabColor(int nColor) { m_nTabColor = nColor; }
    int GetHelpID() const { return m_nHelpID; }
    void SetIconID(int nIconID) { m_nIconID = nIconID; }
    // Draws the pane's icon of the width (with bDraw FALSE only asks whether there is one).
    BOOL DrawIcon(CDC* pDC, CPoint pt, CSize szIcon, BOOL bDraw) const;
    void SetHelpID(int nHelpID) { m_nHelpID = nHelpID; }
    CKTDockingPaneTabbedContainer* GetTabbedContainer() const;
    IAccessible* GetAccessible() { return &m_accessible; }

    BOOL IsHidden() const override;
    CWnd* GetDockingSite() const override;
    void GetMinMaxInfo(MINMAXINFO* pMinMaxInfo) const override;
    void OnSizeParent(CWnd* pSite, CRect rc, AFX_SIZEPARENTLAYOUT* pLayout) override;
    void SetParentContainer(CKTDockingPaneContainer* pContainer) override;
    BOOL DoPropExchange(CKTPropExchange* pPX) override;
    CKTDockingPaneNode* Clone(CKTDockingPaneLayoutData* pLayout, CKTDockingPaneCloneMap* pMap, DWORD dwFlags) override;

    // The query with which a pane's window may choose its tab colour.
    static const UINT ktMsgGetTabColor = 0x28B9;

private:
    void ExchangeHolders(CKTPropExchange* pPX);

    HWND m_hwndChild = NULL;  // the application's window, not owned
    int m_nID = 0;
    int m_nIconID = -1;
    CString m_strTitle;  // caption title, then after a line break the short title
    DWORD m_dwOptions = 0;
    DWORD m_dwTag = 0;
    CPoint m_ptMinTrackSize{0, 0};
    CPoint m_ptMaxTrackSize{32000, 32000};
    int m_nTabColor = -1;
    int m_nHelpID = 0;
    int m_nEnabled = ktPaneEnableClient | ktPaneEnableActions;
    CKTDockingPaneAccessible m_accessible{this};
};
