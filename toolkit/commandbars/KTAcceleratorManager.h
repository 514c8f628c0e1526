// KTAcceleratorManager.h: the frame's accelerator table: translation, shortcut texts and its saved form.
//
// Classes: CKTAcceleratorManager.
#pragma once

#include <afxwin.h>

#include <map>
#include <vector>

class CKTCommandBars;
class CKTPropExchange;

class CKTAcceleratorManager : public CCmdTarget
{
public:
    explicit CKTAcceleratorManager(CKTCommandBars* pCommandBars);
    ~CKTAcceleratorManager() override;

    // Takes over a copy of the table as both the current and the original one.
    void SetAcceleratorTable(HACCEL hAccel);
    HACCEL GetDefaultAccelerator() const { return m_hAccelTable; }
    BOOL IsTranslating() const { return m_hOriginalAccelTable != NULL; }
    BOOL TranslateAccelerator(HWND hWnd, MSG* pMsg) const;
    void LockAccelerators(BOOL bLock) { m_nLockAccelerators += bLock ? 1 : -1; }
    // Print preview hides the bars, and their shortcuts with them.
    void HideTemporarily(BOOL bHide) { m_bHiddenTemporarily = bHide; }
    void Reset();

    // The command's shortcut text; a caller's text that names one of its shortcuts stays.
    BOOL GetShortcutText(UINT nId, CString& strShortcut) const;
    // Returns the kind: 3 Ctrl, 2 Alt, 1 Shift, 4 plain.
    int FormatShortcut(CString& strShortcut, const ACCEL& accel) const;
    CString GetKeyName(UINT nVirtKey, BOOL bExtended = FALSE) const;
    BOOL IsAccelAllowed(const ACCEL& accel) const;
    void DoPropExchange(CKTPropExchange* pPX);
    // Whether a typed character is the access letter of a virtual key, in any installed layout.
    static BOOL CompareAccelKey(TCHAR chAccel, UINT nVirtKey);

    BOOL m_bAllowEscapeShortcut = FALSE;
    BOOL m_bUseSystemKeyNameText = FALSE;

private:
    static std::vector<ACCEL> CopyEntries(HACCEL hAccel);
    // The compact form: the count, then the raw entries as one blob.
    void StoreBlob(CKTPropExchange* pPX);
    void LoadBlob(CKTPropExchange* pPX);
    // The named form: an "Accel" section per entry with its "Id", "virt" and "key".
    void ExchangeSections(CKTPropExchange* pPX);
    // Replaces the current table by one made of the entries; nothing when it cannot be made.
    BOOL ReplaceTable(const std::vector<ACCEL>& entries);
    HACCEL GetLookupTable() const;
    CString GetDriverKeyName(UINT nVirtKey, BOOL bExtended) const;

    int m_nLockAccelerators = 0;
    BOOL m_bHiddenTemporarily = FALSE;    // while the frame shows a print preview
    CKTCommandBars* m_pCommandBars;       // the owner
    HACCEL m_hAccelTable = NULL;          // owned
    HACCEL m_hOriginalAccelTable = NULL;  // owned; kept for Reset
    std::map<UINT, CString> m_keyNames;
};
