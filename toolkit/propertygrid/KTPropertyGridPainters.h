// KTPropertyGridPainters.h: makes the painter of a theme id.
#pragma once

#include "KTPropertyGridPainter.h"
#include "KTSmartPtr.h"

class CKTPropertyGrid;

// A new painter for ids 0 to 7, null for any other id.
CKTSmartPtr<CKTPropertyGridPainter> KTCreatePropertyGridPainter(int nTheme, CKTPropertyGrid* pGrid);
