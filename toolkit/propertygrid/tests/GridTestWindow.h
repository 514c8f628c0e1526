// GridTestWindow.h: a top-level owner that records the grid's notifications, the designer's field page, and real input.
#pragma once

#include <afxwin.h>

#include <vector>

#include "KTPropertyGrid.h"
#include "KTPropertyGridItem.h"
#include "KTPropertyGridView.h"

// One notification as the owner saw it.
struct GridNotice
{
    int nCode;
    CString strText;             // the item's value, or the edit record's text
    CKTPropertyGridItem* pItem;  // the item, or the edit record's item
};

// Owns a grid as the settings pane does: the grid's notifications come here.
class CGridOwner : public CWnd
{
public:
    explicit CGridOwner(CRect rcWindow = CRect(40, 40, 440, 460));
    ~CGridOwner() override;

    // One window for the whole run: destroying a top-level window takes
    // the display about two seconds here.
    static CGridOwner& Shared();
    // Back to its place, in front, with nothing recorded.
    void Reset();

    int Count(int nCode) const;
    const GridNotice* Last(int nCode) const;
    // Codes in arrival order, without the selection and edit-change chatter.
    std::vector<int> EditCodes() const;

    std::vector<GridNotice> m_notices;
    LRESULT m_nButtonAnswer = 0;  // answer to code 5
    BOOL m_bRefuseEdit = FALSE;   // cancel code 11

protected:
    afx_msg LRESULT OnGridNotify(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// Builds the designer's field page on a grid in theme 6; answers the category.
CKTPropertyGridItem* BuildFieldPage(CKTPropertyGrid& grid);

// Splitter drags run the grid's own message loop on this thread: their
// input is queued whole before anything is handled.
void Settle(int nRounds = 8);
void QueueMove(CPoint ptScreen);
void QueueKey(WORD vk);
void MoveCursor(CPoint ptScreen);
void LeftDown();
void LeftUp();

CPoint ClientToScreenPoint(CWnd* pWnd, CPoint pt);
// A pixel of a window's client area as the screen shows it.
COLORREF ClientPixel(CWnd* pWnd, CPoint pt);
