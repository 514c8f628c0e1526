// KTPropertyGridPainters.h: makes the painter of a theme id.
#pragma once

class CKTPropertyGrid;
class CKTPropertyGridPainter;

// A new painter for ids 0 to 7, null for any other id.
CKTPropertyGridPainter* KTCreatePropertyGridPainter(int nTheme, CKTPropertyGrid* pGrid);
