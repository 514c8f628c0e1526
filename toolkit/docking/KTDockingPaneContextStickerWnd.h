// KTDockingPaneContextStickerWnd.h: one shaped docking sticker shown over a drop target while a pane is dragged.
#pragma once

#include <afxwin.h>

class CKTDockingPaneStickerPicture;

class CKTDockingPaneContextStickerWnd : public CWnd
{
public:
    CKTDockingPaneContextStickerWnd(const CKTDockingPaneStickerPicture* pPicture, int nParts);

    // Shows the sticker at the screen point without activating it; its shape is the region.
    BOOL Create(CWnd* pOwner, CPoint ptScreen, HRGN hRegion);

    // The part under the screen point, 0 for none.
    int HitTest(CPoint ptScreen) const;
    void SetHotPart(int nPart);
    int GetHotPart() const { return m_nHotPart; }
    int GetParts() const { return m_nParts; }

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    const CKTDockingPaneStickerPicture* m_pPicture;  // not owned
    int m_nParts;
    int m_nHotPart = 0;
};
