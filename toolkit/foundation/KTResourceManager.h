// KTResourceManager.h: the toolkit's resources, looked up in its resource module first, then the application's.
//
// Classes: CKTResourceManager. Functions: KTResourceManager, KTLockResource.
#pragma once

#include <afx.h>
#include <windows.h>

class CKTResourceManager
{
public:
    CKTResourceManager();
    CKTResourceManager(const CKTResourceManager&) = delete;
    CKTResourceManager& operator=(const CKTResourceManager&) = delete;

    // A module that holds the toolkit's resources (NULL for none); not owned.
    void SetResourceHandle(HMODULE hModule) { m_hResourceModule = hModule; }
    HMODULE GetResourceHandle() const { return m_hResourceModule; }
    WORD GetLanguage() const { return m_wLanguage; }

    // The text of the id; empty and FALSE when the id is missing.
    BOOL LoadString(CString* pString, UINT nID) const;
    // A shared cursor; NULL when missing.
    HCURSOR LoadCursor(UINT nID) const;
    // A new bitmap the caller deletes; NULL when missing.
    HBITMAP LoadBitmap(UINT nID) const;
    // Bytes of an HTML resource up to the first zero byte; FALSE (string
    // unchanged) when missing or empty.
    BOOL LoadHTML(CString* pText, WORD nID) const;
    // The in-memory template of a dialog; NULL when missing.
    LPCDLGTEMPLATE LoadDialogTemplate(UINT nID) const;
    LPCDLGTEMPLATE LoadDialogResource(LPCSTR lpszName) const;
    // Any resource's bytes and size, and the module it was found in.
    const void* LoadResourceData(LPCSTR lpszName, LPCSTR lpszType, DWORD* pcbSize, HMODULE* phModule = NULL) const;

private:
    HRSRC FindIn(HMODULE hModule, LPCSTR lpszName, LPCSTR lpszType) const;
    BOOL LoadStringFrom(HMODULE hModule, CString* pString, UINT nID) const;
    HMODULE GetApplicationModule() const;

    HMODULE m_hResourceModule;  // not owned
    WORD m_wLanguage;           // preferred language of the resources
};

CKTResourceManager* KTResourceManager();

// The bytes of a resource found in the module, and their number when asked
// for; NULL when the resource is missing or cannot be loaded.
const void* KTLockResource(HMODULE hModule, LPCSTR lpszName, LPCSTR lpszType, DWORD* pcbSize = NULL);
const void* KTLockResource(HMODULE hModule, HRSRC hResource, DWORD* pcbSize = NULL);
