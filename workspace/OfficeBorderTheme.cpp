// Themed border colours: sunken in the classic themes, one flat colour in the others.
#include "OfficeBorderTheme.h"

#include "KTPaintManager.h"

int CurrentBorderTheme() { return CKTPaintManager::GetGlobal()->GetCurrentTheme(); }

int BorderColorIndex(int nTheme, int bTopLeft)
{
    switch (nTheme)
    {
    case 0:
    case 1:
        return bTopLeft ? 16 : 20;
    case 2:
        return 54;
    case 3:
        return 57;
    default:
        return 52;
    }
}
