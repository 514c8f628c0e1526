// Themed border colours: sunken in the classic themes, one flat colour in the others.
#include "OfficeBorderTheme.h"

#include "KTColorManager.h"
#include "KTPaintManager.h"

COLORREF ThemedBorderColor(BOOL bTopLeft)
{
    return KTColorManager()->GetColor(CKTPaintManager::GetGlobal()->GetBorderColorIndex(bTopLeft));
}
