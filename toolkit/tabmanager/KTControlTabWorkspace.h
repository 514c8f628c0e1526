// KTControlTabWorkspace.h: the MDI tab client's strip of tabs as a control on a command bar.
//
// Classes: CKTControlTabWorkspace.
#pragma once

#include "KTControlButton.h"
#include "KTTabClientGroup.h"

// Lent to a tab client with SetSingleWorkspace, it shows that client's children as tabs on its bar; without a
// client it is a plain button.
class CKTControlTabWorkspace : public CKTControlButton, public CKTTabClientGroup
{
    DECLARE_SERIAL(CKTControlTabWorkspace)
public:
    CKTControlTabWorkspace();
    ~CKTControlTabWorkspace() override;

    BOOL IsOwnedByClient() const override { return FALSE; }

    CSize GetSize(CDC* pDC) override;
    void SetRect(CRect rc) override;
    void Draw(CDC* pDC) override;
    void OnClick(BOOL bKeyboard = FALSE, CPoint pt = CPoint(0, 0)) override;
    void OnLButtonUp(CPoint pt) override;
    void OnMouseMove(CPoint pt) override;
    void OnRemoved() override;
    using CKTControlButton::GetTooltip;
    // With a tab client, the tip of the tab under the point: tool id its index + 1, none (0) without a tip.
    CString GetTooltip(CPoint pt, CRect* pRect, INT_PTR* pToolId) const override;

    void Reposition() override;
    void RedrawControl(LPCRECT lpRect, BOOL bAnimate) override;
    // Follows the bar's side: tabs hang from a bottom bar and face the frame from a side bar.
    int GetPosition() const override;

private:
    BOOL IsVerticalBar() const;
    HWND GetBarHwnd() const;

    BOOL m_bLayoutDirty = FALSE;  // the tabs are placed again at the next SetRect
    int m_nControlWidth = 220;    // along the bar
};
