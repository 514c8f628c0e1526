// KTGlobalAuxData.h: colours and fonts shared by every toolkit window.
//
// Classes: CKTGlobalAuxData. Accessor: KTGlobalAuxData.
#pragma once

#include <afxwin.h>

class CKTGlobalAuxData
{
public:
    CKTGlobalAuxData();
    CKTGlobalAuxData(const CKTGlobalAuxData&) = delete;
    CKTGlobalAuxData& operator=(const CKTGlobalAuxData&) = delete;

    // Refreshes the colour manager, then copies its colours into the members.
    void UpdateSysColors();
    // Makes the fonts again from the system's menu font.
    void UpdateFonts();

    COLORREF clrBtnFace;
    COLORREF clrBtnShadow;
    COLORREF clrBtnDkShadow;
    COLORREF clrBtnHilite;
    COLORREF clrBtnLight;
    COLORREF clrBtnText;
    COLORREF clrGrayText;
    COLORREF clrHilite;
    COLORREF clrTextHilite;
    COLORREF clrMenu;
    COLORREF clrMenuText;
    COLORREF clrWindow;
    COLORREF clrWindowFrame;
    COLORREF clrWindowText;
    COLORREF clrActiveCaption;
    COLORREF clrInactiveCaption;
    COLORREF clrGradientActiveCaption;
    COLORREF clrGradientInactiveCaption;
    COLORREF clrCaptionText;
    COLORREF clrInactiveCaptionText;
    COLORREF clrToolkit[20];  // the colour manager's 30 to 49

    CFont fntNormal;
    CFont fntBold;
    CFont fntVert;  // runs at 270 degrees
    CFont fntVertBold;
    int nTextHeight;  // a line of the normal font with its margins
};

CKTGlobalAuxData* KTGlobalAuxData();
