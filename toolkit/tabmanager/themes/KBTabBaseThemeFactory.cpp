// KBTabBaseThemeFactory.cpp: the look of the themed tab control by the basic controls' theme id.
#include "KBTabBaseThemeFactory.h"

#include "KBTabBaseThemeGradient.h"

IMPLEMENT_DYNCREATE(CKBTabBaseThemeFactory, CKBThemeManagerStyleFactory)

CKBThemeManagerStyle* CKBTabBaseThemeFactory::CreateTheme(int nTheme)
{
    switch (nTheme)
    {
    case kbThemeFlat:
        return new CKBTabBaseThemeFlat(nTheme);
    case kbThemeOffice:
        return new CKBTabBaseThemeGradient(nTheme);
    default:
        return new CKBTabBaseTheme(nTheme);
    }
}
