// KTColorManager.h: the toolkit's 63 indexed colours, their overrides and scheme variants.
//
// Classes: CKTColorManager. Accessors: KTColorManager, KTRefreshColors. Colour arguments: KTColorArgument,
// KTReadyColor.
#pragma once

#include <windows.h>

// Indexes 0 to 30 are the system colours of the same number; 30 to 62 are
// recomputed from them on every refresh (30 is the menu bar colour itself).
// Each is named after the role the bar themes give it; tabs, panes and grids
// that borrow one take it in the same role.
enum KTColorIndex
{
    KTCOLOR_FIRST_DERIVED = 30,
    KTCOLOR_TOOLBAR_FACE = 30,              // tool bar face, popup icon column, open-popup fill
    KTCOLOR_HIGHLIGHT = 31,                 // hot control fill
    KTCOLOR_HIGHLIGHT_BORDER = 32,          // hot control border
    KTCOLOR_HIGHLIGHT_PUSHED = 33,          // pressed control fill
    KTCOLOR_HIGHLIGHT_FAINT = 34,           // faint highlight wash (no theme draws with it)
    KTCOLOR_POPUP_DISABLED_TEXT = 35,       // disabled popup entries and check marks
    KTCOLOR_HIGHLIGHT_CHECKED = 36,         // checked control fill
    KTCOLOR_HIGHLIGHT_CHECKED_BORDER = 37,  // checked control border
    KTCOLOR_GRIPPER = 38,                   // gripper lines and dots
    KTCOLOR_SEPARATOR = 39,                 // separator lines
    KTCOLOR_DISABLED_ICON = 40,             // disabled icon silhouette, tool bar edit border
    KTCOLOR_POPUP_FACE = 41,                // popup bar background
    KTCOLOR_POPUP_HIDDEN_COLUMN = 42,       // icon column beside rarely used commands
    KTCOLOR_POPUP_BORDER = 43,              // popup bar border, open-popup control border
    KTCOLOR_POPUP_TEXT = 44,                // popup entry text
    KTCOLOR_HIGHLIGHT_TEXT = 45,            // text on a hot or checked control
    KTCOLOR_TOOLBAR_TEXT = 46,              // tool bar text
    KTCOLOR_HIGHLIGHT_PUSHED_TEXT = 47,     // text on a pressed control
    KTCOLOR_TAB_HEADER_FACE = 48,           // tab strip background
    KTCOLOR_TAB_TEXT = 49,                  // tab text and tab button glyphs
    KTCOLOR_HIGHLIGHT_PUSHED_BORDER = 50,   // pressed control border
    KTCOLOR_CONTROL_FACE = 51,              // indeterminate check fill, slide-out pane face
    KTCOLOR_BAR_EDGE = 52,                  // check box, gallery and inactive caption edge
    KTCOLOR_POPUP_EDIT = 53,                // edit box on a popup bar
    KTCOLOR_WINDOW_FRAME = 54,              // frame window border
    KTCOLOR_FACE_PALE = 55,                 // pale face (no theme draws with it)
    KTCOLOR_POPUP_LABEL = 56,               // label background on a popup bar
    KTCOLOR_FLAT_BORDER = 57,               // border of flat controls and flat tabs
    KTCOLOR_DISABLED_CHECKED_BORDER = 58,   // border of a disabled checked control
    KTCOLOR_FACE_SHADE = 59,                // shaded face (no theme draws with it)
    KTCOLOR_DISABLED_TEXT = 60,             // disabled tool bar text
    KTCOLOR_FLOATING_FRAME = 61,            // floating bar frame
    KTCOLOR_SHADOW_SOFT = 62,               // soft shadow (no theme draws with it)
    KTCOLOR_COUNT = 63
};

// Colour schemes of the visual style, and the setting that follows the system.
enum KTSystemTheme
{
    ktSystemThemeNone = 0,
    ktSystemThemeBlue = 1,
    ktSystemThemeOlive = 2,
    ktSystemThemeSilver = 3,
    ktSystemThemeAuto = 4,
    ktSystemThemeDefault = 5
};

class CKTColorManager
{
public:
    CKTColorManager();

    // Per channel (c1 * n + c2 * (S - n) + S / 2) / S: S is 100 when n is
    // below 100 (percent), else 1000 (per mille).
    static COLORREF BlendColors(COLORREF clr1, COLORREF clr2, int nWeight);

    // The custom value when set, else the standard one; above 62 the value
    // itself is a ready colour.
    COLORREF GetColor(int nIndex) const;
    // The scheme variant of an index while a scheme is in use.
    COLORREF GetLunaColor(int nIndex) const;
    // Overrides one index; -1 removes the override.
    void SetColor(int nIndex, COLORREF clr);

    // Re-reads the system colours, detects the scheme and derives 30 to 62.
    void RefreshColors();

    int GetSystemTheme() const { return m_nSystemTheme; }
    int GetCurrentSystemTheme() const;
    // Chooses a scheme; ktSystemThemeAuto or ktSystemThemeDefault follow the system.
    void SetLunaTheme(int nTheme);
    BOOL IsLunaColorsDisabled() const { return m_bDisableLunaColors; }
    void DisableLunaColors(BOOL bDisable) { m_bDisableLunaColors = bDisable; }

    // TRUE when the DC (the desktop's for NULL) has 1 to 8 bits per pixel.
    static BOOL IsLowResolution(HDC hDC = NULL);

private:
    struct Palette
    {
        COLORREF clrSystem[COLOR_MENUBAR + 1];
    };

    static void ReadSystemPalette(Palette& palette);
    static void DeriveColors(const Palette& palette, COLORREF* pColors);
    static BOOL ApplySchemePalette(int nScheme, Palette& palette);
    static int DetectSystemTheme();
    static BOOL IsValidIndex(int nIndex) { return nIndex >= 0 && nIndex < KTCOLOR_COUNT; }

    COLORREF m_clrStandard[KTCOLOR_COUNT];  // from the system palette
    COLORREF m_clrLuna[KTCOLOR_COUNT];      // from the scheme palette
    COLORREF m_clrCustom[KTCOLOR_COUNT];    // overrides, -1 when unset
    int m_nSystemTheme;                     // scheme found at the last refresh
    int m_nLunaTheme;                       // scheme chosen by the program
    BOOL m_bDisableLunaColors;              // scheme colours switched off
};

// A ready colour given where a colour index or a ready colour is taken. Below KTCOLOR_COUNT its value would
// read as an index (RGB(10, 0, 0) is index 10), so it carries the palette-relative mark, under which GDI draws
// the same colour on a true-colour device.
int KTColorArgument(COLORREF clr);
// The colour an argument outside the table stands for, without that mark.
COLORREF KTReadyColor(int nArgument);

// The process-wide colour manager, made on first use.
CKTColorManager* KTColorManager();
// Refreshes the process-wide colour manager from the system.
void KTRefreshColors();
