// KTColorManager.h: the toolkit's 63 indexed colours, their overrides and scheme variants.
//
// Classes: CKTColorManager. Accessors: KTColorManager, KTRefreshColors.
#pragma once

#include <windows.h>

// Indexes 0 to 30 are the system colours of the same number; 30 to 62 are
// recomputed from them on every refresh (30 is the menu bar colour itself).
enum KTColorIndex
{
    KTCOLOR_MENUBAR = 30,                // menu bar background
    KTCOLOR_HIGHLIGHT = 31,              // hot item fill
    KTCOLOR_HIGHLIGHT_BORDER = 32,       // hot item frame
    KTCOLOR_HIGHLIGHT_PUSHED = 33,       // pressed item fill
    KTCOLOR_HIGHLIGHT_CHECKED = 34,      // checked item fill
    KTCOLOR_HIGHLIGHT_CHECKED_HOT = 35,  // checked item under the mouse
    KTCOLOR_TAB_SELECTED = 36,           // selected tab and active page
    KTCOLOR_TAB_NORMAL = 37,             // unselected tab face
    KTCOLOR_TAB_BORDER = 38,             // tab outline
    KTCOLOR_FRAME = 39,                  // bar and popup frame
    KTCOLOR_TOOLBAR_FACE = 40,           // toolbar background
    KTCOLOR_TOOLBAR_GRIPPER = 41,        // gripper dots
    KTCOLOR_SEPARATOR = 42,              // separator lines
    KTCOLOR_MENU_FACE = 43,              // popup menu background
    KTCOLOR_MENU_ICON_BACK = 44,         // popup menu icon column
    KTCOLOR_DISABLED_TEXT = 45,          // text of disabled items
    KTCOLOR_HIGHLIGHT_TEXT = 46,         // text on a hot item
    KTCOLOR_TAB_BACKGROUND_LIGHT = 47,   // tab strip gradient, light end
    KTCOLOR_TAB_BACKGROUND = 48,         // tab strip background
    KTCOLOR_TAB_SELECTED_TEXT = 49,      // selected tab text and tab buttons
    KTCOLOR_TAB_HOT = 50,                // tab under the mouse
    KTCOLOR_CAPTION_ACTIVE = 51,         // active pane caption
    KTCOLOR_PANE_FRAME = 52,             // docking pane frame
    KTCOLOR_CAPTION_INACTIVE = 53,       // inactive pane caption
    KTCOLOR_CAPTION_TEXT = 54,           // pane caption text
    KTCOLOR_SPLITTER = 55,               // splitter bar
    KTCOLOR_SHADOW = 56,                 // popup shadow
    KTCOLOR_BORDER = 57,                 // flat control border
    KTCOLOR_EDIT_BACK = 58,              // edit and combo background
    KTCOLOR_GRID_LINE = 59,              // grid lines
    KTCOLOR_GRID_CATEGORY = 60,          // grid category rows
    KTCOLOR_STATUS_FACE = 61,            // status bar background
    KTCOLOR_EXPAND_BUTTON = 62,          // chevrons and expand buttons
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
        COLORREF clrSystem[KTCOLOR_MENUBAR + 1];
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

// The process-wide colour manager, made on first use.
CKTColorManager* KTColorManager();
// Refreshes the process-wide colour manager from the system.
void KTRefreshColors();
