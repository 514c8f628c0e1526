// KTPropertyGridPainters.cpp: the painter of each theme id.
#include "KTPropertyGridPainters.h"

#include "KTPropertyGridEtchedPainter.h"
#include "KTPropertyGridFlatBoxPainter.h"
#include "KTPropertyGridFlatButtonsPainter.h"
#include "KTPropertyGridMarginPainter.h"
#include "KTPropertyGridSchemeBorderPainter.h"
#include "KTPropertyGridSchemePainter.h"
#include "KTPropertyGridTreeLinesPainter.h"
#include "KTPropertyGridPainter.h"

CKTPropertyGridPainter* KTCreatePropertyGridPainter(int nTheme, CKTPropertyGrid* pGrid)
{
    switch (nTheme)
    {
    case 0:
        return new CKTPropertyGridPainter(pGrid);
    case 1:
        return new CKTPropertyGridSchemeBorderPainter(pGrid);
    case 2:
        return new CKTPropertyGridSchemePainter(pGrid);
    case 3:
        return new CKTPropertyGridTreeLinesPainter(pGrid);
    case 4:
        return new CKTPropertyGridMarginPainter(pGrid);
    case 5:
        return new CKTPropertyGridEtchedPainter(pGrid);
    case 6:
        return new CKTPropertyGridFlatBoxPainter(pGrid);
    case 7:
        return new CKTPropertyGridFlatButtonsPainter(pGrid);
    default:
        return nullptr;
    }
}
