// KTGlobalAuxData.cpp: filling the shared colours and fonts.
#include "KTGlobalAuxData.h"

#include "KTColorManager.h"
#include "KTDrawHelpers.h"
#include "KTDrawObjects.h"

CKTGlobalAuxData::CKTGlobalAuxData() : nTextHeight(0)
{
    UpdateSysColors();
    UpdateFonts();
}

void CKTGlobalAuxData::UpdateSysColors()
{
    KTRefreshColors();
    CKTColorManager* pColors = KTColorManager();
    // Member order, with the colour indexes they take.
    COLORREF* const members[] = {&clrBtnFace,
                                 &clrBtnShadow,
                                 &clrBtnDkShadow,
                                 &clrBtnHilite,
                                 &clrBtnLight,
                                 &clrBtnText,
                                 &clrGrayText,
                                 &clrHilite,
                                 &clrTextHilite,
                                 &clrMenu,
                                 &clrMenuText,
                                 &clrWindow,
                                 &clrWindowFrame,
                                 &clrWindowText,
                                 &clrActiveCaption,
                                 &clrInactiveCaption,
                                 &clrGradientActiveCaption,
                                 &clrGradientInactiveCaption,
                                 &clrCaptionText,
                                 &clrInactiveCaptionText};
    const int indexes[] = {15, 16, 21, 20, 22, 18, 17, 13, 14, 4, 7, 5, 6, 8, 2, 3, 27, 28, 9, 19};
    static_assert(sizeof(members) / sizeof(members[0]) == sizeof(indexes) / sizeof(indexes[0]), "one index a member");
    for (size_t i = 0; i < sizeof(indexes) / sizeof(indexes[0]); i++)
        *members[i] = pColors->GetColor(indexes[i]);
    for (int i = 0; i < 20; i++)
        clrToolkit[i] = pColors->GetColor(KTCOLOR_FIRST_DERIVED + i);
}

void CKTGlobalAuxData::UpdateFonts()
{
    LOGFONTA lf = CKTDrawHelpers::GetNonClientFont(&NONCLIENTMETRICSA::lfMenuFont);
    for (CFont* pFont : {&fntNormal, &fntBold, &fntVert, &fntVertBold})
        pFont->DeleteObject();
    fntNormal.CreateFontIndirect(&lf);
    LOGFONTA lfBold = lf;
    lfBold.lfWeight = FW_BOLD;
    fntBold.CreateFontIndirect(&lfBold);
    LOGFONTA lfVert = lf;
    lfVert.lfEscapement = 2700;
    lfVert.lfOrientation = 900;
    lstrcpynA(lfVert.lfFaceName, CKTDrawHelpers::GetDefaultFontName(TRUE), LF_FACESIZE);
    fntVert.CreateFontIndirect(&lfVert);
    lfVert.lfWeight = FW_BOLD;
    fntVertBold.CreateFontIndirect(&lfVert);

    CKTScreenDC screen;
    CKTFontDC font(&screen, &fntNormal);
    SIZE sz = {0, 0};
    if (screen.GetSafeHdc())
        ::GetTextExtentPoint32A(screen.GetSafeHdc(), " ", 1, &sz);
    nTextHeight = sz.cy + 6;
}

CKTGlobalAuxData* KTGlobalAuxData()
{
    static CKTGlobalAuxData data;
    return &data;
}
