// KTPropertyGridPainters.cpp: the painter of each theme id.
#include "KTPropertyGridPainters.h"

#include "KTPropertyGridFlatBoxPainter.h"
#include "KTPropertyGridPainter.h"

CKTPropertyGridPainter* KTCreatePropertyGridPainter(int nTheme, CKTPropertyGrid* pGrid)
{
    switch (nTheme)
    {
    case 0:
        return new CKTPropertyGridPainter(pGrid);
    case 6:
        return new CKTPropertyGridFlatBoxPainter(pGrid);
    default:
        return nullptr;
    }
}
