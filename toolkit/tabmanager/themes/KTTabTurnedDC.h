// KTTabTurnedDC.h: draws a tab of a left, bottom or right strip as if it stood on a top strip.
//
// Classes: CKTTabTurnedDC.
#pragma once

#include <afxwin.h>

#include <cstdint>
#include <memory>

class CKTTabPainter;
class CKTDibSection;
class CKTCompatibleDC;

// Copies the area under the tab into a bitmap turned to the top position; at the end the bitmap is turned
// back and copied over the area. On the top position it draws straight into the destination. Meanwhile the
// painter's colour set, if there is a painter, fills for the top position.
class CKTTabTurnedDC
{
public:
    CKTTabTurnedDC(CKTTabPainter* pPainter, CDC* pDestDC, const CRect& rcArea, int nPosition);
    // Without a painter; the turned bitmap starts as a fill of the colour instead of the area's pixels.
    CKTTabTurnedDC(CDC* pDestDC, const CRect& rcArea, int nPosition, COLORREF clrBackground);
    ~CKTTabTurnedDC();
    CKTTabTurnedDC(const CKTTabTurnedDC&) = delete;
    CKTTabTurnedDC& operator=(const CKTTabTurnedDC&) = delete;

    CDC* GetDC() { return m_pDC; }
    BOOL IsTurned() const { return m_pDC != m_pDestDC; }
    // A rectangle of the destination in the turned bitmap's co-ordinates.
    CRect ToTop(const CRect& rc) const;

private:
    // CLR_INVALID: start from the area's pixels.
    BOOL Begin(COLORREF clrBackground);
    void Turn(const uint32_t* pFrom, uint32_t* pTo, BOOL bBack) const;
    CSize TopSize() const;
    uint32_t* TopBits() const;

    CKTTabPainter* m_pPainter;  // not owned; may be NULL
    CDC* m_pDestDC;             // not owned
    CRect m_rcArea;
    int m_nPosition;
    CDC* m_pDC;                                 // the destination, or m_pTopDC
    std::unique_ptr<CKTDibSection> m_pTop;      // the turned picture, when not on top
    std::unique_ptr<CKTCompatibleDC> m_pTopDC;  // holds m_pTop; freed first
};
