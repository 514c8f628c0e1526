// OfficeBorderControl.h: a control whose sunken border becomes a one-pixel frame in the theme's colours.
//
// Classes: COfficeBorderControl<T>.
#pragma once
#include "afxwin.h"

#include "KTColorManager.h"
#include "OfficeBorderTheme.h"

template <class T>
class COfficeBorderControl : public T
{
public:
    ~COfficeBorderControl() override = default;

    virtual COLORREF GetBorderColor(BOOL bTopLeft) const { return ThemedBorderColor(bTopLeft); }

protected:
    // A control bound to a dialog's template exists before it is subclassed and never sees WM_CREATE.
    // Its procedure is put in place here already, so that the frame recalculated now comes through
    // this object; the framework then finds it done and keeps the original procedure stored here.
    void PreSubclassWindow() override
    {
        T::PreSubclassWindow();
        if (IsBeingCreated())
            return;
        const WNDPROC pfnOwn = AfxGetAfxWndProc();
        const auto pfnOld = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtr(this->m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnOwn)));
        if (pfnOld != pfnOwn)
            *this->GetSuperWndProcAddr() = pfnOld;
        DropSystemBorder();
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        switch (message)
        {
        case WM_CREATE:
            return OnBorderCreate(wParam, lParam);
        case WM_NCCALCSIZE:
            return OnBorderNcCalcSize(wParam, lParam);
        case WM_NCPAINT:
            T::WindowProc(message, wParam, lParam);
            PaintBorder();
            return 0;
        default:
            return T::WindowProc(message, wParam, lParam);
        }
    }

private:
    LRESULT OnBorderCreate(WPARAM wParam, LPARAM lParam)
    {
        if (T::WindowProc(WM_CREATE, wParam, lParam) == -1)
            return -1;
        DropSystemBorder();
        return 0;
    }

    // Seen from the creation hook: the window has neither its place nor WS_VISIBLE yet, and its
    // WM_CREATE makes the change.
    BOOL IsBeingCreated() const
    {
        CRect rcWindow;
        this->GetWindowRect(&rcWindow);
        return !(this->GetStyle() & WS_VISIBLE) && rcWindow.IsRectEmpty();
    }

    void DropSystemBorder()
    {
        this->ModifyStyle(WS_BORDER, 0);
        this->ModifyStyleEx(WS_EX_CLIENTEDGE, 0);
        this->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }

    LRESULT OnBorderNcCalcSize(WPARAM wParam, LPARAM lParam)
    {
        const LRESULT lResult = T::WindowProc(WM_NCCALCSIZE, wParam, lParam);
        ::InflateRect(reinterpret_cast<RECT*>(lParam), -1, -1);
        return lResult;
    }

    void PaintBorder()
    {
        CWindowDC dc(this);
        CRect rcWindow, rcClient;
        this->GetWindowRect(&rcWindow);
        this->GetClientRect(&rcClient);
        this->ClientToScreen(&rcClient);
        const int nTopInset = rcClient.top - rcWindow.top;
        rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);
        dc.Draw3dRect(&rcWindow, GetBorderColor(TRUE), GetBorderColor(FALSE));
        if (nTopInset <= 1)
            return;
        rcWindow.DeflateRect(1, 1);
        const COLORREF clrWindow = KTColorManager()->GetColor(COLOR_WINDOW);
        dc.Draw3dRect(&rcWindow, clrWindow, clrWindow);
    }
};
