// KTTabClientActiveFilesButton.h: the "Active Files" button of a tab client's strip, which lists its tabs to pick
// one from.
//
// Classes: CKTTabClientActiveFilesButton.
#pragma once

#include <memory>

#include "KTTabManagerNavigateButton.h"

class CKTTabClientWnd;

class CKTTabClientActiveFilesButton : public CKTTabManagerNavigateButton
{
public:
    CKTTabClientActiveFilesButton(CKTTabManager* pManager, CKTTabClientWnd* pClient);
    ~CKTTabClientActiveFilesButton() override;

    // The tabs are longer than the strip can show.
    BOOL IsOverflowing() const { return m_bOverflow; }
    void Reposition(CRect& rcStrip) override;
    void DrawEntry(CDC* pDC, CRect rc) override;
    // The press opens the list at once; a tab picked from it comes to the front.
    void PerformClick(HWND hWnd, CPoint pt) override;
    void OnExecute(BOOL /*bTick*/) override {}

private:
    // The window of the tab picked from the list below the button, NULL when none was.
    HWND PickFromList(HWND hWnd);

    CKTTabClientWnd* m_pClient;  // not owned
    BOOL m_bOverflow = FALSE;
    std::shared_ptr<BOOL> m_pLiving = std::make_shared<BOOL>(TRUE);  // FALSE once the button is gone
};
