// The four colours both option pages edit alike: text, background, selected text and selected background, each in
// a colour list with a pick button, shown together on a normal and a selected sample.
// Classes: CKTSyntaxEditColorGroup.
#pragma once

#include <afxwin.h>

#include "KTSyntaxEditColorComboBox.h"
#include "KTSyntaxEditSampleStatic.h"

class CKTSyntaxEditColorGroup
{
public:
    CKTSyntaxEditColorGroup() { ResetColors(); }

    // The page's data exchange: the ten controls, then the four colours.
    void DoDataExchange(CDataExchange* pDX);
    // Each list's automatic entry is the system colour it stands for.
    void SetAutomaticColors();
    void ResetColors();
    // The lists show the colours, a custom entry taking one that has no name.
    void SelectColors();
    void ShowOnSamples();
    void SetSampleFont(CFont* pFont);
    void Enable(BOOL bEnable);

    COLORREF m_clrText;
    COLORREF m_clrBack;
    COLORREF m_clrSelText;
    COLORREF m_clrSelBack;
    CKTSyntaxEditColorComboBox m_boxText;
    CKTSyntaxEditColorComboBox m_boxBack;
    CKTSyntaxEditColorComboBox m_boxSelText;
    CKTSyntaxEditColorComboBox m_boxSelBack;
    CKTSyntaxEditSampleStatic m_sampleNormal;
    CKTSyntaxEditSampleStatic m_sampleSelected;
    CButton m_btnPick[4];  // text, background, selected text, selected background
};
