// KBThemeManager.h: the look of the basic controls, chosen once for all of them.
//
// Classes: CKBThemeManagerStyle, CKBThemeManagerStyleFactory, CKBThemeManagerStyleHostBase,
// CKBThemeManagerStyleHost, CKBThemeManager. Accessor: KBThemeManager.
#pragma once

#include <afxwin.h>

#include <memory>
#include <vector>

enum KBTheme
{
    kbThemeDefault = 0,  // sunken 3-D edges
    kbThemeFlat = 1,     // one-pixel shadow frame
    kbThemeOffice = 2    // one-pixel soft frame, hot frame in the selection colour
};

// One theme's metrics and drawing for a kind of control. Made in two steps,
// as the host does: construction, then RefreshMetrics, which derived styles
// override and a constructor could not reach.
class CKBThemeManagerStyle
{
public:
    explicit CKBThemeManagerStyle(int nTheme);
    virtual ~CKBThemeManagerStyle();

    int GetTheme() const { return m_nTheme; }
    virtual void RefreshMetrics();
    virtual void DrawFrame(CDC* pDC, CRect rc, BOOL bHot) const;
    virtual void FillBackground(CDC* pDC, const CRect& rc, BOOL bEnabled) const;

    COLORREF m_clrFace = CLR_INVALID;       // background of an enabled control
    COLORREF m_clrDisabled = CLR_INVALID;   // background of a disabled one
    COLORREF m_clrBorder = CLR_INVALID;     // frame
    COLORREF m_clrBorderHot = CLR_INVALID;  // frame under the mouse
    COLORREF m_clrText = CLR_INVALID;

private:
    int m_nTheme;
};

// Makes the style of a theme; controls with their own looks derive from it.
class CKBThemeManagerStyleFactory : public CObject
{
    DECLARE_DYNCREATE(CKBThemeManagerStyleFactory)
public:
    virtual CKBThemeManagerStyle* CreateTheme(int nTheme);
};

// The hooks a control calls from its own creation (PreCreateWindow, WM_CREATE
// after the default handling, PreSubclassWindow), so that a theme change
// redraws the control.
class CKBThemeManagerStyleHostBase
{
public:
    CKBThemeManagerStyleHostBase();
    virtual ~CKBThemeManagerStyleHostBase();
    CKBThemeManagerStyleHostBase(const CKBThemeManagerStyleHostBase&) = delete;
    CKBThemeManagerStyleHostBase& operator=(const CKBThemeManagerStyleHostBase&) = delete;

    void OnCreate(CWnd* pWnd);
    void OnPreCreateWindow(CWnd* pWnd);
    void OnPreSubclassWindow(CWnd* pWnd);
    // The theme changed: the style is made again and the window redrawn.
    virtual void OnThemeChanged();

protected:
    HWND m_hWndHost;  // the control, not owned
};

// Carries the style object of a control, made on first use by its factory
// and refreshed once made.
class CKBThemeManagerStyleHost : public CKBThemeManagerStyleHostBase
{
public:
    explicit CKBThemeManagerStyleHost(CRuntimeClass* pFactoryClass);
    ~CKBThemeManagerStyleHost() override;

    CKBThemeManagerStyle* GetSafeTheme();
    void OnThemeChanged() override;

private:
    std::unique_ptr<CKBThemeManagerStyleFactory> m_pFactory;
    std::unique_ptr<CKBThemeManagerStyle> m_pStyle;
};

// The current theme and the hosts that follow it.
class CKBThemeManager
{
public:
    CKBThemeManager();
    CKBThemeManager(const CKBThemeManager&) = delete;
    CKBThemeManager& operator=(const CKBThemeManager&) = delete;

    void SetTheme(int nTheme);
    int GetTheme() const { return m_nTheme; }
    void AddHost(CKBThemeManagerStyleHostBase* pHost);
    void RemoveHost(CKBThemeManagerStyleHostBase* pHost);

private:
    int m_nTheme;
    std::vector<CKBThemeManagerStyleHostBase*> m_hosts;  // not owned
};

CKBThemeManager* KBThemeManager();
