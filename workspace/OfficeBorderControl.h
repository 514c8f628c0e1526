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
    // Only a control created through this object drops its frame: one bound from a dialog's template keeps
    // the template's, and the themed frame is painted over its outer pixel.
    LRESULT OnBorderCreate(WPARAM wParam, LPARAM lParam)
    {
        if (T::WindowProc(WM_CREATE, wParam, lParam) == -1)
            return -1;
        this->ModifyStyle(WS_BORDER, 0);
        this->ModifyStyleEx(WS_EX_CLIENTEDGE, 0);
        this->SetWindowPos(nullptr, 0, 0, 0, 0,
                           SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return 0;
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
