// ThemeManagerTests.cpp: the basic controls' theme styles, their hosts and the hooks of a control.
#include <gtest/gtest.h>

#include "KBThemeManager.h"
#include "TestSurface.h"
#include "TestWindows.h"

namespace
{

// A factory whose styles say where they came from.
class CCountingFactory : public CKBThemeManagerStyleFactory
{
    DECLARE_DYNCREATE(CCountingFactory)
public:
    CKBThemeManagerStyle* CreateTheme(int nTheme) override
    {
        s_nMade++;
        return CKBThemeManagerStyleFactory::CreateTheme(nTheme);
    }
    static int s_nMade;
};
int CCountingFactory::s_nMade = 0;
IMPLEMENT_DYNCREATE(CCountingFactory, CKBThemeManagerStyleFactory)

}  // namespace

TEST(ThemeManager, HostsFollowTheManagersTheme)
{
    int nOld = KBThemeManager()->GetTheme();
    CKBThemeManagerStyleHost host(RUNTIME_CLASS(CCountingFactory));
    CCountingFactory::s_nMade = 0;
    CKBThemeManagerStyle* pStyle = host.GetSafeTheme();
    ASSERT_NE(nullptr, pStyle);
    EXPECT_EQ(pStyle, host.GetSafeTheme()) << "made once";
    EXPECT_EQ(1, CCountingFactory::s_nMade);
    KBThemeManager()->SetTheme(kbThemeOffice);
    CKBThemeManagerStyle* pOffice = host.GetSafeTheme();
    EXPECT_EQ(kbThemeOffice, pOffice->GetTheme());
    EXPECT_EQ(2, CCountingFactory::s_nMade);

    CTestSurface surface(10, 10, 32, RGB(0, 0, 0));
    pOffice->DrawFrame(surface.DC(), CRect(0, 0, 10, 10), FALSE);
    EXPECT_EQ(pOffice->m_clrBorder, surface.Pixel(0, 5));
    EXPECT_EQ(RGB(0, 0, 0), surface.Pixel(5, 5));
    KBThemeManager()->SetTheme(nOld);
}

TEST(ThemeManager, WrongFactoryClassFallsBackToThePlainOne)
{
    CKBThemeManagerStyleHost host(RUNTIME_CLASS(CObject));
    EXPECT_NE(nullptr, host.GetSafeTheme());
    CKBThemeManagerStyleHost none(NULL);
    EXPECT_NE(nullptr, none.GetSafeTheme());
}

namespace
{

// A style of its own metrics, as a control with its own look makes.
class CMarkedStyle : public CKBThemeManagerStyle
{
public:
    using CKBThemeManagerStyle::CKBThemeManagerStyle;
    void RefreshMetrics() override
    {
        CKBThemeManagerStyle::RefreshMetrics();
        m_clrFace = RGB(1, 2, 3);
    }
};

class CMarkedFactory : public CKBThemeManagerStyleFactory
{
    DECLARE_DYNCREATE(CMarkedFactory)
public:
    CKBThemeManagerStyle* CreateTheme(int nTheme) override { return new CMarkedStyle(nTheme); }
};
IMPLEMENT_DYNCREATE(CMarkedFactory, CKBThemeManagerStyleFactory)

// Puts the manager's theme back however the test ends.
class CThemeScope
{
public:
    CThemeScope() : m_nOld(KBThemeManager()->GetTheme()) {}
    ~CThemeScope() { KBThemeManager()->SetTheme(m_nOld); }
    CThemeScope(const CThemeScope&) = delete;
    CThemeScope& operator=(const CThemeScope&) = delete;

private:
    int m_nOld;
};

// A control carrying the theme host and calling its hooks where a basic control does.
class CThemedControl : public CWnd, public CKBThemeManagerStyleHost
{
public:
    CThemedControl() : CKBThemeManagerStyleHost(RUNTIME_CLASS(CMarkedFactory)) {}
    ~CThemedControl() override
    {
        if (GetSafeHwnd())
            DestroyWindow();
    }

    BOOL Create()
    {
        LPCSTR lpszClass = AfxRegisterWndClass(0);
        return CreateEx(0, lpszClass, "", WS_POPUP | WS_VISIBLE, CRect(10, 10, 60, 40), NULL, 0);
    }

protected:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override
    {
        OnPreCreateWindow(this);
        return CWnd::PreCreateWindow(cs);
    }
    void PreSubclassWindow() override
    {
        OnPreSubclassWindow(this);
        CWnd::PreSubclassWindow();
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
        if (message == WM_CREATE && lResult != -1)
            CKBThemeManagerStyleHostBase::OnCreate(this);
        return lResult;
    }
};

// Paints what is pending, so that a later update region is news.
void Settle(HWND hWnd)
{
    PumpMessages();
    ::ValidateRect(hWnd, NULL);
}

BOOL IsInvalidated(HWND hWnd) { return ::GetUpdateRect(hWnd, NULL, FALSE); }

}  // namespace

TEST(ThemeManager, ADerivedStylesMetricsTakeEffect)
{
    CKBThemeManagerStyleHost host(RUNTIME_CLASS(CMarkedFactory));
    ASSERT_NE(nullptr, host.GetSafeTheme());
    EXPECT_EQ(RGB(1, 2, 3), host.GetSafeTheme()->m_clrFace) << "the override ran once the style was made";
}

TEST(ThemeManager, AThemeChangeRedrawsControlsMadeOrSubclassed)
{
    CThemeScope theme;
    KBThemeManager()->SetTheme(kbThemeDefault);
    CThemedControl made;
    KBThemeManager()->SetTheme(kbThemeFlat);  // no window yet: nothing to redraw
    ASSERT_TRUE(made.Create());
    Settle(made.GetSafeHwnd());
    EXPECT_FALSE(IsInvalidated(made.GetSafeHwnd()));
    KBThemeManager()->SetTheme(kbThemeOffice);
    EXPECT_TRUE(IsInvalidated(made.GetSafeHwnd())) << "the creation hook told the host its window";
    EXPECT_EQ(kbThemeOffice, made.GetSafeTheme()->GetTheme());
    EXPECT_EQ(RGB(1, 2, 3), made.GetSafeTheme()->m_clrFace) << "the style made again is refreshed too";

    HWND hStatic = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 80, 10, 50, 30, NULL, NULL, NULL, NULL);
    ASSERT_NE(nullptr, hStatic);
    CThemedControl subclassed;
    ASSERT_TRUE(subclassed.SubclassWindow(hStatic));
    Settle(hStatic);
    KBThemeManager()->SetTheme(kbThemeFlat);
    EXPECT_TRUE(IsInvalidated(hStatic)) << "the subclassing hook told the host its window";
}
