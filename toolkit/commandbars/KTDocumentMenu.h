// KTDocumentMenu.h: the menu bar's controls kept for one document type, and the map of them by menu id.
//
// Classes: CKTDocumentMenu, CKTDocumentMenuMap.
#pragma once

#include <afxwin.h>

#include "KTControl.h"
#include "KTControls.h"
#include "KTSmartPtr.h"

#include <map>

class CKTCommandBars;

class CKTDocumentMenu : public CCmdTarget
{
public:
    // Empty controls for the document template whose resource id is nId; its names when the application has one.
    CKTDocumentMenu(CKTCommandBars* pCommandBars, UINT nId);
    ~CKTDocumentMenu() override;

    CKTControls* GetControls() const { return m_pControls; }
    void SetControls(CKTControls* pControls) { m_pControls = pControls; }
    UINT GetId() const { return m_nId; }
    const CString& GetDocumentName() const { return m_strDocumentName; }
    const CString& GetFileTypeName() const { return m_strFileTypeName; }
    HICON GetIcon() const { return m_hIcon; }
    // Whether the controls differed from their original copy when last asked (the menu bar asks before a save).
    BOOL IsChanged() const { return m_bChanged; }
    void SetChanged(BOOL bChanged) { m_bChanged = bChanged; }

private:
    CKTSmartPtr<CKTControls> m_pControls;
    CString m_strDocumentName;  // the template's document name
    CString m_strFileTypeName;  // the template's file type name
    HICON m_hIcon = NULL;       // the type's icon; shared, never destroyed
    UINT m_nId;                 // the template's resource id
    BOOL m_bChanged = FALSE;
};

class CKTDocumentMenuMap : public CCmdTarget
{
public:
    using CEntries = std::map<UINT, CKTSmartPtr<CKTDocumentMenu>>;

    ~CKTDocumentMenuMap() override { RemoveAll(); }

    CKTDocumentMenu* Lookup(UINT nId) const;
    // Holds a reference of its own to the entry.
    void SetAt(UINT nId, CKTDocumentMenu* pMenu) { m_entries[nId] = pMenu; }
    void Remove(UINT nId) { m_entries.erase(nId); }
    void RemoveAll() { m_entries.clear(); }
    BOOL IsEmpty() const { return m_entries.empty(); }
    // In the order of their ids.
    const CEntries& GetEntries() const { return m_entries; }

private:
    CEntries m_entries;
};
