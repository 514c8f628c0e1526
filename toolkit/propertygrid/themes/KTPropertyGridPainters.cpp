// KTPropertyGridPainters.cpp: the painter of each theme id.
#include "KTPropertyGridPainters.h"

#include "KTPropertyGridDefs.h"

#include "KTPropertyGridEtchedPainter.h"
#include "KTPropertyGridFlatBoxPainter.h"
#include "KTPropertyGridFlatButtonsPainter.h"
#include "KTPropertyGridMarginPainter.h"
#include "KTPropertyGridSchemeBorderPainter.h"
#include "KTPropertyGridSchemePainter.h"
#include "KTPropertyGridTreeLinesPainter.h"
#include "KTPropertyGridPainter.h"

CKTSmartPtr<CKTPropertyGridPainter> KTCreatePropertyGridPainter(int nTheme, CKTPropertyGrid* pGrid)
{
    switch (nTheme)
    {
    case ktPropertyGridThemeDefault:
        return KTMakeCounted<CKTPropertyGridPainter>(pGrid);
    case ktPropertyGridThemeSchemeBorder:
        return KTMakeCounted<CKTPropertyGridSchemeBorderPainter>(pGrid);
    case ktPropertyGridThemeScheme:
        return KTMakeCounted<CKTPropertyGridSchemePainter>(pGrid);
    case ktPropertyGridThemeTreeLines:
        return KTMakeCounted<CKTPropertyGridTreeLinesPainter>(pGrid);
    case ktPropertyGridThemeMargin:
        return KTMakeCounted<CKTPropertyGridMarginPainter>(pGrid);
    case ktPropertyGridThemeEtched:
        return KTMakeCounted<CKTPropertyGridEtchedPainter>(pGrid);
    case ktPropertyGridThemeFlatBox:
        return KTMakeCounted<CKTPropertyGridFlatBoxPainter>(pGrid);
    case ktPropertyGridThemeFlatButtons:
        return KTMakeCounted<CKTPropertyGridFlatButtonsPainter>(pGrid);
    default:
        return CKTSmartPtr<CKTPropertyGridPainter>();
    }
}
